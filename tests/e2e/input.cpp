// SendInput wrappers: absolute pointer moves, buttons and keys.
#include "tests/e2e/input.h"

namespace kinloom::e2e {
namespace {

// Absolute coordinates run 0..65535 across the screen; rounding up lands on the pixel meant
// (rounding down puts Wine one pixel off).
LONG Normalised(LONG pixel, int extent) {
  return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent);
}

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = dx;
  input.mi.dy = dy;
  input.mi.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

DWORD DownFlag(Button button) {
  switch (button) {
    case Button::kRight:
      return MOUSEEVENTF_RIGHTDOWN;
    case Button::kMiddle:
      return MOUSEEVENTF_MIDDLEDOWN;
    default:
      return MOUSEEVENTF_LEFTDOWN;
  }
}

DWORD UpFlag(Button button) {
  switch (button) {
    case Button::kRight:
      return MOUSEEVENTF_RIGHTUP;
    case Button::kMiddle:
      return MOUSEEVENTF_MIDDLEUP;
    default:
      return MOUSEEVENTF_LEFTUP;
  }
}

}  // namespace

void MovePointer(POINT screen) {
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
            Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN)),
            Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN)));
}

void PressButton(Button button) {
  SendMouse(DownFlag(button));
}
void ReleaseButton(Button button) {
  SendMouse(UpFlag(button));
}

void ClickAt(POINT screen) {
  MovePointer(screen);
  PressButton(Button::kLeft);
  ReleaseButton(Button::kLeft);
}

void TapKey(WORD virtualKey) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof inputs[0]);
}

POINT CloseBoxOf(HWND window) {
  RECT outer;
  GetWindowRect(window, &outer);
  return POINT{outer.right - 14, outer.top + 12};
}

POINT CentreOf(const RECT& rect) {
  return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace kinloom::e2e
