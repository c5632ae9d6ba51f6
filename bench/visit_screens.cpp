// A tour of the five screens through the end-to-end harness's session and real input.
#include "bench/visit_screens.h"

#include <stdexcept>
#include <utility>

#include "tests/e2e/hotspot_input.h"
#include "tests/e2e/menu_session.h"
#include "tests/support/window_probe.h"

namespace kinloom::bench {

e2e::ProcessCounters CountersAfterEveryScreen(const std::string& menuExe, const std::string& art,
                                              const std::string& folder) {
  using namespace e2e;
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
    HWND sub = nullptr;
    ClickHovered(menu, main, MainScreen(), opener, [&] {
      return (sub = FindShownWindow(screen->title, menu.ProcessId())) != nullptr;
    });
    if (!sub) throw std::runtime_error(std::string("no window ") + screen->title);
    const bool back = ClickHovered(menu, sub, *screen, "btnToMain",
                                   [&] { return !IsWindowVisible(sub) && IsWindowVisible(main); });
    if (!back) throw std::runtime_error(std::string("no way back from ") + screen->title);
  }
  const ProcessCounters counters = ReadCounters(menu.ProcessId());
  PostMessageA(main, WM_CLOSE, 0, 0);
  menu.WaitForExit();
  return counters;
}

}  // namespace kinloom::bench
