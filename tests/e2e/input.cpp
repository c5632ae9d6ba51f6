// SendInput wrappers: absolute pointer moves, buttons and keys, each sent once and settled.
#include "tests/e2e/input.h"

#include <cstdio>
#include <cstdlib>

#include "tests/e2e/world.h"
#include "tests/support/window_probe.h"

namespace kinloom::e2e {
namespace {

// Absolute coordinates run 0..65535 across the screen; rounding up lands on the pixel meant
// (rounding down puts Wine one pixel off).
LONG Normalised(LONG pixel, int extent) {
  return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent);
}

// Where the pointer was last sent. Buttons carry this position with them, so a press lands
// where the pointer was sent whatever moved it since.
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

// The last press: the system makes a press of the same button near it within the double-click
// time the second half of a double click.
struct Press {
  Button button = Button::kLeft;
  POINT at = {-1000, -1000};
  DWORD time = 0;
};
Press lastPress;

bool WithinDoubleClickReach(POINT a, POINT b) {
  return std::abs(a.x - b.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
         std::abs(a.y - b.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
}

void SendPress(Button button) {
  SendMouse(DownFlag(button));
  lastPress = Press{button, pointerTarget, GetTickCount()};
}

// Painted: no part of the window or of its controls waits for a repaint.
bool Painted(HWND window) {
  if (GetUpdateRect(window, nullptr, FALSE)) return false;
  for (const ChildInfo& child : Children(window)) {
    if (GetUpdateRect(child.handle, nullptr, FALSE)) return false;
  }
  return true;
}

// With the X pointer held for the tests (pointer_holder.py), Wine no longer moves it; the holder
// puts it where this file says, since Wine reports the X pointer's place to a program that asks
// where the pointer is long after a move.
void TellPointerHolder(POINT screen) {
  static const char* const placeFile = std::getenv("KINLOOM_POINTER_FILE");
  if (!placeFile) return;
  if (std::FILE* place = std::fopen(WindowsPathOf(placeFile).c_str(), "w")) {
    std::fprintf(place, "%ld %ld\n", static_cast<long>(screen.x), static_cast<long>(screen.y));
    std::fclose(place);
  }
}

HWND RootAt(POINT screen) {
  return GetAncestor(WindowFromPoint(screen), GA_ROOT);
}

}  // namespace

// Paint requests wait until a window's queue holds nothing else, so a repaint of one pixel shows
// that point.
void SettleInput(HWND root) {
  if (!root || root == GetDesktopWindow()) return;
  const RECT pixel{0, 0, 1, 1};
  InvalidateRect(root, &pixel, FALSE);
  // A repaint takes a millisecond or two; every move waits for one or two.
  constexpr DWORD kSettlePollMs = 1;
  WaitFor([&] { return !GetUpdateRect(root, nullptr, FALSE) || !IsWindowVisible(root); },
          kDefaultTimeoutMs, kSettlePollMs);
}

void MovePointer(POINT screen) {
  const POINT from = pointerTarget;
  pointerTarget = screen;
  SendMouse(0);
  TellPointerHolder(screen);
  // Wine merges a move into one still waiting in the queue, so that a window could miss a move
  // sent right after another. Each move is read before the next one is sent.
  const HWND left = RootAt(from);
  const HWND entered = RootAt(screen);
  SettleInput(left);
  if (entered != left) SettleInput(entered);
}

void PressButton(Button button) {
  if (lastPress.button == button && WithinDoubleClickReach(lastPress.at, pointerTarget)) {
    const DWORD doubleClickTime = GetDoubleClickTime();
    WaitFor([&] { return GetTickCount() - lastPress.time > doubleClickTime; },
            doubleClickTime + 100);
  }
  SendPress(button);
}

void ReleaseButton(Button button) {
  SendMouse(UpFlag(button));
}

bool BringToForeground(HWND window) {
  SetForegroundWindow(window);
  return WaitFor([&] { return GetForegroundWindow() == window; });
}

bool WaitUntilReadyForInput(HWND window) {
  HWND root = GetAncestor(window, GA_ROOT);
  bool broughtForward = false;
  return WaitFor([&] {
    if (!IsWindowVisible(root) || !IsWindowEnabled(root)) return false;
    if (GetForegroundWindow() != root) {
      // A person's click would bring it forward; ask once (as BringToForeground, which Wine
      // always grants), then wait for it to happen.
      if (!broughtForward) broughtForward = SetForegroundWindow(root);
      return false;
    }
    return Painted(root);
  });
}

void ClickAt(POINT screen) {
  HWND there = WindowFromPoint(screen);
  if (there && there != GetDesktopWindow()) WaitUntilReadyForInput(there);
  MovePointer(screen);
  PressButton(Button::kLeft);
  ReleaseButton(Button::kLeft);
}

void DoubleClickAt(POINT screen) {
  HWND there = WindowFromPoint(screen);
  if (there && there != GetDesktopWindow()) WaitUntilReadyForInput(there);
  MovePointer(screen);
  PressButton(Button::kLeft);
  ReleaseButton(Button::kLeft);
  SendPress(Button::kLeft);
  ReleaseButton(Button::kLeft);
}

void TapKey(WORD virtualKey) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof inputs[0]);
}

void KeyDown(WORD virtualKey) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  SendInput(1, &input, sizeof input);
}

void KeyUp(WORD virtualKey) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
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
  WaitUntilReadyForInput(window);
  MovePointer(grip);
  PressButton(Button::kLeft);
  // Moves sent before the move loop takes its starting point would be lost.
  if (!WaitFor(moving)) {
    ReleaseButton(Button::kLeft);
    return false;
  }
  constexpr int kSteps = 4;
  for (int step = 1; step <= kSteps; ++step) {
    MovePointer(POINT{grip.x + dx * step / kSteps, grip.y + dy * step / kSteps});
    WaitFor([&] {
      RECT now;
      GetWindowRect(window, &now);
      return now.left == outer.left + dx * step / kSteps &&
             now.top == outer.top + dy * step / kSteps;
    });
  }
  ReleaseButton(Button::kLeft);
  return WaitFor([&] { return !moving(); });
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
