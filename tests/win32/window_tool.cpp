// A helper for the scripts that drive the program under Wine: waits for, repaints and closes
// top-level windows by exact title.
//   kinloom_window_tool wait TITLE    exit 0 once a visible window has the title (up to 10 s),
//                                     after it has painted
//   kinloom_window_tool gone TITLE    exit 0 once no visible window has the title (up to 10 s)
//   kinloom_window_tool close TITLE   asks the window to close, as its close box does
#include <cstring>
#include <string>

#include "tests/support/window_probe.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::string command = argv[1];
  const char* title = argv[2];
  if (command == "wait") {
    HWND window = kinloom::WaitForWindow(title);
    if (!window) return 1;
    // Painted before the caller looks: the update is sent to the window's thread and awaited.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return 0;
  }
  if (command == "gone") {
    return kinloom::WaitFor([&] { return !kinloom::FindShownWindow(title); }) ? 0 : 1;
  }
  if (command == "close") {
    HWND window = kinloom::FindShownWindow(title);
    return window && PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0) ? 0 : 1;
  }
  return 2;
}
