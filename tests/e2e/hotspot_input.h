// A person's way onto a hotspot: across the background onto it, until it shows hovered; then a
// click, and the outcome it should have. Each is sent once: input that does not land is a fault.
#pragma once

#include "tests/e2e/input.h"
#include "tests/e2e/menu_session.h"

namespace kinloom::e2e {

// Brings the pointer across the background onto `hotspot`; false when it does not show hovered.
inline bool HoverOnto(MenuSession& menu, HWND window, const MenuScreen& screen,
                      const Hotspot& hotspot) {
  menu.PointAtBackground(window);
  menu.PointAt(window, hotspot);
  return WaitFor([&] { return menu.FrameShown(window, screen, hotspot) == kHovered; });
}

// Clicks hotspot `name` once it shows hovered; false when it does not, or when `done` does not
// come to hold after the click.
template <typename Done>
bool ClickHovered(MenuSession& menu, HWND window, const MenuScreen& screen, const char* name,
                  Done done) {
  const Hotspot& hotspot = screen.Find(name);
  if (!HoverOnto(menu, window, screen, hotspot)) return false;
  ClickAt(CentreOf(menu.HotspotArea(window, hotspot)));
  return WaitFor(done);
}

}  // namespace kinloom::e2e
