// The headless backend: windows on an imaginary screen, loops driven by the test's script.
#include "tests/support/headless_backend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <utility>

#include "platform/error.h"
#include "platform/toolkit/display_scale.h"
#include "platform/toolkit/packed_art.h"

#ifndef KINLOOM_PACKED_ART_DIR
#error "KINLOOM_PACKED_ART_DIR must name the build's folder of packed art"
#endif

namespace kinloom {
namespace {

void Remove(std::vector<HeadlessWindow*>& list, HeadlessWindow* native) {
  list.erase(std::remove(list.begin(), list.end(), native), list.end());
}

// The art as the program file holds it, packed by the build. Every test builds all six windows;
// decoding each picture once per process keeps the suite quick.
const Bitmap& DecodedArtFile(const std::string& name, int scale) {
  static std::map<std::pair<std::string, int>, Bitmap> decoded;
  auto found = decoded.find({name, scale});
  if (found != decoded.end()) return found->second;
  const std::string path =
      std::string(KINLOOM_PACKED_ART_DIR) + "/" + std::to_string(scale) + "x/" + name + ".bmp.z";
  std::ifstream file(path, std::ios::binary);
  if (!file) throw Error("Cannot load the picture " + name);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  const std::string data = bytes.str();
  Bitmap bitmap = UnpackArt(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
  return decoded.emplace(std::make_pair(name, scale), std::move(bitmap)).first->second;
}

}  // namespace

HeadlessWindow::~HeadlessWindow() {
  backend_.Forget(*this);
}

void HeadlessWindow::Show() {
  if (window_.centredOnFirstShow && showCount_ == 0) {
    const Size screen = ScaleToDpi(HeadlessBackend::kScreenSize, backend_.dpi_);
    const Size client = window_.ClientSizeAtDpi();
    position_ = {(screen.width - client.width) / 2, (screen.height - client.height) / 2};
  }
  ++showCount_;
  shown_ = true;
  backend_.Shown(*this);
}

int HeadlessWindow::PlaceForShow() {
  return backend_.dpi_;
}

void HeadlessWindow::Hide() {
  shown_ = false;
  backend_.Hidden(*this);
}

void HeadlessWindow::Invalidate(const Rect& clientArea) {
  if (invalidations_ == 0) {
    invalidatedArea_ = clientArea;
  } else {
    invalidatedArea_ = {std::min(invalidatedArea_.left, clientArea.left),
                        std::min(invalidatedArea_.top, clientArea.top),
                        std::max(invalidatedArea_.right, clientArea.right),
                        std::max(invalidatedArea_.bottom, clientArea.bottom)};
  }
  ++invalidations_;
}

void HeadlessWindow::ResetInvalidations() {
  invalidations_ = 0;
  invalidatedArea_ = {};
}

void HeadlessWindow::ControlChanged(Control&) {
  ++controlChanges_;
}

void HeadlessWindow::CapturePointer() {
  backend_.capture_ = this;
}

void HeadlessWindow::ReleasePointer() {
  if (backend_.capture_ == this) backend_.capture_ = nullptr;
}

void HeadlessWindow::PostClose() {
  backend_.pendingClose_ = this;
}

HeadlessBackend::HeadlessBackend() = default;

HeadlessBackend::~HeadlessBackend() {
  if (!steps_.empty()) ADD_FAILURE() << steps_.size() << " scripted step(s) never ran";
  if (!boxes_.AllAnswered()) ADD_FAILURE() << "scripted message box answers were never used";
  for (const ErrorReport& report : errorReports_) {
    ADD_FAILURE() << "unexpected error report \"" << report.caption << "\": " << report.text;
  }
}

std::unique_ptr<NativeWindow> HeadlessBackend::CreateNativeWindow(Window& window) {
  return std::make_unique<HeadlessWindow>(*this, window);
}

bool HeadlessBackend::NextStep(const char* loop) {
  RunPosted();
  if (outOfSteps_) return false;
  if (steps_.empty()) {
    ADD_FAILURE() << "the " << loop << " waits for input, but the script has no steps left";
    outOfSteps_ = true;  // every enclosing loop ends too
    return false;
  }
  std::function<void()> step = std::move(steps_.front());
  steps_.pop_front();
  step();
  return true;
}

void HeadlessBackend::RunMessageLoop(Window& main) {
  main.Show();
  // A posted close may end the loop before the next step.
  while (!(RunPosted(), main.IsClosed()) && NextStep("main loop")) {
  }
}

int HeadlessBackend::RunModal(Window& window) {
  std::vector<HeadlessWindow*> disabled;
  for (HeadlessWindow* other : zOrder_) {
    if (&other->Model() != &window && other->IsEnabled()) disabled.push_back(other);
  }
  for (HeadlessWindow* other : disabled) other->SetEnabled(false);
  window.Show();
  while (window.ModalResult() == 0 && NextStep("modal run")) {
  }
  // Re-enabled before hiding, so activation returns to the window beneath.
  for (HeadlessWindow* other : disabled) other->SetEnabled(true);
  window.Hide();
  return window.ModalResult() != 0 ? window.ModalResult() : kModalCloseResult;
}

int HeadlessBackend::ShowMessageBox(const MessageBoxModel& box) {
  return boxes_.ShowMessageBox(box);
}

void HeadlessBackend::ShowErrorReport(const std::string& caption, const std::string& text) {
  errorReports_.push_back({caption, text});
}

Bitmap HeadlessBackend::LoadArt(const std::string& name, int scale) {
  artLoads_.emplace_back(name, scale);
  auto found = art_.find({name, scale});
  if (found != art_.end()) return found->second;
  return DecodedArtFile(name, scale);
}

void HeadlessBackend::Then(std::function<void()> step) {
  steps_.push_back(std::move(step));
}

void HeadlessBackend::RunPosted() {
  // Once the script has run out every loop unwinds; a handler must not start new ones.
  while (!outOfSteps_ && !pendingActivations_.empty()) {
    HeadlessWindow* native = pendingActivations_.front();
    pendingActivations_.erase(pendingActivations_.begin());
    if (native == active_) native->Model().Activated();
  }
  if (HeadlessWindow* native = pendingClose_; native && !outOfSteps_) {
    pendingClose_ = nullptr;
    native->Model().Close();
  }
}

std::vector<ErrorReport> HeadlessBackend::TakeErrorReports() {
  return std::move(errorReports_);
}

void HeadlessBackend::SetArt(const std::string& name, Bitmap art, int scale) {
  art_[{name, scale}] = std::move(art);
}

HeadlessWindow& HeadlessBackend::NativeOf(const Window& window) {
  return static_cast<HeadlessWindow&>(*window.Native());
}

Window* HeadlessBackend::ActiveWindow() const {
  return active_ ? &active_->Model() : nullptr;
}

Window* HeadlessBackend::TopWindow() const {
  return zOrder_.empty() ? nullptr : &zOrder_.back()->Model();
}

Bitmap HeadlessBackend::ClientPixels(const Window& window) const {
  const Size client = window.ClientSizeAtDpi();
  Bitmap pixels(client.width, client.height);
  window.Compose(pixels.Bounds(), pixels);
  return pixels;
}

bool HeadlessBackend::PointerCaptured(const Window& window) const {
  return capture_ && &capture_->Model() == &window;
}

// Activation is delivered later, as a posted message would be, never inside Show itself.
void HeadlessBackend::Shown(HeadlessWindow& native) {
  Remove(zOrder_, &native);
  zOrder_.push_back(&native);
  active_ = &native;
  pendingActivations_.push_back(&native);
}

void HeadlessBackend::Hidden(HeadlessWindow& native) {
  Remove(zOrder_, &native);
  if (capture_ == &native) capture_ = nullptr;
  if (active_ != &native) return;
  active_ = nullptr;
  for (auto it = zOrder_.rbegin(); it != zOrder_.rend() && !active_; ++it) {
    if ((*it)->IsEnabled()) active_ = *it;
  }
  if (active_) {
    pendingActivations_.push_back(active_);
  } else {
    ++activationLosses_;
  }
}

void HeadlessBackend::Forget(HeadlessWindow& native) {
  Remove(zOrder_, &native);
  Remove(pendingActivations_, &native);
  if (active_ == &native) active_ = nullptr;
  if (capture_ == &native) capture_ = nullptr;
  if (pendingClose_ == &native) pendingClose_ = nullptr;
}

bool HeadlessBackend::Accepts(Window& window, const char* what) {
  if (PointerCaptured(window)) return true;
  const HeadlessWindow& native = NativeOf(window);
  if (native.IsShown() && native.IsEnabled()) return true;
  ADD_FAILURE() << what << " on window \"" << window.title << "\", which is "
                << (native.IsShown() ? "disabled" : "hidden");
  return false;
}

void HeadlessBackend::MovePointer(Window& window, Point p) {
  if (Accepts(window, "pointer move")) window.MouseMove(p);
}

void HeadlessBackend::ReportPress(Point screen, std::uint32_t afterMs) {
  clockMs_ += afterMs;
  if (pressObserver_) pressObserver_(clockMs_, screen);
}

void HeadlessBackend::Press(Window& window, Point p, MouseButton button, std::uint32_t afterMs) {
  if (!Accepts(window, "press")) return;
  if (button == MouseButton::kLeft) {
    const Point corner = window.Position();  // the client area's corner: no frames here
    ReportPress({corner.x + p.x, corner.y + p.y}, afterMs);
  }
  window.MouseDown(p, button);
}

void HeadlessBackend::Press(Window& window, Point p, MouseButton button) {
  Press(window, p, button, kPressPauseMs);
}

void HeadlessBackend::PressAgain(Window& window, Point p) {
  Press(window, p, MouseButton::kLeft, kDoubleClickGapMs);
}

void HeadlessBackend::Release(Window& window, Point p, MouseButton button) {
  if (Accepts(window, "release")) window.MouseUp(p, button);
}

void HeadlessBackend::Click(Window& window, Point p) {
  MovePointer(window, p);
  Press(window, p);
  Release(window, p);
}

void HeadlessBackend::DoubleClick(Window& window, Point p) {
  Press(window, p);
  Release(window, p);
  PressAgain(window, p);
  Release(window, p);
}

void HeadlessBackend::PressKey(Window& window, Key key) {
  const int id = key == Key::kEnter    ? window.DefaultButtonId()
                 : key == Key::kEscape ? window.CancelButtonId()
                                       : 0;
  if (id != 0) window.ButtonCommand(id);
}

void HeadlessBackend::ToggleCheckBox(Window& window, int id) {
  Control* control = window.ControlById(id);
  if (!control || control->Kind() != ControlKind::kCheckBox) {
    ADD_FAILURE() << "no check box " << id << " on window \"" << window.title << "\"";
    return;
  }
  window.CheckBoxChanged(id, !static_cast<CheckBox*>(control)->checked);
}

}  // namespace kinloom
