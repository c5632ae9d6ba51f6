// Real input that survives Wine's now and then lost injected moves: hover until the hotspot shows
// it, click until the outcome shows. Every attempt after the first is reported (ReportResend).
#pragma once

#include <string>

#include "tests/e2e/input.h"
#include "tests/e2e/menu_session.h"

namespace kinloom::e2e {

// Brings the pointer onto `hotspot` across the background until it shows hovered; false when
// it never does.
inline bool HoverSteadily(MenuSession& menu, HWND window, const MenuScreen& screen,
                          const Hotspot& hotspot) {
  constexpr int kAttempts = 5;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    menu.PointAtBackground(window);
    menu.PointAt(window, hotspot);
    if (WaitFor([&] { return menu.FrameShown(window, screen, hotspot) == kHovered; }, 1500)) {
      return true;
    }
    ReportResend(std::string("hover of ") + hotspot.name + " on " + screen.title);
  }
  return false;
}

// Clicks hotspot `name` once it shows hovered, again while `done` does not hold (a click that
// Wine delivered where the pointer had been before). Returns how many clicks it took, 0 for none
// that worked.
template <typename Done>
int ClickUntil(MenuSession& menu, HWND window, const MenuScreen& screen, const char* name,
               Done done) {
  const Hotspot& hotspot = screen.Find(name);
  constexpr int kAttempts = 3;
  for (int attempt = 1; attempt <= kAttempts; ++attempt) {
    if (!HoverSteadily(menu, window, screen, hotspot)) return 0;
    ClickAt(CentreOf(menu.HotspotArea(window, hotspot)));
    if (WaitFor(done, 3000)) return attempt;
    ReportResend(std::string("click of ") + name + " on " + screen.title);
  }
  return 0;
}

}  // namespace kinloom::e2e
