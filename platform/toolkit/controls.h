// The controls a window holds: windowless pictures, and the standard controls a backend makes
// native.
#pragma once

#include <functional>
#include <string>

#include "platform/toolkit/bitmap.h"
#include "platform/toolkit/geometry.h"

namespace kinloom {

class Window;

enum class ControlKind { kPicture, kPushButton, kCheckBox, kLabel, kBevel };
enum class MouseButton { kLeft, kRight, kMiddle };

// Position and size are in client coordinates of the owning window. Changes after the window
// is shown are pushed with Window::ControlChanged (native controls) or Window::Invalidate.
class Control {
 public:
  explicit Control(ControlKind kind) : kind_(kind) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind Kind() const { return kind_; }
  Rect Bounds() const { return Rect::FromSize(left, top, width, height); }
  void SetBounds(int newLeft, int newTop, int newWidth, int newHeight);
  // The window it was added to, or nullptr.
  Window* Owner() const { return owner_; }

  std::string name;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool visible = true;
  int tag = 0;
  int id = 0;  // native control id; a push button's id is the result code it stands for

 private:
  friend class Window;
  ControlKind kind_;
  Window* owner_ = nullptr;
};

// A windowless picture, painted by its window. Its image is kept when it is hidden, so a hidden
// art strip stays available for copying.
class Picture : public Control {
 public:
  Picture() : Control(ControlKind::kPicture) {}

  // At the owning window's display scale (Window::Dpi).
  const Bitmap& Image() const { return image_; }
  // Sets up the picture; allocates, so not for events. The image is art at the window's scale,
  // drawn for the 96-DPI client rectangle `placed` (an empty one: the picture's own bounds), in
  // one or more frames of that size stacked top to bottom.
  void SetImage(Bitmap image, const Rect& placed = {});

  // Copies srcRect of src's art onto the picture at dest, both in 96-DPI numbers, as they lie at
  // the window's scale, and invalidates the picture's rectangle. The first copy creates the
  // picture's own image at its size at that scale (the first drawing), and so does the first
  // after a change of scale, so a later copy never allocates.
  void CopyRect(Point dest, const Picture& src, const Rect& srcRect);

  // Handlers; set once at set-up. Calling them never allocates.
  std::function<void(Picture& sender, MouseButton button)> OnMouseDown;
  std::function<void(Picture& sender)> OnMouseMove;
  std::function<void(Picture& sender, MouseButton button)> OnMouseUp;
  std::function<void(Picture& sender)> OnClick;

 private:
  // Where the 96-DPI rectangle `r` of the picture's art lies in an image at `dpi`.
  Rect ArtRect(const Rect& r, int dpi) const;

  Bitmap image_;
  Rect placed_;
};

// A standard control that takes the keyboard focus: a push button or a check box.
class ButtonControl : public Control {
 public:
  std::string caption;  // '&' marks the accelerator
  int tabOrder = 0;

 protected:
  using Control::Control;
};

class PushButton : public ButtonControl {
 public:
  PushButton() : ButtonControl(ControlKind::kPushButton) {}

  bool isDefault = false;  // pressed by Enter
  bool isCancel = false;   // pressed by Escape
  std::function<void()> OnClick;
};

class CheckBox : public ButtonControl {
 public:
  CheckBox() : ButtonControl(ControlKind::kCheckBox) {}

  // Sets the state and pushes it to the native control.
  void SetChecked(bool state);

  bool checked = false;
};

class Label : public Control {
 public:
  Label() : Control(ControlKind::kLabel) {}

  std::string text;  // shown literally; CR LF starts a new line
  bool wordWrap = false;
  bool autoSize = false;  // sized to its text by the backend
};

// A lowered box frame drawn around other controls.
class Bevel : public Control {
 public:
  Bevel() : Control(ControlKind::kBevel) {}
};

}  // namespace kinloom
