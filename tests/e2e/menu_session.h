// One run of kinloom.exe driven as a person would: its windows, hotspots, frames and boxes.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "tests/e2e/image.h"
#include "tests/e2e/menu_layout.h"
#include "tests/e2e/processes.h"
#include "tests/support/wait_for.h"

namespace kinloom::e2e {

// The frames of a hotspot's art strip.
enum Frame : int { kNoFrame = -1, kNormal = 0, kHovered = 1, kPressed = 2 };

// Places and art are as the menu shows them at the display scale Wine reports (DisplayDpi):
// client coordinates are given in 96-DPI numbers, as the menu lays itself out.
class MenuSession {
 public:
  // `artFolder` holds the 1x art; the 2x art is in the folder beside it with "-2x" added.
  MenuSession(std::string menuExe, std::string artFolder);
  int Dpi() const { return dpi_; }

  // Starts the menu with `folder` as its current folder; false when it cannot start.
  bool Start(const std::string& folder);
  DWORD ProcessId() const { return process_.Id(); }
  bool Running() const { return process_.Running(); }
  bool WaitForExit(DWORD timeoutMs = kDefaultTimeoutMs) { return process_.WaitForExit(timeoutMs); }
  void End() { process_.End(); }

  // The menu's shown top-level window with exactly this title, once it appears; null on timeout.
  HWND WaitForWindow(const std::string& title, DWORD timeoutMs = kDefaultTimeoutMs) const;
  // Whether the menu shows a window of this title right now.
  bool Shows(const std::string& title) const;
  bool WaitUntilHidden(HWND window, DWORD timeoutMs = kDefaultTimeoutMs) const;

  // A hotspot's rectangle on the screen.
  RECT HotspotArea(HWND screenWindow, const Hotspot& hotspot) const;
  // Where a 96-DPI client point of the window lies on the screen.
  POINT ScreenPoint(HWND screenWindow, int clientX, int clientY) const;

  void PointAt(HWND screenWindow, const Hotspot& hotspot) const;
  // Puts the pointer on the background (the top-left corner of the client area, clear of hotspots).
  void PointAtBackground(HWND screenWindow) const;
  // Press and release of the left button in the middle of the hotspot.
  void ClickHotspot(HWND screenWindow, const Hotspot& hotspot) const;

  // Which frame of its art (as the menu shows it at its scale) the hotspot shows now, or kNoFrame.
  int FrameShown(HWND screenWindow, const MenuScreen& screen, const Hotspot& hotspot);
  bool WaitForFrame(HWND screenWindow, const MenuScreen& screen, const Hotspot& hotspot, int frame);
  const Image& ArtOf(const MenuScreen& screen, const Hotspot& hotspot);

  // Answers a box or dialog: clicks the control with that id, or presses a key while it is
  // in the foreground, or clicks its close box.
  void ClickControl(HWND window, int id) const;
  void PressKey(HWND window, WORD virtualKey) const;
  void ClickCloseBox(HWND window) const;

 private:
  StartedProcess process_;
  std::string menuExe_;
  std::string artFolder_;
  int dpi_;
  std::map<std::string, Image> art_;
};

}  // namespace kinloom::e2e
