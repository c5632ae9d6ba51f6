// A tour of the five screens through the end-to-end harness's session and real input.
#include "bench/visit_screens.h"

#include <stdexcept>
#include <utility>

#include "tests/e2e/menu_session.h"

namespace kinloom::bench {
namespace {

using namespace e2e;

// Clicks once the hotspot shows that it has the pointer: input sent to a window that has only
// just appeared may otherwise arrive before it takes any.
void ClickWhenHovered(MenuSession& menu, HWND window, const MenuScreen& screen, const char* name) {
  const Hotspot& hotspot = screen.Find(name);
  menu.PointAtBackground(window);
  menu.PointAt(window, hotspot);
  if (!menu.WaitForFrame(window, screen, hotspot, kHovered)) {
    throw std::runtime_error(std::string(name) + " on " + screen.title + " never showed hovered");
  }
  menu.ClickHotspot(window, hotspot);
}

}  // namespace

ProcessCounters CountersAfterEveryScreen(const std::string& menuExe, const std::string& art,
                                         const std::string& folder) {
  static const std::pair<const MenuScreen*, const char*> kOpeners[] = {
      {&ResearchScreen(), "btnResearch"},
      {&FamilyScreen(), "btnFamily"},
      {&TessaryScreen(), "btnTY"},
      {&InternetScreen(), "btnInternet"}};
  MenuSession menu(menuExe, art);
  if (!menu.Start(folder)) throw std::runtime_error("kinloom.exe did not start");
  HWND main = menu.WaitForWindow(MainScreen().title);
  if (!main) throw std::runtime_error("no main menu");
  for (const auto& [screen, opener] : kOpeners) {
    ClickWhenHovered(menu, main, MainScreen(), opener);
    HWND sub = menu.WaitForWindow(screen->title);
    if (!sub) throw std::runtime_error(std::string("no window ") + screen->title);
    ClickWhenHovered(menu, sub, *screen, "btnToMain");
    if (!menu.WaitUntilHidden(sub) || !menu.WaitForWindow(MainScreen().title)) {
      throw std::runtime_error(std::string("no way back from ") + screen->title);
    }
  }
  const ProcessCounters counters = ReadCounters(menu.ProcessId());
  PostMessageA(main, WM_CLOSE, 0, 0);
  menu.WaitForExit();
  return counters;
}

}  // namespace kinloom::bench
