// What sets one hotspot menu screen apart from another: its window, background and hotspot table.
#pragma once

#include <cstdint>

namespace kinloom {

struct ScreenParameters {
  const char* artScreen;  // the screen's art is named "<artScreen>-<picture name>"
  const char* title;
  int clientHeight;        // every screen is 632 pixels wide
  const char* background;  // the background picture's name
};

struct HotspotLayout {
  std::int32_t tag;
  const char* hotspot;  // the hotspot picture's name
  std::uint16_t left;
  std::uint16_t top;
  const char* strip;  // the art strip's name
  // The strip as the art is drawn: three frames of one hotspot's size, stacked.
  std::uint16_t stripWidth;
  std::uint16_t stripHeight;
  // The words its art shows, which screen readers speak.
  const char* accessibleName;
};

// One row of a screen's table: the layout and the click handler of its hotspot.
template <class Screen>
struct HotspotRow {
  HotspotLayout layout;
  void (Screen::*click)();
};

}  // namespace kinloom
