// Reading another process's object, handle and memory figures through the documented calls.
#include "tests/e2e/process_counters.h"

#include <psapi.h>

#include <cstdio>

namespace kinloom::e2e {
namespace {

struct WindowCount {
  DWORD processId;
  DWORD count;
};

BOOL CALLBACK CountChild(HWND, LPARAM tally) {
  ++reinterpret_cast<WindowCount*>(tally)->count;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM tally) {
  auto* counted = reinterpret_cast<WindowCount*>(tally);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != counted->processId) return TRUE;
  ++counted->count;
  EnumChildWindows(window, CountChild, tally);
  return TRUE;
}

DWORD WindowsOf(DWORD processId) {
  WindowCount counted{processId, 0};
  EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&counted));
  return counted.count;
}

}  // namespace

ProcessCounters ReadCounters(DWORD processId) {
  ProcessCounters counters;
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  if (!process) return counters;
  counters.read = true;
  counters.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
  counters.userObjects = GetGuiResources(process, GR_USEROBJECTS);
  GetProcessHandleCount(process, &counters.handles);
  PROCESS_MEMORY_COUNTERS memory = {};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, &memory, sizeof memory)) {
    counters.workingSet = memory.WorkingSetSize;
    counters.peakWorkingSet = memory.PeakWorkingSetSize;
    counters.pagefileUsage = memory.PagefileUsage;
  }
  CloseHandle(process);
  counters.windows = WindowsOf(processId);
  return counters;
}

std::string Describe(const ProcessCounters& counters) {
  if (!counters.read) return "process could not be opened";
  char line[256];
  std::snprintf(line, sizeof line,
                "GDI objects %lu, user objects %lu, handles %lu, windows %lu, working set %.1f MB "
                "(peak %.1f MB), pagefile usage %.1f MB",
                static_cast<unsigned long>(counters.gdiObjects),
                static_cast<unsigned long>(counters.userObjects),
                static_cast<unsigned long>(counters.handles),
                static_cast<unsigned long>(counters.windows), counters.workingSet / 1048576.0,
                counters.peakWorkingSet / 1048576.0, counters.pagefileUsage / 1048576.0);
  return line;
}

}  // namespace kinloom::e2e
