// Showing every screen of the menu once with real input, as a user touring the menu would.
#pragma once

#include <string>

#include "tests/e2e/process_counters.h"

namespace kinloom::bench {

// Starts the menu, opens each sub-screen from the main menu and goes back, then reads the
// process's counters and closes it. Throws std::runtime_error when a screen does not appear.
e2e::ProcessCounters CountersAfterEveryScreen(const std::string& menuExe, const std::string& art,
                                              const std::string& folder);

}  // namespace kinloom::bench
