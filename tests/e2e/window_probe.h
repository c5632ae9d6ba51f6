// Looking at other processes' windows: titles, visibility, message-box contents.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kinloom::e2e {

std::string WindowText(HWND window);
std::string ClassOf(HWND window);

// The visible top-level windows, topmost first; with a process id, only that process's.
std::vector<HWND> ShownWindows(DWORD processId = 0);

// The visible top-level window whose title is exactly `title` (case and all), or null; with a
// class name, only a window of that class. FindWindowA alone would also match hidden windows
// and other letter cases.
HWND FindShownWindow(const std::string& title, DWORD processId = 0,
                     const std::string& className = "");

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

}  // namespace kinloom::e2e
