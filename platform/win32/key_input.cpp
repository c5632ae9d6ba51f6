// Key messages as the portable keys of windows that take keys themselves.
#include "platform/win32/key_input.h"

namespace kinloom {

namespace {

constexpr struct {
  WPARAM virtualKey;
  Key key;
} kKeys[] = {
    {VK_RETURN, Key::kEnter}, {VK_ESCAPE, Key::kEscape}, {VK_SPACE, Key::kSpace},
    {VK_TAB, Key::kTab},      {VK_UP, Key::kUp},         {VK_DOWN, Key::kDown},
    {VK_LEFT, Key::kLeft},    {VK_RIGHT, Key::kRight},   {VK_HOME, Key::kHome},
    {VK_END, Key::kEnd},
};

bool PortableKey(WPARAM virtualKey, Key& key) {
  for (const auto& row : kKeys) {
    if (row.virtualKey != virtualKey) continue;
    key = row.key;
    return true;
  }
  return false;
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
