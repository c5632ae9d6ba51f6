// Standard child controls: the one way every window of ours makes them, and the native
// children of a toolkit window's push buttons, check boxes and labels.
#pragma once

#include <string>

#include "platform/toolkit/controls.h"
#include "platform/toolkit/window.h"
#include "platform/win32/win_api.h"

namespace kinloom {

// One standard control to make.
struct ChildControl {
  const wchar_t* className = nullptr;
  std::string text;  // UTF-8
  DWORD style = 0;   // besides WS_CHILD
  RECT bounds{};     // in the parent's client coordinates
  int id = 0;
  std::string name;  // for the error report
};

// Makes `child` inside `parent` with `font`; throws kinloom::Error naming it on failure.
HWND CreateChildControl(HWND parent, const ChildControl& child, HFONT font);

// The window's font: its face at its point size at `dpi`, whatever the screen's font size.
HFONT CreateWindowFont(const Window& window, int dpi);

// Creates the children of `parent` for the window's native controls at their places at `dpi`,
// the tab stops first in their tab order (the dialog manager tabs in creation order), and each
// run of push buttons one group for the arrow keys. Throws kinloom::Error on failure.
void CreateNativeControls(const Window& window, HWND parent, HFONT font, int dpi);

// Pushes a model change of `control` (state, caption, text, visibility, bounds) to its child.
void UpdateNativeControl(HWND parent, const Control& control, int dpi);

// Gives every native child of the window `font` and its place at `dpi`.
void RescaleNativeControls(const Window& window, HWND parent, HFONT font, int dpi);

}  // namespace kinloom
