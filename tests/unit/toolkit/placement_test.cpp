// Boxes, dialogs and sub-screens on the monitor of the window they are shown over.
#include "platform/toolkit/placement.h"

#include <gtest/gtest.h>

#include <string>

namespace kinloom::toolkit_test {
namespace {

std::string Describe(const Rect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" +
         std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// A primary monitor with its taskbar at the bottom, a second one to its right with the taskbar
// on its left edge, and a third left of the primary, at negative coordinates.
constexpr Rect kPrimary{0, 0, 1024, 738};
constexpr Rect kRight{1104, 0, 2304, 1024};
constexpr Rect kLeft{-1280, -200, 0, 824};

TEST(PlacementTest, CentresOnTheWorkAreaOfTheOwnersMonitorAndKeepsItThere) {
  const struct {
    const char* what;
    Rect area;
    Size size;
    Rect placed;
  } cases[] = {
      // clang-format off
      {"a box on the primary",              kPrimary, {300, 150}, {362, 294, 662, 444}},
      {"a dialog on the right-hand one",    kRight,   {471, 212}, {1468, 406, 1939, 618}},
      {"a box left of the primary",         kLeft,    {301, 151}, {-791, 236, -490, 387}},
      {"wider than the area: left edge",    kPrimary, {1100, 200}, {0, 269, 1100, 469}},
      {"taller than the area: top edge",    kRight,   {300, 1100}, {1554, 0, 1854, 1100}},
      // clang-format on
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Describe(CentredOnWorkArea(c.area, c.size)), Describe(c.placed)) << c.what;
  }
}

TEST(PlacementTest, KeepsAWindowOnItsMonitorMovingItNoMoreThanNeeded) {
  const struct {
    const char* what;
    Rect area;
    Rect window;
    Rect placed;
  } cases[] = {
      // clang-format off
      {"fully on it: stays",                kRight,   {1200, 100, 1838, 582}, {1200, 100, 1838, 582}},
      {"past the right edge",               kRight,   {1900, 100, 2538, 582}, {1666, 100, 2304, 582}},
      {"over the taskbar at the bottom",    kPrimary, {200, 400, 838, 882},   {200, 256, 838, 738}},
      {"above and left of a left monitor",  kLeft,    {-1400, -300, -762, 182}, {-1280, -200, -642, 282}},
      {"larger than the area: top left",    kPrimary, {-50, -60, 1100, 800},  {0, 0, 1150, 860}},
      // clang-format on
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Describe(KeptOnWorkArea(c.area, c.window)), Describe(c.placed)) << c.what;
  }
}

}  // namespace
}  // namespace kinloom::toolkit_test
