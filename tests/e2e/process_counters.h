// What another process holds, read from outside: GDI and user objects, handles, memory, windows.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace kinloom::e2e {

struct ProcessCounters {
  DWORD gdiObjects = 0;   // GetGuiResources(GR_GDIOBJECTS)
  DWORD userObjects = 0;  // GetGuiResources(GR_USEROBJECTS)
  DWORD handles = 0;      // GetProcessHandleCount
  DWORD windows = 0;      // its top-level and child windows, counted by enumeration
  std::size_t workingSet = 0;
  std::size_t peakWorkingSet = 0;
  std::size_t pagefileUsage = 0;  // private committed bytes
  bool read = false;              // false when the process could not be opened
};

ProcessCounters ReadCounters(DWORD processId);

// One line with every figure, for reports and failure messages.
std::string Describe(const ProcessCounters& counters);

}  // namespace kinloom::e2e
