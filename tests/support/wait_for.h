// Waiting on a condition with a deadline, the Windows tests' only way of letting time pass.
#pragma once

#include <windows.h>

namespace kinloom {

// Long enough for a loaded machine running Wine; a failing wait costs only a slower failure.
constexpr DWORD kDefaultTimeoutMs = 10000;
constexpr DWORD kPollMs = 10;

// Polls `condition` every `pollMs` until it holds or `timeoutMs` has passed; returns whether it
// held.
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs = kDefaultTimeoutMs, DWORD pollMs = kPollMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= timeoutMs) return condition();
    Sleep(pollMs);
  }
  return true;
}

}  // namespace kinloom
