// Looks at our windows from a second thread, as a person or a screen reader would, and acts.
#pragma once

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32/win_api.h"

namespace kinloom {

struct ChildInfo {
  std::string className;
  std::string text;
  int id = 0;
  LONG style = 0;
  RECT bounds{};  // in the parent's client coordinates
};

// Polls `condition` until it holds, for up to ten seconds; whether it came to hold.
bool WaitUntil(const std::function<bool()>& condition);

// The visible top-level window with this exact title, waiting for it up to ten seconds;
// nullptr when it never appears.
HWND WaitForWindow(const std::string& title);

// The window's direct children in creation (tab) order.
std::vector<ChildInfo> Children(HWND parent);

std::string WindowText(HWND hwnd);
// The window's text as the wide functions read it.
std::wstring WideText(HWND hwnd);
SIZE ClientSize(HWND hwnd);

// The window with the keyboard focus in `hwnd`'s thread.
HWND FocusOf(HWND hwnd);

// Posts a key press (down and up) to the focused window inside `hwnd`, as the keyboard would.
void PostKey(HWND hwnd, WPARAM key);
// Posts a typed letter, with Alt or alone, to the focused window inside `hwnd`.
void PostChar(HWND hwnd, char letter, bool alt);

// Runs `act` on a thread of its own while the calling thread runs a modal loop; joined at the
// end of the scope.
class Aside {
 public:
  explicit Aside(std::function<void()> act) : thread_(std::move(act)) {}
  ~Aside() { thread_.join(); }
  Aside(const Aside&) = delete;
  Aside& operator=(const Aside&) = delete;

 private:
  std::thread thread_;
};

}  // namespace kinloom
