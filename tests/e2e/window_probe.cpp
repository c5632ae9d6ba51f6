// Window enumeration and message-box reading through the plain user32 calls screen readers use.
#include "tests/e2e/window_probe.h"

#include <algorithm>
#include <cstdio>

namespace kinloom::e2e {

std::string WindowText(HWND window) {
  char text[4096] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
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

BOOL CALLBACK CollectChild(HWND child, LPARAM data) {
  reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
  return TRUE;
}

}  // namespace

std::vector<HWND> ShownWindows(DWORD processId) {
  WindowSearch search{processId, {}};
  EnumWindows(CollectShown, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindShownWindow(const std::string& title, DWORD processId, const std::string& className) {
  for (HWND window : ShownWindows(processId)) {
    if (WindowText(window) == title && (className.empty() || ClassOf(window) == className)) {
      return window;
    }
  }
  return nullptr;
}

BoxView ReadBox(HWND box) {
  BoxView view;
  view.window = box;
  view.caption = WindowText(box);
  std::vector<HWND> children;
  EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) {
    const std::string kind = ClassOf(child);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (_stricmp(kind.c_str(), "Button") == 0) {
      BoxButton button{WindowText(child), GetDlgCtrlID(child), {}};
      GetWindowRect(child, &button.rect);
      view.buttons.push_back(button);
    } else if (_stricmp(kind.c_str(), "Static") == 0) {
      if ((style & SS_TYPEMASK) == SS_ICON) {
        view.hasIcon = true;
      } else if (!WindowText(child).empty()) {
        view.text = WindowText(child);
        GetWindowRect(child, &view.textRect);
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

}  // namespace kinloom::e2e
