// Starting the menu as a person would, and ending whatever a case left running.
#pragma once

#include <windows.h>

#include <string>

namespace kinloom::e2e {

class StartedProcess {
 public:
  StartedProcess() = default;
  StartedProcess(const StartedProcess&) = delete;
  StartedProcess& operator=(const StartedProcess&) = delete;
  ~StartedProcess() { End(); }

  // Starts `exe` with `folder` as its current folder; false when CreateProcess fails.
  bool Start(const std::string& exe, const std::string& folder);
  DWORD Id() const { return info_.dwProcessId; }
  bool Running() const;
  bool WaitForExit(DWORD timeoutMs);
  // Terminates it if it still runs and lets go of its handles.
  void End();

 private:
  PROCESS_INFORMATION info_ = {};
};

// Whether any process whose program file lies under `folder` still runs.
bool AnyProcessUnder(const std::string& folder);

// Terminates every process whose program file lies under `folder` (a path prefix, any case).
void EndProcessesUnder(const std::string& folder);

}  // namespace kinloom::e2e
