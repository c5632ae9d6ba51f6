// Looks at our windows from a second thread, as a person or a screen reader would, and acts.
#include "tests/win32/window_probe.h"

namespace kinloom {

bool WaitUntil(const std::function<bool()>& condition) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    if (condition()) return true;
    Sleep(20);
  }
  return false;
}

HWND WaitForWindow(const std::string& title) {
  HWND found = nullptr;
  WaitUntil([&] {
    found = FindWindowA(nullptr, title.c_str());
    return found && IsWindowVisible(found);
  });
  return found && IsWindowVisible(found) ? found : nullptr;
}

std::string WindowText(HWND hwnd) {
  char text[2048];
  int length = GetWindowTextA(hwnd, text, sizeof text);
  return std::string(text, length);
}

std::wstring WideText(HWND hwnd) {
  wchar_t text[2048];
  int length = GetWindowTextW(hwnd, text, 2048);
  return std::wstring(text, length);
}

SIZE ClientSize(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  return {r.right, r.bottom};
}

std::vector<ChildInfo> Children(HWND parent) {
  std::vector<ChildInfo> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    ChildInfo info;
    char className[64];
    info.className.assign(className, GetClassNameA(child, className, sizeof className));
    info.text = WindowText(child);
    info.id = GetDlgCtrlID(child);
    info.style = GetWindowLongA(child, GWL_STYLE);
    GetWindowRect(child, &info.bounds);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&info.bounds), 2);
    children.push_back(info);
  }
  return children;
}

HWND FocusOf(HWND hwnd) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info);
  return info.hwndFocus;
}

void PostKey(HWND hwnd, WPARAM key) {
  HWND focus = FocusOf(hwnd);
  HWND target = focus && (focus == hwnd || IsChild(hwnd, focus)) ? focus : hwnd;
  PostMessageA(target, WM_KEYDOWN, key, 1);
  PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

void PostChar(HWND hwnd, char letter, bool alt) {
  HWND focus = FocusOf(hwnd);
  HWND target = focus && (focus == hwnd || IsChild(hwnd, focus)) ? focus : hwnd;
  // Bit 29 is the context code: Alt was down.
  PostMessageA(target, alt ? WM_SYSCHAR : WM_CHAR, static_cast<unsigned char>(letter),
               alt ? (1 | (1 << 29)) : 1);
}

}  // namespace kinloom
