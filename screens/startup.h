// The program's entry point behind WinMain: the application, its six windows and the loop.
#pragma once

#include "platform/system_port.h"
#include "platform/toolkit/application.h"
#include "platform/toolkit/backend.h"

namespace kinloom {

inline constexpr char kApplicationTitle[] = "Kinloom 7.0 Solstice Edition";

// Runs the start menu on `backend` and `system` until the main menu closes; returns the
// process's exit code. The windows live exactly as long as this call.
int RunKinloom(Backend& backend, SystemPort& system);

// Creates the six windows into their program-wide references, the main menu first so that it
// becomes the main window and loads the settings before any other window exists.
void CreateForms(Application& application);
// Clears the program-wide references once the application that owned the windows is gone.
void ForgetForms();

}  // namespace kinloom
