// Driving the menu process through real input and reading what it shows.
#include "tests/e2e/menu_session.h"

#include "tests/e2e/input.h"
#include "tests/e2e/scaled_art.h"
#include "tests/support/window_probe.h"

namespace kinloom::e2e {
namespace {

constexpr int kArtFrames = 3;

RECT PlaceOf(const Hotspot& hotspot) {
  return {hotspot.left, hotspot.top, hotspot.left + hotspot.width, hotspot.top + hotspot.height};
}

}  // namespace

MenuSession::MenuSession(std::string menuExe, std::string artFolder)
    : menuExe_(std::move(menuExe)), artFolder_(std::move(artFolder)), dpi_(DisplayDpi()) {}

bool MenuSession::Start(const std::string& folder) {
  return process_.Start(menuExe_, folder);
}

HWND MenuSession::WaitForWindow(const std::string& title, DWORD timeoutMs) const {
  return kinloom::WaitForWindow(title, ProcessId(), timeoutMs);
}

bool MenuSession::Shows(const std::string& title) const {
  return FindShownWindow(title, ProcessId()) != nullptr;
}

bool MenuSession::WaitUntilHidden(HWND window, DWORD timeoutMs) const {
  return WaitFor([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeoutMs);
}

POINT MenuSession::ScreenPoint(HWND screenWindow, int clientX, int clientY) const {
  POINT point = ScaledPoint({clientX, clientY}, dpi_);
  ClientToScreen(screenWindow, &point);
  return point;
}

RECT MenuSession::HotspotArea(HWND screenWindow, const Hotspot& hotspot) const {
  RECT area = ScaledRect(PlaceOf(hotspot), dpi_);
  MapWindowPoints(screenWindow, nullptr, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

void MenuSession::PointAt(HWND screenWindow, const Hotspot& hotspot) const {
  MovePointer(CentreOf(HotspotArea(screenWindow, hotspot)));
}

void MenuSession::PointAtBackground(HWND screenWindow) const {
  MovePointer(ScreenPoint(screenWindow, 4, 4));
}

void MenuSession::ClickHotspot(HWND screenWindow, const Hotspot& hotspot) const {
  ClickAt(CentreOf(HotspotArea(screenWindow, hotspot)));
}

const Image& MenuSession::ArtOf(const MenuScreen& screen, const Hotspot& hotspot) {
  const std::string file = std::string("\\") + screen.artPrefix + "-" + hotspot.art + ".bmp";
  auto found = art_.find(file);
  if (found == art_.end()) {
    const Image art =
        ArtAtDpi(artFolder_ + file, artFolder_ + "-2x" + file, PlaceOf(hotspot), kArtFrames, dpi_);
    found = art_.emplace(file, art).first;
  }
  return found->second;
}

int MenuSession::FrameShown(HWND screenWindow, const MenuScreen& screen, const Hotspot& hotspot) {
  return MatchingFrame(ArtOf(screen, hotspot), CaptureScreen(HotspotArea(screenWindow, hotspot)));
}

bool MenuSession::WaitForFrame(HWND screenWindow, const MenuScreen& screen, const Hotspot& hotspot,
                               int frame) {
  return WaitFor([&] { return FrameShown(screenWindow, screen, hotspot) == frame; });
}

void MenuSession::ClickControl(HWND window, int id) const {
  RECT area;
  GetWindowRect(GetDlgItem(window, id), &area);
  ClickAt(CentreOf(area));
}

void MenuSession::PressKey(HWND window, WORD virtualKey) const {
  // Keys go to the foreground window; one of another process may come up inactive.
  WaitUntilReadyForInput(window);
  TapKey(virtualKey);
}

void MenuSession::ClickCloseBox(HWND window) const {
  ClickAt(CloseBoxOf(window));
}

}  // namespace kinloom::e2e
