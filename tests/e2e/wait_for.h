// Waiting on a condition with a deadline, the suite's only way of letting time pass.
#pragma once

#include <windows.h>

namespace kinloom::e2e {

constexpr DWORD kDefaultTimeoutMs = 8000;
constexpr DWORD kPollMs = 10;

// Polls `condition` until it holds or `timeoutMs` has passed; returns whether it held.
template <typename Condition>
bool WaitFor(Condition condition, DWORD timeoutMs = kDefaultTimeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= timeoutMs) return condition();
    Sleep(kPollMs);
  }
  return true;
}

}  // namespace kinloom::e2e
