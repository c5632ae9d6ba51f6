// SendInput wrappers: absolute pointer moves, buttons and keys.
#include "tests/e2e/input.h"

#include "tests/e2e/wait_for.h"

namespace kinloom::e2e {
namespace {

// Absolute coordinates run 0..65535 across the screen; rounding up lands on the pixel meant
// (rounding down puts Wine one pixel off).
LONG Normalised(LONG pixel, int extent) {
  return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent);
}

// Where the pointer was last sent. Buttons carry this position with them: under Wine a late
// X motion event can move the pointer back between a move and a press sent on its own.
POINT pointerTarget = {0, 0};

void SendMouse(DWORD flags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalised(pointerTarget.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = Normalised(pointerTarget.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
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
  pointerTarget = screen;
  SendMouse(0);
  WaitFor(
      [&] {
        POINT now;
        return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
      },
      1000);
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

void DoubleClickAt(POINT screen) {
  ClickAt(screen);
  ClickAt(screen);
}

void TapKey(WORD virtualKey) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof inputs[0]);
}

bool DragTitleBar(HWND window, int dx, int dy) {
  RECT outer;
  GetWindowRect(window, &outer);
  const POINT grip{outer.left + 60, outer.top + 10};
  GUITHREADINFO thread = {};
  thread.cbSize = sizeof thread;
  const DWORD threadId = GetWindowThreadProcessId(window, nullptr);
  auto moving = [&] {
    return GetGUIThreadInfo(threadId, &thread) && (thread.flags & GUI_INMOVESIZE) != 0;
  };
  // Under Wine a press on the title bar now and then starts no move loop at all; moves sent
  // then would be lost, as would moves sent before the loop takes its starting point.
  constexpr int kAttempts = 5;
  bool started = false;
  for (int attempt = 0; attempt < kAttempts && !started; ++attempt) {
    MovePointer(grip);
    PressButton(Button::kLeft);
    started = WaitFor(moving, 600);
    if (!started) ReleaseButton(Button::kLeft);
  }
  if (!started) return false;
  constexpr int kSteps = 4;
  for (int step = 1; step <= kSteps; ++step) {
    MovePointer(POINT{grip.x + dx * step / kSteps, grip.y + dy * step / kSteps});
    WaitFor(
        [&] {
          RECT now;
          GetWindowRect(window, &now);
          return now.left == outer.left + dx * step / kSteps &&
                 now.top == outer.top + dy * step / kSteps;
        },
        1000);
  }
  ReleaseButton(Button::kLeft);
  return WaitFor([&] { return !moving(); }, 2000);
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
