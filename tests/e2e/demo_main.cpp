// kinloom_demo: sets up the demonstration suite and starts the menu on it ("run"), or walks
// through every screen with real input and writes screenshots ("tour FOLDER").
#include <windows.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <utility>

#include "tests/e2e/demo_world.h"
#include "tests/e2e/image.h"
#include "tests/e2e/input.h"
#include "tests/e2e/journal.h"
#include "tests/e2e/menu_session.h"
#include "tests/e2e/processes.h"
#include "tests/support/window_probe.h"

namespace kinloom::e2e {
namespace {

// Whether the window's client area shows more than its background colour.
bool HasContent(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const Image image = CaptureScreen(client);
  int differing = 0;
  for (std::uint32_t pixel : image.pixels) differing += pixel != image.pixels.front();
  constexpr int kSomeText = 200;
  return differing > kSomeText;
}

// One walk through the menu; each step throws std::runtime_error naming what did not appear.
class Tour {
 public:
  Tour(const World& world, std::string folder)
      : world_(world),
        folder_(std::move(folder)),
        menu_(WindowsPathOf(KINLOOM_E2E_MENU), WindowsPathOf(KINLOOM_E2E_ART)) {}

  void Walk() {
    MovePointer(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
    if (!menu_.Start(world_.At("Start"))) throw std::runtime_error("kinloom.exe did not start");
    HWND welcome = Expect(kWelcomeTitle);
    Shot("welcome");
    menu_.ClickControl(welcome, IDCANCEL);
    HWND main = Expect(MainScreen().title);
    menu_.PointAtBackground(main);
    Shot("main-menu");
    KeyboardStep(main);
    menu_.PointAt(main, MainScreen().Find("btnArbora"));
    menu_.WaitForFrame(main, MainScreen(), MainScreen().Find("btnArbora"), kHovered);
    Shot("main-menu-hover");
    ShowStart(main, MainScreen(), "btnArbora", "Tree7s.exe", "tree-program");

    HWND research = Open(main, ResearchScreen(), "btnResearch", "research");
    ShowBox(research, ResearchScreen(), "btnHistRec", "Error", "program-not-found");
    ShowStart(research, ResearchScreen(), "btnEllis", "browser.exe", "ellis-island-page");
    Back(research, ResearchScreen());

    HWND family = Open(main, FamilyScreen(), "btnFamily", "family");
    ShowStart(family, FamilyScreen(), "btnNames", "names7s.exe", "names-glossary");
    Back(family, FamilyScreen());

    HWND tessary = Open(main, TessaryScreen(), "btnTY", "tessary");
    ShowBox(tessary, TessaryScreen(), "btnCensus", "Confirm", "census-disk-prompt");
    ShowStart(tessary, TessaryScreen(), "btnCatalog", "browser.exe", "catalogue");
    Back(tessary, TessaryScreen());

    HWND internet = Open(main, InternetScreen(), "btnInternet", "internet");
    ShowStart(internet, InternetScreen(), "btnTalk", "browser.exe", "web-page");
    Back(internet, InternetScreen());

    menu_.ClickHotspot(main, MainScreen().Find("btnQuit"));
    if (!menu_.WaitForExit()) throw std::runtime_error("the menu did not end on btnQuit");
  }

  void End() {
    menu_.End();
    EndProcessesUnder(world_.Root() + "\\");
  }

 private:
  HWND Expect(const std::string& title) {
    HWND window = menu_.WaitForWindow(title);
    if (!window) throw std::runtime_error("no window titled \"" + title + "\" appeared");
    return window;
  }

  // Tab from the keyboard: the first hotspot in reading order shows its highlight.
  void KeyboardStep(HWND main) {
    SetForegroundWindow(main);
    WaitFor([&] { return GetForegroundWindow() == main; }, 2000);
    TapKey(VK_TAB);
    const Hotspot& first = MainScreen().Find("btnResearch");
    if (!menu_.WaitForFrame(main, MainScreen(), first, kHovered)) {
      throw std::runtime_error("Tab highlighted no hotspot");
    }
    Shot("main-menu-keyboard");
  }

  void Shot(const std::string& name) {
    WaitUntilPainted();
    char number[8];
    std::snprintf(number, sizeof number, "%02d-", ++shots_);
    const std::string path = folder_ + "\\" + number + name + ".bmp";
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!SaveBmp(CaptureScreen(screen), path)) throw std::runtime_error("cannot write " + path);
    std::printf("%s\n", path.c_str());
  }

  HWND Open(HWND main, const MenuScreen& screen, const char* hotspot, const std::string& shot) {
    menu_.ClickHotspot(main, MainScreen().Find(hotspot));
    HWND window = Expect(screen.title);
    menu_.PointAtBackground(window);
    Shot(shot);
    return window;
  }

  void Back(HWND window, const MenuScreen& screen) {
    menu_.ClickHotspot(window, screen.Find("btnToMain"));
    Expect(MainScreen().title);
  }

  // A click that starts a stand-in: its window, pictured, then closed with its OK button.
  void ShowStart(HWND window, const MenuScreen& screen, const char* hotspot,
                 const std::string& program, const std::string& shot) {
    menu_.ClickHotspot(window, screen.Find(hotspot));
    const std::string title = program + " (demonstration stand-in)";
    HWND standIn = nullptr;
    if (!WaitFor([&] { return (standIn = FindShownWindow(title)) != nullptr; })) {
      throw std::runtime_error(std::string(hotspot) + " showed no window \"" + title + "\"");
    }
    // A document viewer started through an association can come up behind the menu under Wine.
    SetForegroundWindow(standIn);
    WaitFor([&] { return GetForegroundWindow() == standIn && GetTopWindow(nullptr) == standIn; },
            2000);
    // Found as soon as it is shown; pictured once its text is drawn.
    WaitFor([&] { return HasContent(standIn); });
    Shot(shot);
    menu_.ClickControl(standIn, IDOK);
    WaitFor([&] { return !IsWindow(standIn); });
  }

  // A click that shows a message box: pictured, then answered with its Cancel or OK button.
  void ShowBox(HWND window, const MenuScreen& screen, const char* hotspot,
               const std::string& caption, const std::string& shot) {
    menu_.ClickHotspot(window, screen.Find(hotspot));
    HWND box = Expect(caption);
    Shot(shot);
    const BoxView view = ReadBox(box);
    menu_.ClickControl(box, ButtonWithId(view, IDCANCEL) ? IDCANCEL : IDOK);
    menu_.WaitUntilHidden(box);
  }

  // A window is pictured once it has finished painting: two captures a moment apart agree.
  static void WaitUntilPainted() {
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    constexpr DWORD kMoment = 250;
    Image before = CaptureScreen(screen);
    WaitFor([&] {
      Sleep(kMoment);
      Image now = CaptureScreen(screen);
      const bool settled = now.pixels == before.pixels;
      before = std::move(now);
      return settled;
    });
  }

  const World& world_;
  std::string folder_;
  MenuSession menu_;
  int shots_ = 0;
};

int Run(const World& world) {
  StartedProcess menu;
  if (!menu.Start(WindowsPathOf(KINLOOM_E2E_MENU), world.At("Start"))) {
    std::fprintf(stderr, "kinloom_demo: kinloom.exe did not start\n");
    return 1;
  }
  menu.WaitForExit(INFINITE);
  return 0;
}

int RunTour(const World& world, const std::string& folder) {
  CreateDirectoryA(folder.c_str(), nullptr);
  Tour tour(world, folder);
  try {
    tour.Walk();
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kinloom_demo: the tour stopped: %s\n", error.what());
    tour.End();
    return 1;
  }
  tour.End();
  return 0;
}

}  // namespace
}  // namespace kinloom::e2e

int main(int argc, char** argv) {
  using namespace kinloom::e2e;
  const std::string command = argc > 1 ? argv[1] : "";
  if (command != "run" && !(command == "tour" && argc > 2)) {
    std::fprintf(stderr, "usage: kinloom_demo run | tour SCREENSHOT_FOLDER\n");
    return 2;
  }
  // Without the journal the stand-ins show their windows instead of journaling.
  SetEnvironmentVariableW(kJournalVariable, nullptr);
  const World world(kDemoRoot, WindowsPathOf(KINLOOM_E2E_STAND_IN));
  BuildDemoWorld(world);
  return command == "run" ? Run(world) : RunTour(world, WindowsPathOf(argv[2]));
}
