// Whether a window shows its art: a few client points whose colours are known from the pictures.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/e2e/image.h"
#include "tests/e2e/menu_layout.h"

namespace kinloom::bench {

struct ProbePoint {
  POINT client;
  COLORREF colour;
};

// Points of the background clear of every hotspot, and for a screen with hotspots the middle of
// each in its normal frame, where a window at `dpi` shows them (the art in `artFolder`, its 2x
// twin beside it); points whose colour equals `desktop` are left out, since they could not tell
// a painted window from the bare desktop.
std::vector<ProbePoint> ProbePointsFor(const e2e::MenuScreen& screen, const std::string& artFolder,
                                       bool withHotspots, COLORREF desktop, int dpi);

// The shown window of that title, or null.
HWND ShownWindowTitled(const char* title);

// Whether every point shows its colour on the screen (reads stop at the first miss).
bool FullyPainted(HWND window, const std::vector<ProbePoint>& points);
// Whether no point shows its colour: what was painted before has gone.
bool NonePainted(POINT clientOrigin, const std::vector<ProbePoint>& points);

// The client area's top-left corner on the screen of a window centred like the main menu.
POINT CentredClientOrigin(int clientWidth, int clientHeight);

}  // namespace kinloom::bench
