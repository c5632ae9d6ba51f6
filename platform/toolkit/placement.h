// Where a box, dialog or sub-screen goes on the monitor of the window it is shown over.
#pragma once

#include "platform/toolkit/geometry.h"

namespace kinloom {

// `window` moved as little as need be to lie fully on `workArea`. A window larger than the area
// lies at its top-left corner, so that its title bar stays within reach.
Rect KeptOnWorkArea(const Rect& workArea, const Rect& window);

// A window of `size` in the middle of `workArea`, kept on it as KeptOnWorkArea does.
Rect CentredOnWorkArea(const Rect& workArea, Size size);

}  // namespace kinloom
