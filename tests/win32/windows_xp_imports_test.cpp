// The program's own GetTickCount64 import: calls through it reach a working tick count.
#include "platform/win32/win_api.h"

#include <gtest/gtest.h>

// Vista's declaration, which a build for XP leaves out; the call is what this test is about.
extern "C" __declspec(dllimport) ULONGLONG WINAPI GetTickCount64();

namespace kinloom {
namespace {

TEST(WindowsXpImportsTest, TickCountThroughTheSuppliedImportFollowsTheSystemCount) {
  // This test program links the supplied import slot, so the call below goes through it.
  const ULONGLONG before = GetTickCount();
  const ULONGLONG ticks = GetTickCount64();
  const ULONGLONG after = GetTickCount();
  EXPECT_GE(ticks & 0xFFFFFFFF, before);
  EXPECT_LE(ticks & 0xFFFFFFFF, after);
}

}  // namespace
}  // namespace kinloom
