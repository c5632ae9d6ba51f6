// The application object: form creation order, the main window, modal runs and error reports.
#include "platform/toolkit/application.h"

#include <utility>

#include "platform/error.h"
#include "platform/toolkit/art_reduction.h"
#include "platform/toolkit/display_scale.h"

namespace kinloom {

const char* const Application::kUnknownErrorText = "An unexpected error occurred";

// The last byte of a UTF-8 character sorts after '.' exactly when the character does.
std::string ErrorReportText(const std::string& text) {
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') return text + ".";
  return text;
}

Application::Application(Backend& backend) : backend_(backend) {
  backend_.ReportPressesTo(
      [this](std::uint32_t timeMs, Point screen) { return NoteLeftPress(timeMs, screen); });
}

Application::~Application() {
  backend_.ReportPressesTo(nullptr);
}

void Application::Adopt(std::unique_ptr<Window> form) {
  Window& window = *form;
  forms_.push_back(std::move(form));
  window.application_ = this;
  if (!main_) {
    main_ = &window;
    window.main_ = true;
  }
  Guard([&] { window.FormCreate(); });
  window.native_ = backend_.CreateNativeWindow(window);
}

void Application::Run() {
  if (main_ && !main_->IsClosed()) backend_.RunMessageLoop(*main_);
}

// Counts the run while it lasts; the last one to end lets a held close request through.
template <class F>
auto Application::InModalRun(F&& run) {
  struct Counted {
    Application& app;
    explicit Counted(Application& a) : app(a) { ++app.modalRuns_; }
    ~Counted() {
      if (--app.modalRuns_ > 0 || !app.closeHeld_) return;
      app.closeHeld_ = false;
      if (app.main_ && app.main_->native_) app.main_->native_->PostClose();
    }
  } counted(*this);
  return run();
}

int Application::ShowModal(Window& window) {
  if (window.modal_) throw Error("Cannot make a visible window modal");
  window.modalResult_ = 0;
  window.modal_ = true;
  struct ModalFlag {
    Window& window;
    ~ModalFlag() { window.modal_ = false; }
  } modalFlag{window};
  return InModalRun([&] { return backend_.RunModal(window); });
}

int Application::ShowMessageBox(const MessageBoxModel& box) {
  return InModalRun([&] { return backend_.ShowMessageBox(box); });
}

Bitmap Application::LoadArt(const std::string& name, const Rect& placed, int frames, int dpi) {
  const int scale = dpi == kBaseDpi ? 1 : 2;
  Bitmap art = LoadArt(name, scale);
  const Size drawn = placed.GetSize();
  if (art.GetSize() != Size{scale * drawn.width, scale * drawn.height * frames}) {
    throw Error("The picture " + name + " does not fit its place");
  }
  if (dpi == kBaseDpi || dpi == kArt2xDpi) return art;
  return ReduceArt(art, placed, frames, dpi);
}

bool Application::NoteLeftPress(std::uint32_t timeMs, Point screen) {
  secondPress_ = presses_.Press(timeMs, screen, backend_.SystemDoubleClickLimits());
  return secondPress_;
}

bool Application::HoldCloseWhileModal() {
  if (modalRuns_ == 0) return false;
  closeHeld_ = true;
  return true;
}

void Application::ReportError(const std::string& text) {
  // The report is the last line of defence: a failure to show it must not escape either.
  try {
    InModalRun([&] { backend_.ShowErrorReport(title, ErrorReportText(text)); });
  } catch (...) {
  }
}

}  // namespace kinloom
