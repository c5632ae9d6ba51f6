// Where a box, dialog or sub-screen goes on the monitor of the window it is shown over.
#include "platform/toolkit/placement.h"

#include <algorithm>

namespace kinloom {

namespace {

// The shift that brings [low, high) inside [areaLow, areaHigh), the low edge first.
int ShiftInto(int areaLow, int areaHigh, int low, int high) {
  return std::max(areaLow - low, std::min(0, areaHigh - high));
}

}  // namespace

Rect KeptOnWorkArea(const Rect& workArea, const Rect& window) {
  return window.Offset(ShiftInto(workArea.left, workArea.right, window.left, window.right),
                       ShiftInto(workArea.top, workArea.bottom, window.top, window.bottom));
}

Rect CentredOnWorkArea(const Rect& workArea, Size size) {
  const Rect centred =
      Rect::FromSize(workArea.left + (workArea.Width() - size.width) / 2,
                     workArea.top + (workArea.Height() - size.height) / 2, size.width, size.height);
  return KeptOnWorkArea(workArea, centred);
}

}  // namespace kinloom
