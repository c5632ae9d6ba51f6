// Real mouse and keyboard input through SendInput, in screen coordinates, sent only when it can
// land: each move has settled, the window to click is ready, and separate clicks stay separate.
#pragma once

#include <windows.h>

namespace kinloom::e2e {

enum class Button { kLeft, kRight, kMiddle };

// Returns once `root` has read everything queued for it so far, input and posted messages.
void SettleInput(HWND root);

// Moves the pointer there and waits until the move has settled (see input.cpp).
void MovePointer(POINT screen);
// A press at the pointer; a press of the same button at the same spot as the one before waits
// out the double-click time first, so that it stays a press of its own.
void PressButton(Button button);
void ReleaseButton(Button button);

// Waits until the top-level window of `window` can take input as a person gives it: shown,
// enabled, in the foreground (brought there, as a click would) and painted. False when it does
// not get there in time.
bool WaitUntilReadyForInput(HWND window);

// Puts `window` in the foreground for the keys that follow; false when it does not get there.
// Leans on Wine, which grants SetForegroundWindow to every process: Windows grants it only to the
// process in the foreground, which a test driving another program is not.
bool BringToForeground(HWND window);

// Moves there, waits until the window there is ready for input, presses and releases the left
// button.
void ClickAt(POINT screen);
// Two presses and releases within the double-click time.
void DoubleClickAt(POINT screen);
void TapKey(WORD virtualKey);
// A key held down, and let go; each further KeyDown while it is held is an auto-repeat.
void KeyDown(WORD virtualKey);
void KeyUp(WORD virtualKey);

// Drags a window by its title bar by (dx, dy), as a person moves it; false when no move began.
bool DragTitleBar(HWND window, int dx, int dy);

// Where a window's title-bar close box is, from its outer rectangle.
POINT CloseBoxOf(HWND window);
POINT CentreOf(const RECT& rect);

}  // namespace kinloom::e2e
