// The one message pump under the main loop, the modal runs and the message box.
#pragma once

#include <vector>

#include "platform/toolkit/backend.h"
#include "platform/win32/win_api.h"

namespace kinloom {

// Every left press the pump takes, on any of our windows, their frames or their controls, goes
// to `observer` before it is dispatched: presses on native buttons never reach our window
// procedures.
void ObserveLeftPresses(PressObserver observer);

// Waits for and handles one message: Enter and Escape go to our window under them, other keys
// of windows with controls to the dialog manager (Tab, Alt+letter). Returns false on WM_QUIT,
// which it posts again so that every enclosing loop ends too.
bool PumpMessage();

// Application-modal state for one window: every other enabled, visible top-level window of this
// thread is disabled while it lasts; they keep painting.
class ApplicationModality {
 public:
  explicit ApplicationModality(HWND modal);
  ~ApplicationModality();
  ApplicationModality(const ApplicationModality&) = delete;
  ApplicationModality& operator=(const ApplicationModality&) = delete;

  // Re-enables the others; call before hiding the modal window so that activation returns to
  // one of ours, not to another program.
  void Release();
  // Gives activation back to the window that had it before, if it is still shown.
  void Reactivate() const;

 private:
  std::vector<HWND> disabled_;
  HWND previouslyActive_;
};

}  // namespace kinloom
