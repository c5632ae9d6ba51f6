// CreateProcess and the clean-up sweep over the process list.
#include "tests/e2e/processes.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace kinloom::e2e {

bool StartedProcess::Start(const std::string& exe, const std::string& folder) {
  End();
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  std::wstring commandLine = ToUtf16("\"" + exe + "\"");
  return CreateProcessW(ToUtf16(exe).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, ToUtf16(folder).c_str(), &startup, &info_) != FALSE;
}

bool StartedProcess::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool StartedProcess::WaitForExit(DWORD timeoutMs) {
  return !info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

void StartedProcess::End() {
  if (!info_.hProcess) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
  info_ = {};
}

namespace {

// Handles of every running process whose program file lies under `folder`; the caller closes them.
std::vector<HANDLE> OpenProcessesUnder(const std::string& folder) {
  std::vector<HANDLE> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return found;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    HANDLE process =
        OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ | SYNCHRONIZE,
                    FALSE, entry.th32ProcessID);
    if (!process) continue;
    wchar_t path[MAX_PATH] = {};
    if (GetModuleFileNameExW(process, nullptr, path, MAX_PATH) &&
        _strnicmp(ToUtf8(path).c_str(), folder.c_str(), folder.size()) == 0 &&
        WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
      found.push_back(process);
    } else {
      CloseHandle(process);
    }
  }
  CloseHandle(snapshot);
  return found;
}

}  // namespace

bool AnyProcessUnder(const std::string& folder) {
  const std::vector<HANDLE> running = OpenProcessesUnder(folder);
  for (HANDLE process : running) CloseHandle(process);
  return !running.empty();
}

void EndProcessesUnder(const std::string& folder) {
  for (HANDLE process : OpenProcessesUnder(folder)) {
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

}  // namespace kinloom::e2e
