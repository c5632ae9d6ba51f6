// Window enumeration, message-box reading and posted keys through the plain user32 calls.
#include "tests/support/window_probe.h"

#include <algorithm>
#include <cstdio>

#include "platform/win32/wide_text.h"

namespace kinloom {

std::string WindowText(HWND window) {
  return ToUtf8(WideText(window));
}

std::wstring WideText(HWND window) {
  wchar_t text[4096] = {};
  const int length = GetWindowTextW(window, text, 4096);
  return std::wstring(text, length);
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length);
}

SIZE ClientSize(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}

namespace {

struct WindowSearch {
  DWORD processId;
  std::vector<HWND> found;
};

// Enumeration callbacks are stdcall on 32-bit Windows, which lambdas cannot be.
BOOL CALLBACK CollectShown(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (IsWindowVisible(window) && (search->processId == 0 || owner == search->processId)) {
    search->found.push_back(window);
  }
  return TRUE;
}

// The focused window inside `window`, or `window` itself.
HWND KeyTarget(HWND window) {
  HWND focus = FocusOf(window);
  return focus && (focus == window || IsChild(window, focus)) ? focus : window;
}

}  // namespace

std::vector<HWND> ShownWindows(DWORD processId) {
  WindowSearch search{processId, {}};
  EnumWindows(CollectShown, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> TaskbarButtons(DWORD processId) {
  std::vector<HWND> buttons;
  for (HWND window : ShownWindows(processId)) {
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    if (!(exStyle & WS_EX_TOOLWINDOW) &&
        ((exStyle & WS_EX_APPWINDOW) || !GetWindow(window, GW_OWNER))) {
      buttons.push_back(window);
    }
  }
  return buttons;
}

HWND FindShownWindow(const std::string& title, DWORD processId, const std::string& className) {
  for (HWND window : ShownWindows(processId)) {
    if (WindowText(window) == title && (className.empty() || ClassOf(window) == className)) {
      return window;
    }
  }
  return nullptr;
}

HWND WaitForWindow(const std::string& title, DWORD processId, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindShownWindow(title, processId)) != nullptr; }, timeoutMs);
  return found;
}

std::vector<ChildInfo> Children(HWND parent) {
  std::vector<ChildInfo> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    ChildInfo info;
    info.handle = child;
    info.className = ClassOf(child);
    info.text = WindowText(child);
    info.id = GetDlgCtrlID(child);
    info.style = GetWindowLongA(child, GWL_STYLE);
    GetWindowRect(child, &info.bounds);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&info.bounds), 2);
    children.push_back(info);
  }
  return children;
}

BoxView ReadBox(HWND box) {
  BoxView view;
  view.window = box;
  view.caption = WindowText(box);
  for (const ChildInfo& child : Children(box)) {
    if (_stricmp(child.className.c_str(), "Button") == 0) {
      BoxButton button{child.text, child.id, {}};
      GetWindowRect(child.handle, &button.rect);
      view.buttons.push_back(button);
    } else if (_stricmp(child.className.c_str(), "Static") == 0) {
      if ((child.style & SS_TYPEMASK) == SS_ICON) {
        view.hasIcon = true;
      } else if (!child.text.empty()) {
        view.text = child.text;
        GetWindowRect(child.handle, &view.textRect);
      }
    }
  }
  std::sort(view.buttons.begin(), view.buttons.end(),
            [](const BoxButton& a, const BoxButton& b) { return a.rect.left < b.rect.left; });
  return view;
}

const BoxButton* ButtonWithId(const BoxView& box, int id) {
  for (const BoxButton& button : box.buttons) {
    if (button.id == id) return &button;
  }
  return nullptr;
}

std::string Printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
    }
  }
  return out;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

void PostKey(HWND window, WPARAM key) {
  HWND target = KeyTarget(window);
  PostMessageA(target, WM_KEYDOWN, key, 1);
  PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

void PostChar(HWND window, char letter, bool alt) {
  // Bit 29 is the context code: Alt was down.
  PostMessageA(KeyTarget(window), alt ? WM_SYSCHAR : WM_CHAR, static_cast<unsigned char>(letter),
               alt ? (1 | (1 << 29)) : 1);
}

}  // namespace kinloom
