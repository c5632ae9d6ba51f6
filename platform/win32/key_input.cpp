// Key messages as the portable keys of windows that take keys themselves.
#include "platform/win32/key_input.h"

namespace kinloom {

namespace {

bool PortableKey(WPARAM virtualKey, Key& key) {
  switch (virtualKey) {
    case VK_RETURN:
      key = Key::kEnter;
      return true;
    case VK_ESCAPE:
      key = Key::kEscape;
      return true;
    case VK_SPACE:
      key = Key::kSpace;
      return true;
    case VK_TAB:
      key = Key::kTab;
      return true;
    case VK_UP:
      key = Key::kUp;
      return true;
    case VK_DOWN:
      key = Key::kDown;
      return true;
    case VK_LEFT:
      key = Key::kLeft;
      return true;
    case VK_RIGHT:
      key = Key::kRight;
      return true;
    case VK_HOME:
      key = Key::kHome;
      return true;
    case VK_END:
      key = Key::kEnd;
      return true;
    default:
      return false;
  }
}

bool Held(int virtualKey) {
  return GetKeyState(virtualKey) < 0;
}

}  // namespace

bool ForwardKey(Window& window, UINT message, WPARAM virtualKey, LPARAM flags) {
  Key key;
  if (!window.OnKeyDown || !PortableKey(virtualKey, key)) return false;
  if (message == WM_KEYUP) {
    window.KeyUp(key);
    return true;
  }
  if (Held(VK_CONTROL)) return false;
  // Bit 30: the key was already down, so this is the keyboard's auto-repeat.
  const bool repeat = (flags & (1L << 30)) != 0;
  window.KeyDown(key, Held(VK_SHIFT), repeat);
  return true;
}

}  // namespace kinloom
