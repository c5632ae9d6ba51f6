// Native child windows for a toolkit window's push buttons, check boxes, labels and bevels.
#pragma once

#include "platform/toolkit/controls.h"
#include "platform/toolkit/window.h"
#include "platform/win32/win_api.h"

namespace kinloom {

// The window's font: its face at its point size, not rescaled for other screen font sizes.
HFONT CreateWindowFont(const Window& window);

// Creates the children of `parent` for the window's native controls, the tab stops first in
// their tab order (the dialog manager tabs in creation order). Throws kinloom::Error on failure.
void CreateNativeControls(const Window& window, HWND parent, HFONT font);

// Pushes a model change of `control` (state, caption, text, visibility, bounds) to its child.
void UpdateNativeControl(HWND parent, const Control& control);

// The push button child with the keyboard focus inside `parent`, or nullptr.
HWND FocusedPushButton(HWND parent);

// True for a bevel's child, which draws only its frame and leaves its inside to the window.
bool IsFrameOnly(HWND child);

// The first child that takes the focus by Tab, or nullptr.
HWND FirstTabStop(HWND parent);

}  // namespace kinloom
