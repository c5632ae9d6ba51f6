// Reading a few screen pixels through GetDC(NULL), which equals a screenshot under Wine.
#include "bench/paint_probe.h"

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
                                       bool withHotspots, COLORREF desktop) {
  const std::string prefix = artFolder + "\\" + screen.artPrefix + "-";
  std::vector<ProbePoint> points;
  auto add = [&](POINT client, std::uint32_t rgb) {
    if (AsColorRef(rgb) != desktop) points.push_back({client, AsColorRef(rgb)});
  };
  const e2e::Image background = e2e::LoadBmp(prefix + "artMainBackground.bmp");
  for (const POINT& p : kBackgroundPoints) add(p, background.Pixel(p.x, p.y));
  if (!withHotspots) return points;
  for (const e2e::Hotspot& hotspot : screen.hotspots) {
    const e2e::Image strip = e2e::LoadBmp(prefix + hotspot.art + ".bmp");
    const POINT middle{hotspot.width / 2, hotspot.height / 2};
    add({hotspot.left + middle.x, hotspot.top + middle.y}, strip.Pixel(middle.x, middle.y));
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
