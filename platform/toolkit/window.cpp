// The portable event rules of a window: hit testing, pointer holding, clicks, closing, painting.
#include "platform/toolkit/window.h"

#include <utility>

#include "platform/error.h"
#include "platform/toolkit/application.h"
#include "platform/toolkit/backend.h"
#include "platform/toolkit/display_scale.h"

namespace kinloom {

Window::Window() = default;
Window::~Window() = default;

// Outside an application (some unit tests) errors propagate to the caller instead.
template <class F>
void Window::RunHandler(F&& handler) {
  if (application_) {
    application_->Guard(std::forward<F>(handler));
  } else {
    handler();
  }
}

void Window::Add(Control& control) {
  control.owner_ = this;
  controls_.push_back(&control);
}

Control* Window::ControlById(int id) const {
  for (Control* control : controls_) {
    if (control->id == id && control->Kind() != ControlKind::kPicture) return control;
  }
  return nullptr;
}

Picture* Window::HitTest(Point p) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control* control = *it;
    if (control->Kind() == ControlKind::kPicture && control->visible &&
        control->Bounds().Contains(p)) {
      return static_cast<Picture*>(control);
    }
  }
  return nullptr;
}

Picture* Window::EventTarget(Point p) const {
  return holder_ ? holder_ : HitTest(p);
}

void Window::MouseDown(Point p, MouseButton button) {
  Picture* target = EventTarget(p);
  if (!target) return;
  if (button == MouseButton::kLeft) {
    const bool secondPress = application_ && application_->PressIsSecondOfDoubleClick();
    holder_ = target;
    clickCandidate_ = secondPress ? nullptr : target;
    if (native_) native_->CapturePointer();
  }
  if (target->OnMouseDown) RunHandler([&] { target->OnMouseDown(*target, button); });
}

void Window::MouseMove(Point p, bool moved) {
  pointerMoved_ = moved;
  Picture* target = EventTarget(p);
  if (target && target->OnMouseMove) RunHandler([&] { target->OnMouseMove(*target); });
}

void Window::MouseUp(Point p, MouseButton button) {
  Picture* target = EventTarget(p);
  if (button == MouseButton::kLeft && holder_) {
    Picture* clicked = clickCandidate_ && HitTest(p) == clickCandidate_ ? clickCandidate_ : nullptr;
    // Forget the press before any handler runs: a click may open a modal window.
    holder_ = nullptr;
    clickCandidate_ = nullptr;
    if (native_) native_->ReleasePointer();
    if (clicked) Click(*clicked);
  }
  if (target && target->OnMouseUp) RunHandler([&] { target->OnMouseUp(*target, button); });
}

void Window::Click(Picture& picture) {
  if (picture.OnClick) RunHandler([&] { picture.OnClick(picture); });
}

void Window::CaptureLost() {
  holder_ = nullptr;
  clickCandidate_ = nullptr;
}

void Window::ButtonCommand(int id) {
  Control* control = ControlById(id);
  if (!control || control->Kind() != ControlKind::kPushButton) return;
  auto* button = static_cast<PushButton*>(control);
  if (button->OnClick) RunHandler([&] { button->OnClick(); });
}

int Window::DefaultButtonId() const {
  return FirstButtonId(&PushButton::isDefault);
}

int Window::CancelButtonId() const {
  return FirstButtonId(&PushButton::isCancel);
}

int Window::FirstButtonId(bool PushButton::*flag) const {
  for (const Control* control : controls_) {
    if (control->Kind() == ControlKind::kPushButton &&
        static_cast<const PushButton*>(control)->*flag) {
      return control->id;
    }
  }
  return 0;
}

void Window::KeyDown(Key key, bool shift, bool repeat) {
  if (OnKeyDown) RunHandler([&] { OnKeyDown(key, shift, repeat); });
}

void Window::KeyUp(Key key) {
  if (OnKeyUp) RunHandler([&] { OnKeyUp(key); });
}

void Window::KeyboardLost() {
  if (OnKeyboardLost) RunHandler([&] { OnKeyboardLost(); });
}

void Window::RunChoice(int index) {
  if (choices && index >= 0 && index < choices->ChoiceCount()) {
    RunHandler([&] { choices->ClickChoice(index); });
  }
}

void Window::ChoiceHighlighted(int index) {
  if (native_) native_->ChoiceHighlighted(index);
}

void Window::CheckBoxChanged(int id, bool checked) {
  Control* control = ControlById(id);
  if (control && control->Kind() == ControlKind::kCheckBox) {
    static_cast<CheckBox*>(control)->checked = checked;
  }
}

void Window::Close() {
  if (modal_) {
    modalResult_ = kModalCloseResult;
  } else if (main_) {
    if (closed_ || (application_ && application_->HoldCloseWhileModal())) return;
    // Closed before OnClose runs: a failing OnClose is reported and the program still ends.
    closed_ = true;
    if (OnClose) RunHandler([&] { OnClose(); });
    Hide();
  } else {
    Hide();
  }
}

void Window::EndSession() {
  if (!main_ || closed_) return;
  closed_ = true;
  try {
    if (OnClose) OnClose();
  } catch (...) {
  }
}

void Window::Activated() {
  if (OnActivate) RunHandler([&] { OnActivate(); });
}

void Window::SetDpi(int dpi) {
  if (dpi < 1 || dpi == dpi_) return;
  dpi_ = dpi;
  if (shownBefore_) RunHandler([&] { FormScaleChanged(); });
}

Size Window::ClientSizeAtDpi() const {
  return ScaleToDpi(Size{clientWidth, clientHeight}, dpi_);
}

Bitmap Window::LoadArt(const std::string& name, const Rect& placed, int frames) const {
  if (!application_) throw Error("The picture " + name + " has no application to load it");
  return application_->LoadArt(name, placed, frames, dpi_);
}

void Window::Compose(const Rect& area, Bitmap& target) const {
  const Size client = ClientSizeAtDpi();
  const Rect clip = area.Intersect(target.Bounds()).Intersect({0, 0, client.width, client.height});
  if (clip.IsEmpty()) return;
  target.FillRect(clip, colour);
  for (const Control* control : controls_) {
    if (control->Kind() != ControlKind::kPicture || !control->visible) continue;
    const Bitmap& image = static_cast<const Picture*>(control)->Image();
    // A picture shows its image from its top-left corner, cut at its own size.
    const Rect place = ScaleToDpi(control->Bounds(), dpi_);
    const Rect shown =
        place.Intersect(image.Bounds().Offset(place.left, place.top)).Intersect(clip);
    if (shown.IsEmpty()) continue;
    target.CopyRect(shown.left, shown.top, image, shown.Offset(-place.left, -place.top));
  }
}

void Window::Invalidate(const Control& control) {
  Invalidate(control.Bounds());
}

void Window::Invalidate(const Rect& area) {
  const Rect clipped = area.Intersect({0, 0, clientWidth, clientHeight});
  if (native_ && !clipped.IsEmpty()) native_->Invalidate(clipped);
}

void Window::ControlChanged(Control& control) {
  if (native_) native_->ControlChanged(control);
}

void Window::Show() {
  // Where a window shows decides the scale its art is loaded for.
  if (native_) SetDpi(native_->PlaceForShow());
  if (!shownBefore_) {
    shownBefore_ = true;
    RunHandler([&] { FormFirstShow(); });
  }
  visible_ = true;
  if (OnShow) RunHandler([&] { OnShow(); });
  if (native_) native_->Show();
  if (OnShown) RunHandler([&] { OnShown(); });
}

void Window::Hide() {
  if (OnHiding) RunHandler([&] { OnHiding(); });
  visible_ = false;
  if (native_) native_->Hide();
}

Point Window::Position() const {
  return native_ ? native_->Position() : position_;
}

void Window::MoveTo(Point p) {
  position_ = p;
  if (native_) native_->MoveTo(p);
}

}  // namespace kinloom
