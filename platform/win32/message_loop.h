// The one message pump under the main loop, and the one modal run under every modal window.
#pragma once

#include <functional>

#include "platform/toolkit/backend.h"
#include "platform/win32/win_api.h"

namespace kinloom {

// Every left press the pump takes, on any of our windows, their frames or their controls, goes
// to `observer` before it is dispatched: presses on native buttons never reach our window
// procedures.
void ObserveLeftPresses(PressObserver observer);

// Waits for and handles one message: Enter, Escape and Ctrl+C go to our window under them, other
// keys of windows with controls to the dialog manager (Tab, arrow keys, Alt+letter). Returns false
// on WM_QUIT, which it posts again so that every enclosing loop ends too.
bool PumpMessage();

// One modal window and how to show, hide and finish it.
struct ModalRun {
  HWND window = nullptr;
  // The window it blocks, which owns it for the run so that it stays above it; may be nullptr.
  HWND owner = nullptr;
  std::function<void()> show;
  std::function<void()> hide;
  std::function<bool()> ended;
};

// Disables every other shown window of this thread, shows the window, pumps messages until it
// has ended (or WM_QUIT), re-enables the others and only then hides it, so that activation
// returns to the window beneath rather than to another program.
void RunModal(const ModalRun& run);

}  // namespace kinloom
