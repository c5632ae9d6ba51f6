// Looking at windows from outside, as a person or a screen reader would: titles, children,
// focus, message-box contents; and posting keys to them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/wait_for.h"

namespace kinloom {

// The window's text in UTF-8, as the program under test holds its texts.
std::string WindowText(HWND window);
// The window's text as the wide functions read it.
std::wstring WideText(HWND window);
std::string ClassOf(HWND window);
SIZE ClientSize(HWND window);

// The visible top-level windows, topmost first; with a process id, only that process's.
std::vector<HWND> ShownWindows(DWORD processId = 0);

// The shown windows that the taskbar gives a button, by its rules: no tool window, and unowned
// or marked as an application window; with a process id, only that process's.
std::vector<HWND> TaskbarButtons(DWORD processId = 0);

// The visible top-level window whose title is exactly `title` (case and all), or null; with a
// class name, only a window of that class. FindWindowA alone would also match hidden windows
// and other letter cases.
HWND FindShownWindow(const std::string& title, DWORD processId = 0,
                     const std::string& className = "");

// FindShownWindow once it finds one; null when none appears in time.
HWND WaitForWindow(const std::string& title, DWORD processId = 0,
                   DWORD timeoutMs = kDefaultTimeoutMs);

struct ChildInfo {
  HWND handle = nullptr;
  std::string className;
  std::string text;
  int id = 0;
  LONG style = 0;
  RECT bounds{};  // in the parent's client coordinates
};

// The window's direct children in creation (tab) order.
std::vector<ChildInfo> Children(HWND parent);

// The class of the system's own message boxes (MessageBoxA).
constexpr char kSystemBoxClass[] = "#32770";

struct BoxButton {
  std::string caption;
  int id = 0;
  RECT rect = {};  // screen coordinates
};

// What a message box shows: caption, the text of its text control, and its buttons left to right.
struct BoxView {
  HWND window = nullptr;
  std::string caption;
  std::string text;
  RECT textRect = {};  // screen coordinates
  std::vector<BoxButton> buttons;
  bool hasIcon = false;
};

BoxView ReadBox(HWND box);
const BoxButton* ButtonWithId(const BoxView& box, int id);

// Visible text with control characters and bytes above 0x7E escaped, for failure messages.
std::string Printable(const std::string& text);

// The window with the keyboard focus in `window`'s thread.
HWND FocusOf(HWND window);

// Posts a key press (down and up) to the focused window inside `window`, as the keyboard would.
void PostKey(HWND window, WPARAM key);
// Posts a typed letter, with Alt or alone, to the focused window inside `window`.
void PostChar(HWND window, char letter, bool alt);

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
