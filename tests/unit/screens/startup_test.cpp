// Start-up: the six windows in their order, the settings loaded first, the loop, error reports.
#include <gtest/gtest.h>

#include "launcher/global.h"
#include "screens/main_menu.h"
#include "screens/research_screen.h"
#include "screens/startup.h"
#include "tests/support/fake_system.h"
#include "tests/support/headless_backend.h"

namespace kinloom {
namespace {

// Notes each window as the application creates it.
class CreationLoggingBackend : public HeadlessBackend {
 public:
  std::unique_ptr<NativeWindow> CreateNativeWindow(Window& window) override {
    created.push_back(window.title);
    return HeadlessBackend::CreateNativeWindow(window);
  }
  std::vector<std::string> created;
};

// Notes which windows existed when the settings were first read.
class SettingsLoggingSystem : public FakeSystem {
 public:
  std::string ReadProfileString(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& fallback) override {
    if (key == "KinDir") windowsAtLoad.push_back({frmMain != nullptr, frmResearch != nullptr});
    return FakeSystem::ReadProfileString(file, section, key, fallback);
  }
  std::vector<std::pair<bool, bool>> windowsAtLoad;
};

TEST(StartupTest, CreatesTheWindowsInOrderAndRunsUntilTheMainMenuCloses) {
  CreationLoggingBackend backend;
  SettingsLoggingSystem system;
  system.SetProfileFile("Brindle.ini", "[Kin7s]\r\nKinDir=C:\\Suite\r\nReminder=0\r\n");
  system.AddFile("C:\\Suite\\Tree7s.exe");
  system.FailFolderChanges("Access is denied");
  backend.Then([&] {
    EXPECT_EQ(backend.TopWindow(), frmMain);
    EXPECT_EQ(frmMain->App()->title, "Kinloom 7.0 Solstice Edition");
    EXPECT_EQ(frmMain->App()->MainWindow(), frmMain);
    EXPECT_EQ(Global::ProgramDir, "C:\\Suite\\");
    // An error no handler catches is reported, and the menu carries on.
    backend.Click(*frmMain, {300, 280});
    const std::vector<ErrorReport> reports = backend.TakeErrorReports();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].caption, "Kinloom 7.0 Solstice Edition");
  });
  backend.Then([&] { backend.CloseBox(*frmMain); });

  EXPECT_EQ(RunKinloom(backend, system), 0);
  const std::vector<std::string> order = {
      "Kinloom 7.0 Solstice Edition", "Kinloom Research Center", "Welcome",
      "Kinloom Internet Center",      "Kinloom Family Center",   "Kinloom Tessary Center"};
  EXPECT_EQ(backend.created, order);
  EXPECT_EQ(system.windowsAtLoad, (std::vector<std::pair<bool, bool>>{{true, false}}))
      << "loaded once, by the main menu, before any other window existed";
  EXPECT_EQ(frmMain, nullptr) << "the references go with the windows";
  EXPECT_EQ(system.ProfileWrites().size(), 1u);
}

}  // namespace
}  // namespace kinloom
