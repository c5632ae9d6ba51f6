// The display scale of the monitor a window is on, and the calls that depend on it, on every
// Windows from XP: the calls newer than XP are looked up when the program runs.
#pragma once

#include <optional>

#include "platform/win32/win_api.h"

namespace kinloom {

// Sent to a per-monitor aware window that moves onto a monitor of another scale, with that scale
// and a suggested outer rectangle (Windows 8.1 and later; XP's headers do not name it).
constexpr UINT kDpiChangedMessage = 0x02E0;

// The system's scale: the one every window has from Windows XP to 8, and the one a window
// starts at on later versions.
int SystemDpi();
// The scale of the monitor `window` is on where Windows can tell (GetDpiForWindow, Windows 10
// 1607 and later). Elsewhere nothing: the window keeps the scale it has, the system's or the
// last one WM_DPICHANGED gave it.
std::optional<int> MonitorDpi(HWND window);

// The outer rectangle of a window with this client size and these styles, its top-left corner
// at `corner`, with frame and title bar as large as they are at `dpi`.
RECT OuterRect(POINT corner, SIZE client, DWORD style, DWORD exStyle, int dpi);

// The system's message font at `dpi` (SystemParametersInfoForDpi where it exists; elsewhere the
// system's font, which is made for the system's scale, scaled from there).
HFONT CreateMessageFont(int dpi);

}  // namespace kinloom
