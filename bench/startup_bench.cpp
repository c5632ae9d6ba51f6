// The start-up benchmark: time from CreateProcess to a fully painted main menu and the memory
// it took, side by side with the floor program, then the program's size and its memory after
// every screen was shown.
// Runs inside the Wine prefix; prints its figures. Usage: kinloom_startup_bench [runs per side]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/paint_probe.h"
#include "bench/series.h"
#include "bench/visit_screens.h"
#include "platform/toolkit/display_scale.h"
#include "tests/e2e/process_counters.h"
#include "tests/e2e/processes.h"
#include "tests/e2e/scaled_art.h"
#include "tests/e2e/world.h"
#include "tests/support/wait_for.h"

namespace kinloom::bench {
namespace {

constexpr int kDefaultRuns = 15;
constexpr DWORD kStartTimeoutMs = 20000;
constexpr char kFloorTitle[] = "Kinloom start-up floor";
// The goals, against the floor: start-up median ratio, and how much more memory at the main
// menu and after the tour of every screen.
constexpr double kRatioGoal = 1.10;
constexpr double kMainMenuGoalMiB = 6;
constexpr double kAfterTourGoalMiB = 10;
constexpr double kMiB = 1048576.0;

struct Contender {
  const char* name;
  std::string exe;
  const char* title;
  std::vector<ProbePoint> points;
  POINT origin;  // the client area's corner on the screen, where the last start painted
  std::vector<double> milliseconds;
  std::vector<double> peakMiB;  // peak working set once the main menu is painted
};

struct Start {
  double milliseconds = -1;  // negative when the picture never showed
  double peakMiB = 0;
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// One start: milliseconds from CreateProcess until every probe point shows its colour, and the
// peak working set then. The program is closed as a user would close it.
Start TimeOneStart(Contender& contender, const std::string& folder) {
  // The previous run's picture must be gone, or it would count as painted at once.
  if (!WaitFor([&] { return NonePainted(contender.origin, contender.points); }, 5000)) {
    std::fprintf(stderr, "warning: the screen still showed the art before starting %s\n",
                 contender.name);
  }
  e2e::StartedProcess process;
  LARGE_INTEGER start, painted;
  QueryPerformanceCounter(&start);
  if (!process.Start(contender.exe, folder)) return {};
  HWND window = nullptr;
  const bool shown = WaitFor(
      [&] {
        window = ShownWindowTitled(contender.title);
        return window && FullyPainted(window, contender.points);
      },
      kStartTimeoutMs);
  QueryPerformanceCounter(&painted);
  const e2e::ProcessCounters counters = e2e::ReadCounters(process.Id());
  if (window) {
    contender.origin = {0, 0};
    ClientToScreen(window, &contender.origin);
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  if (!process.WaitForExit(10000))
    std::fprintf(stderr, "warning: %s did not end\n", contender.name);
  if (!shown) return {};
  return {1000.0 * Seconds(start, painted), counters.peakWorkingSet / kMiB};
}

// Both programs started in turn, `runs` times each; false when one never showed its picture.
bool TimeStarts(Contender (&contenders)[2], int runs, const std::string& folder) {
  for (int round = 0; round < runs; ++round) {
    // Alternating which goes first evens out any advantage of following the other.
    for (int turn = 0; turn < 2; ++turn) {
      Contender& contender = contenders[(round + turn) % 2];
      const Start start = TimeOneStart(contender, folder);
      if (start.milliseconds < 0) {
        std::fprintf(stderr, "%s never showed its picture\n", contender.name);
        return false;
      }
      if (round > 0) {
        contender.milliseconds.push_back(start.milliseconds);
        contender.peakMiB.push_back(start.peakMiB);
      }
    }
  }
  return true;
}

std::size_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return static_cast<std::size_t>(data.nFileSizeLow);
}

// The peak working sets at the main menu, the program's after a tour of every screen, and the
// sizes of both programs.
void ReportMemoryAndSize(const Contender (&contenders)[2], const std::string& art,
                         const std::string& folder) {
  const double floorPeak = Summarise(contenders[0].peakMiB).median;
  const double menuPeak = Summarise(contenders[1].peakMiB).median;
  std::printf(
      "peak working set at the main menu (median): floor %.1f MiB, kinloom.exe %.1f MiB, "
      "%+.1f MiB (goal at most %+.0f)\n",
      floorPeak, menuPeak, menuPeak - floorPeak, kMainMenuGoalMiB);
  const e2e::ProcessCounters after = CountersAfterEveryScreen(contenders[1].exe, art, folder);
  const double afterPeak = after.peakWorkingSet / kMiB;
  std::printf(
      "peak working set after showing every screen once: kinloom.exe %.1f MiB, %+.1f MiB "
      "against the floor (goal at most %+.0f)\n",
      afterPeak, afterPeak - floorPeak, kAfterTourGoalMiB);
  std::printf("kinloom.exe after the tour: %s\n", e2e::Describe(after).c_str());
  std::printf("kinloom.exe size: %zu bytes; floor: %zu bytes\n", FileSize(contenders[1].exe),
              FileSize(contenders[0].exe));
}

int Run(int runs) {
  const std::string art = e2e::WindowsPathOf(KINLOOM_BENCH_ART);
  const std::string folder = e2e::WindowsPathOf(KINLOOM_BENCH_FOLDER);
  // No welcome dialog in the way: the reminder is off.
  WritePrivateProfileStringA("Kin7s", "Reminder", "0", "Brindle.ini");
  // The floor knows no display scale: it paints its 96-DPI picture at every scale.
  const int dpi = e2e::DisplayDpi();
  const POINT floorOrigin = CentredClientOrigin(632, 453);
  const POINT menuOrigin = CentredClientOrigin(ScaleToDpi(632, dpi), ScaleToDpi(453, dpi));
  HDC screen = GetDC(nullptr);
  const COLORREF desktop = GetPixel(screen, menuOrigin.x + 4, menuOrigin.y + 4);
  ReleaseDC(nullptr, screen);
  const e2e::MenuScreen& main = e2e::MainScreen();
  Contender contenders[] = {{"floor",
                             e2e::WindowsPathOf(KINLOOM_BENCH_FLOOR),
                             kFloorTitle,
                             ProbePointsFor(main, art, false, desktop, kBaseDpi),
                             floorOrigin,
                             {},
                             {}},
                            {"kinloom.exe",
                             e2e::WindowsPathOf(KINLOOM_BENCH_MENU),
                             main.title,
                             ProbePointsFor(main, art, true, desktop, dpi),
                             menuOrigin,
                             {},
                             {}}};
  std::printf(
      "Start-up at %d DPI, CreateProcess to fully painted (%zu and %zu probe points), %d runs "
      "each, interleaved, first of each discarded\n",
      dpi, contenders[0].points.size(), contenders[1].points.size(), runs);
  if (!TimeStarts(contenders, runs, folder)) return 1;
  const Summary floor = Summarise(contenders[0].milliseconds);
  const Summary menu = Summarise(contenders[1].milliseconds);
  std::printf("%s\n%s\n", Describe(contenders[0].name, floor).c_str(),
              Describe(contenders[1].name, menu).c_str());
  std::printf("ratio of medians: %.2f (goal at most %.2f)\n", menu.median / floor.median,
              kRatioGoal);
  ReportMemoryAndSize(contenders, art, folder);
  return 0;
}

}  // namespace
}  // namespace kinloom::bench

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : kinloom::bench::kDefaultRuns;
  if (runs < 2) {
    std::fprintf(stderr, "usage: kinloom_startup_bench [runs per side, at least 2]\n");
    return 2;
  }
  try {
    return kinloom::bench::Run(runs);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "kinloom_startup_bench: %s\n", error.what());
    return 1;
  }
}
