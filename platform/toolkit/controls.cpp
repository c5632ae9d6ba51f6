// Control changes that must reach the owning window: picture copies and check box states.
#include "platform/toolkit/controls.h"

#include <utility>

#include "platform/toolkit/display_scale.h"
#include "platform/toolkit/window.h"

namespace kinloom {

void Control::SetBounds(int newLeft, int newTop, int newWidth, int newHeight) {
  left = newLeft;
  top = newTop;
  width = newWidth;
  height = newHeight;
}

void Picture::SetImage(Bitmap image, const Rect& placed) {
  image_ = std::move(image);
  placed_ = placed;
  if (Owner()) Owner()->Invalidate(*this);
}

void Picture::CopyRect(Point dest, const Picture& src, const Rect& srcRect) {
  const int dpi = Owner() ? Owner()->Dpi() : kBaseDpi;
  const Size size = ScaleToDpi(Bounds(), dpi).GetSize();
  if (image_.GetSize() != size) image_ = Bitmap(size.width, size.height);
  const Rect to = ArtRect(Rect::FromSize(dest.x, dest.y, srcRect.Width(), srcRect.Height()), dpi);
  image_.CopyRect(to.left, to.top, src.image_, src.ArtRect(srcRect, dpi));
  if (Owner()) Owner()->Invalidate(*this);
}

Rect Picture::ArtRect(const Rect& r, int dpi) const {
  const Rect placed = placed_.IsEmpty() ? Bounds() : placed_;
  const auto x = [&](int n) { return ScaleArtEdge(n, placed.left, placed.Width(), dpi); };
  const auto y = [&](int n) { return ScaleArtEdge(n, placed.top, placed.Height(), dpi); };
  return {x(r.left), y(r.top), x(r.right), y(r.bottom)};
}

void CheckBox::SetChecked(bool state) {
  checked = state;
  if (Owner()) Owner()->ControlChanged(*this);
}

}  // namespace kinloom
