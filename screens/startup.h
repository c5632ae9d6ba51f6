// The program's entry point behind WinMain: the application, its six windows and the loop.
#pragma once

#include "platform/system_port.h"
#include "platform/toolkit/backend.h"

namespace kinloom {

inline constexpr char kApplicationTitle[] = "Kinloom 7.0 Solstice Edition";

// Runs the start menu on `backend` and `system` until the main menu closes; returns the
// process's exit code. The windows live exactly as long as this call.
int RunKinloom(Backend& backend, SystemPort& system);

}  // namespace kinloom
