// The end-to-end harness on its own: stand-in, world set-up, windows, real input and pixels.
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <gtest/gtest.h>

#include "platform/win32/wide_text.h"
#include "tests/e2e/image.h"
#include "tests/e2e/input.h"
#include "tests/e2e/journal.h"
#include "tests/e2e/processes.h"
#include "tests/e2e/world.h"
#include "tests/support/wait_for.h"
#include "tests/support/window_probe.h"

namespace kinloom::e2e {
namespace {

constexpr char kRoot[] = "C:\\kinloom-e2e-harness";

class HarnessTest : public ::testing::Test {
 protected:
  HarnessTest() : world_(kRoot, WindowsPathOf(KINLOOM_E2E_STAND_IN)) {}

  void SetUp() override {
    world_.Clear();
    world_.MakeFolder("work");
    SetEnvironmentVariableW(kJournalVariable, ToUtf16(Journal()).c_str());
  }

  void TearDown() override {
    EndProcessesUnder(world_.Root() + "\\");
    world_.Clear();
  }

  std::string Journal() const { return world_.At("journal.txt"); }

  std::vector<Launch> WaitForLaunches(size_t count) {
    std::vector<Launch> launches;
    WaitFor([&] { return (launches = ReadJournal(Journal())).size() >= count; });
    return launches;
  }

  static INT_PTR Open(const std::string& file, const std::string& parameters = "",
                      const std::string& folder = "") {
    return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"open", ToUtf16(file).c_str(),
                                                   ToUtf16(parameters).c_str(),
                                                   ToUtf16(folder).c_str(), SW_SHOWNORMAL));
  }

  World world_;
};

// Names from beyond any one code page arrive in the journal as they were given.
TEST_F(HarnessTest, StandInJournalsItsProgramCommandLineAndFolder) {
  const std::string program = "suite \u8868\\Tree7s.exe";
  const std::string folder = "work \u041F\u0430\u043F\u043A\u0430";
  world_.PlaceProgram(program);
  world_.MakeFolder(folder);
  ASSERT_GT(Open(world_.At(program), "one \"two \u5BB6\"", world_.At(folder)), 32);
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0].program, world_.At(program));
  EXPECT_NE(launches[0].commandLine.find("one \"two \u5BB6\""), std::string::npos)
      << Describe(launches[0]);
  EXPECT_EQ(launches[0].folder, world_.At(folder));
}

TEST_F(HarnessTest, ShellRoutingGivesTheOutcomesTheCasesNeed) {
  world_.PlaceProgram("handlers\\browser.exe");
  world_.PlaceFile("disk\\catalog.pdf");
  world_.PlaceFile("disk\\Ellis\\index.htm");
  world_.RouteShellTo("handlers\\browser.exe");
  const std::string url = "http://menu.example/familytree/redirect?target_id=x&prod_id=70994";
  EXPECT_GT(Open(url), 32);
  EXPECT_GT(Open(world_.At("disk\\catalog.pdf"), "", world_.At("disk")), 32);
  EXPECT_GT(Open(world_.At("disk\\Ellis\\index.htm")), 32);
  const std::vector<Launch> launches = WaitForLaunches(3);
  ASSERT_EQ(launches.size(), 3u);
  // Whatever order the three handlers ran in, each received its target verbatim.
  std::string commandLines;
  for (const Launch& launch : launches) commandLines += launch.commandLine + "\n";
  EXPECT_NE(commandLines.find("\"" + url + "\""), std::string::npos) << commandLines;
  EXPECT_NE(commandLines.find(world_.At("disk\\catalog.pdf")), std::string::npos);
  EXPECT_NE(commandLines.find(world_.At("disk\\Ellis\\index.htm")), std::string::npos);

  world_.RoutePdfToMissingProgram();
  EXPECT_EQ(Open(world_.At("disk\\catalog.pdf")), SE_ERR_FNF);
  world_.RemoveDocumentAssociations();
  const INT_PTR unassociated = Open(world_.At("disk\\catalog.pdf"));
  EXPECT_LE(unassociated, 32);
  EXPECT_NE(unassociated, SE_ERR_FNF);
  world_.RemoveWebAssociation();
  EXPECT_LE(Open(url), 32);
}

TEST_F(HarnessTest, PartnerKeysAndSettingsLandWhereTheMenuReadsThem) {
  world_.SetInstallDir(kCensusViewerKey, REG_SZ, std::string("E:\\Viewer") + '\0');
  HKEY key = nullptr;
  ASSERT_EQ(
      RegOpenKeyExA(HKEY_LOCAL_MACHINE, kCensusViewerKey, 0, KEY_READ | kMenuRegistryView, &key),
      ERROR_SUCCESS);
  char value[64] = {};
  DWORD size = sizeof value, type = 0;
  EXPECT_EQ(
      RegQueryValueExA(key, "InstallDir", nullptr, &type, reinterpret_cast<BYTE*>(value), &size),
      ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(value, "E:\\Viewer");
  world_.RemovePartnerKeys();
  EXPECT_NE(
      RegOpenKeyExA(HKEY_LOCAL_MACHINE, kCensusViewerKey, 0, KEY_READ | kMenuRegistryView, &key),
      ERROR_SUCCESS);

  world_.WriteSettings("[Other]\r\nA=1\r\n[Kin7s]\r\nKinDir=C:\\Suite\r\n");
  wchar_t read[64] = {};
  GetPrivateProfileStringW(L"Kin7s", L"KinDir", L"na", read, 64, L"Brindle.ini");
  EXPECT_STREQ(read, L"C:\\Suite");
}

// The demonstration mode of the stand-in: a window found by title, read, and closed by the
// three ways a person closes it.
TEST_F(HarnessTest, DemoWindowIsFoundReadAndClosedWithRealInput) {
  SetEnvironmentVariableW(kJournalVariable, nullptr);
  world_.PlaceProgram("suite\\Chart7s.exe");
  const std::string title = "Chart7s.exe (demonstration stand-in)";
  for (const char* way : {"button", "enter", "close box"}) {
    SCOPED_TRACE(way);
    StartedProcess standIn;
    ASSERT_TRUE(standIn.Start(world_.At("suite\\Chart7s.exe"), world_.At("work")));
    HWND window = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (window = FindShownWindow(title)) != nullptr; }));
    EXPECT_EQ(ReadBox(window).text.find("Kinloom started this program:\r\n" +
                                        world_.At("suite\\Chart7s.exe")),
              0u)
        << Printable(ReadBox(window).text);
    EXPECT_NE(ReadBox(window).text.find(world_.At("work")), std::string::npos);
    if (std::string(way) == "button") {
      // Moved first, to prove a title-bar drag moves another process's window.
      RECT before, after;
      GetWindowRect(window, &before);
      EXPECT_TRUE(DragTitleBar(window, 30, 20));
      GetWindowRect(window, &after);
      EXPECT_EQ(after.left - before.left, 30);
      EXPECT_EQ(after.top - before.top, 20);
      RECT area;
      GetWindowRect(GetDlgItem(window, IDOK), &area);
      ClickAt(CentreOf(area));
    } else if (std::string(way) == "enter") {
      ASSERT_TRUE(WaitUntilReadyForInput(window));
      TapKey(VK_RETURN);
    } else {
      ClickAt(CloseBoxOf(window));
    }
    EXPECT_TRUE(standIn.WaitForExit(kDefaultTimeoutMs));
  }
}

// Wine answers a question about the pointer from the X pointer once the last move is 100 ms old,
// so the X pointer must be where the harness put Wine's.
TEST_F(HarnessTest, PointerIsReadWhereItWasMovedLongAfterTheMove) {
  for (const POINT place : {POINT{40, 30}, POINT{1000, 700}}) {
    MovePointer(place);
    Sleep(250);
    POINT now{};
    ASSERT_TRUE(GetCursorPos(&now));
    EXPECT_EQ(now.x, place.x);
    EXPECT_EQ(now.y, place.y);
  }
}

// A window of the driver's own that paints one frame of an art strip, like a hotspot.
class FramePainter {
 public:
  FramePainter(const Image& strip, int frame, POINT at) : strip_(strip), frame_(frame) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "KinloomFramePainter";
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(WS_EX_TOPMOST, "KinloomFramePainter", "", WS_POPUP | WS_VISIBLE, at.x,
                              at.y, strip.width, strip.height / 3, nullptr, nullptr,
                              windowClass.hInstance, this);
  }
  ~FramePainter() { DestroyWindow(window_); }

  static void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<FramePainter*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message != WM_PAINT || !self) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const int height = self->strip_.height / 3;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = self->strip_.width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    const std::uint32_t* rows = self->strip_.pixels.data() +
                                static_cast<size_t>(self->frame_) * height * self->strip_.width;
    SetDIBitsToDevice(dc, 0, 0, self->strip_.width, height, 0, 0, 0, height, rows, &info,
                      DIB_RGB_COLORS);
    EndPaint(window, &paint);
    return 0;
  }

  const Image& strip_;
  int frame_;
  HWND window_ = nullptr;
};

TEST_F(HarnessTest, ScreenPixelsOfAPaintedFrameMatchThatFrameOfTheArt) {
  const Image strip = LoadBmp(WindowsPathOf(KINLOOM_E2E_ART) + "\\main-artArbora.bmp");
  ASSERT_EQ(strip.width, 185);
  ASSERT_EQ(strip.height, 294);
  const POINT at{101, 77};
  for (int frame = 0; frame < 3; ++frame) {
    SCOPED_TRACE(frame);
    FramePainter painter(strip, frame, at);
    const RECT area{at.x, at.y, at.x + strip.width, at.y + strip.height / 3};
    EXPECT_TRUE(WaitFor([&] {
      FramePainter::Pump();
      return MatchingFrame(strip, CaptureScreen(area)) == frame;
    })) << "mismatches: "
        << FrameMismatches(strip, frame, CaptureScreen(area));
  }
}

}  // namespace
}  // namespace kinloom::e2e
