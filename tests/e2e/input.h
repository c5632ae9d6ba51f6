// Real mouse and keyboard input through SendInput, in screen coordinates.
#pragma once

#include <windows.h>

namespace kinloom::e2e {

enum class Button { kLeft, kRight, kMiddle };

void MovePointer(POINT screen);
void PressButton(Button button);
void ReleaseButton(Button button);
// Moves there, then presses and releases the left button.
void ClickAt(POINT screen);
// Two clicks on one spot at once, as a person double-clicks.
void DoubleClickAt(POINT screen);
void TapKey(WORD virtualKey);

// Drags a window by its title bar by (dx, dy), as a person moves it; false when no move began.
bool DragTitleBar(HWND window, int dx, int dy);

// Where a window's title-bar close box is, from its outer rectangle.
POINT CloseBoxOf(HWND window);
POINT CentreOf(const RECT& rect);

}  // namespace kinloom::e2e
