// Control changes that must reach the owning window: picture copies and check box states.
#include "platform/toolkit/controls.h"

#include <utility>

#include "platform/toolkit/window.h"

namespace kinloom {

void Control::SetBounds(int newLeft, int newTop, int newWidth, int newHeight) {
  left = newLeft;
  top = newTop;
  width = newWidth;
  height = newHeight;
}

void Picture::SetImage(Bitmap image) {
  image_ = std::move(image);
  if (Owner()) Owner()->Invalidate(*this);
}

void Picture::CopyRect(Point dest, const Bitmap& src, const Rect& srcRect) {
  if (image_.IsEmpty()) image_ = Bitmap(width, height);
  image_.CopyRect(dest.x, dest.y, src, srcRect);
  if (Owner()) Owner()->Invalidate(*this);
}

void CheckBox::SetChecked(bool state) {
  checked = state;
  if (Owner()) Owner()->ControlChanged(*this);
}

}  // namespace kinloom
