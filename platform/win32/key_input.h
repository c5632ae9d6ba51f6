// Key messages as the portable keys of windows that take keys themselves.
#pragma once

#include "platform/toolkit/window.h"
#include "platform/win32/win_api.h"

namespace kinloom {

// Hands a WM_KEYDOWN or WM_KEYUP to `window` when it takes keys itself and the key is one of
// the portable ones, typed without Ctrl; returns whether it did.
bool ForwardKey(Window& window, UINT message, WPARAM virtualKey, LPARAM flags);

}  // namespace kinloom
