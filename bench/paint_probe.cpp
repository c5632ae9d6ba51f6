// Reading a few screen pixels through GetDC(NULL), which equals a screenshot under Wine.
#include "bench/paint_probe.h"

#include "tests/e2e/scaled_art.h"

namespace kinloom::bench {
namespace {

// Corners and edges of the background that no main-menu hotspot covers.
constexpr POINT kBackgroundPoints[] = {{4, 4},   {627, 4},   {316, 12},
                                       {4, 448}, {627, 450}, {316, 150}};

COLORREF AsColorRef(std::uint32_t rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

bool Shows(HDC screen, POINT origin, const ProbePoint& point) {
  return GetPixel(screen, origin.x + point.client.x, origin.y + point.client.y) == point.colour;
}

}  // namespace

std::vector<ProbePoint> ProbePointsFor(const e2e::MenuScreen& screen, const std::string& artFolder,
                                       bool withHotspots, COLORREF desktop, int dpi) {
  std::vector<ProbePoint> points;
  // A 96-DPI client point of a picture drawn for `placed`, where its art at `dpi` shows it.
  const auto add = [&](const char* art, const RECT& placed, int frames, POINT p) {
    const std::string file = std::string("\\") + screen.artPrefix + "-" + art + ".bmp";
    const e2e::Image image =
        e2e::ArtAtDpi(artFolder + file, artFolder + "-2x" + file, placed, frames, dpi);
    const POINT at = e2e::ScaledPoint(p, dpi);
    const POINT corner = e2e::ScaledPoint({placed.left, placed.top}, dpi);
    const COLORREF colour = AsColorRef(image.Pixel(at.x - corner.x, at.y - corner.y));
    if (colour != desktop) points.push_back({at, colour});
  };
  for (const POINT& p : kBackgroundPoints) add("artMainBackground", {0, 0, 632, 453}, 1, p);
  if (!withHotspots) return points;
  for (const e2e::Hotspot& hotspot : screen.hotspots) {
    const RECT placed{hotspot.left, hotspot.top, hotspot.left + hotspot.width,
                      hotspot.top + hotspot.height};
    add(hotspot.art, placed, 3,
        {hotspot.left + hotspot.width / 2, hotspot.top + hotspot.height / 2});
  }
  return points;
}

HWND ShownWindowTitled(const char* title) {
  HWND window = FindWindowA(nullptr, title);
  return window && IsWindowVisible(window) ? window : nullptr;
}

bool FullyPainted(HWND window, const std::vector<ProbePoint>& points) {
  POINT origin{0, 0};
  if (!ClientToScreen(window, &origin)) return false;
  HDC screen = GetDC(nullptr);
  bool all = true;
  for (const ProbePoint& point : points) {
    if (!(all = Shows(screen, origin, point))) break;
  }
  ReleaseDC(nullptr, screen);
  return all;
}

bool NonePainted(POINT clientOrigin, const std::vector<ProbePoint>& points) {
  HDC screen = GetDC(nullptr);
  bool none = true;
  for (const ProbePoint& point : points) {
    if (!(none = !Shows(screen, clientOrigin, point))) break;
  }
  ReleaseDC(nullptr, screen);
  return none;
}

POINT CentredClientOrigin(int clientWidth, int clientHeight) {
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT outer{0, 0, clientWidth, clientHeight};
  AdjustWindowRect(&outer, style, FALSE);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  return POINT{(GetSystemMetrics(SM_CXSCREEN) - width) / 2 - outer.left,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2 - outer.top};
}

}  // namespace kinloom::bench
