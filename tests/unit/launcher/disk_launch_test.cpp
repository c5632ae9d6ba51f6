// Prompting for a disk, running installers from it, and starting programs that need it.
#include "launcher_fixture.h"

namespace kinloom {
namespace {

using Global::DiskProgram;

class DiskLaunchTest : public LauncherTest {
 protected:
  void SetUp() override {
    LauncherTest::SetUp();
    Global::CdPath = "E:\\";
  }

  void ExpectPrompts(size_t count, const std::string& label) {
    ASSERT_EQ(boxes.Shown().size(), count);
    for (const MessageBoxModel& box : boxes.Shown()) {
      EXPECT_EQ(box.text, "Please insert Kinloom Disk " + label + " into drive E:\\");
      EXPECT_EQ(box.caption, "Confirm");
      ASSERT_EQ(box.buttons.size(), 2u);
      EXPECT_EQ(box.buttons[0].caption, "OK");
      EXPECT_EQ(box.buttons[1].caption, "Cancel");
    }
  }
};

struct VariantCase {
  DiskProgram program;
  const char* subFolder;
  const char* path;
  const char* folder;
};

TEST_F(DiskLaunchTest, EachVariantRunsItsProgramInItsWorkingFolder) {
  const VariantCase cases[] = {
      {DiskProgram::kSetup, "flete", "E:\\flete\\setup.exe", "E:\\"},
      {DiskProgram::kSetup, "", "E:\\setup.exe", "E:\\"},
      {DiskProgram::kInstall, "", "E:\\install.exe", "E:\\"},
      {DiskProgram::kReaderSetup, "Adobe\\", "E:\\Adobe\\rs405eng.exe", "E:\\"},
      {DiskProgram::kTutorial, "", "E:\\Tutor7s.exe", ""},
  };
  system.AddFile("E:\\disk.id");
  for (const VariantCase& c : cases) {
    SCOPED_TRACE(c.path);
    system.AddFile(c.path);
    EXPECT_TRUE(Global::RunFromDisk(c.program, "disk.id", c.subFolder, "2 (Framelet)"));
    ASSERT_FALSE(system.ShellCalls().empty());
    EXPECT_EQ(system.ShellCalls().back().file, c.path);
    EXPECT_EQ(system.ShellCalls().back().parameters, "");
    EXPECT_EQ(system.ShellCalls().back().folder, c.folder);
  }
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(DiskLaunchTest, CancelAtTheFirstPromptGivesUpWithFalse) {
  boxes.Answer(kResultCancel);
  EXPECT_FALSE(Global::RunFromDisk(DiskProgram::kSetup, "flet.id", "flete", "2 (Framelet)"));
  ExpectPrompts(1, "2 (Framelet)");
  EXPECT_TRUE(system.ShellCalls().empty());
}

TEST_F(DiskLaunchTest, OkAfterInsertingTheDiskLooksAgainAndStarts) {
  boxes.Answer(kResultOk, [this] {
    system.AddFile("E:\\TYIIF.DAT");
    system.AddFile("E:\\setup.exe");
  });
  EXPECT_TRUE(
      Global::RunFromDisk(DiskProgram::kSetup, "TYIIF.DAT", "", "13, 14, or 15 Census Records"));
  ExpectPrompts(1, "13, 14, or 15 Census Records");
  EXPECT_EQ(ShellFiles(), std::vector<std::string>{"E:\\setup.exe"});
}

// An arrival is judged as OK judges: the marker, and for an installer the installer too.
TEST_F(DiskLaunchTest, DiskArrivingUnderThePromptEndsItOnlyOnceEverythingIsThere) {
  boxes.DiskArrives([this] { system.AddFile("E:\\PY_Land.id"); });
  boxes.DiskArrives([this] { system.AddFile("E:\\flet.id"); });
  boxes.DiskArrives([this] { system.AddFile("E:\\flete\\setup.exe"); });
  EXPECT_TRUE(Global::RunFromDisk(DiskProgram::kSetup, "flet.id", "flete", "2 (Framelet)"));
  ExpectPrompts(1, "2 (Framelet)");
  EXPECT_EQ(ShellFiles(), std::vector<std::string>{"E:\\flete\\setup.exe"});
}

TEST_F(DiskLaunchTest, MarkerWithoutItsProgramIsAskedForUntilCancel) {
  system.AddFile("E:\\PY_Marr.id");
  boxes.Answer(kResultOk);
  boxes.Answer(kResultOk);
  boxes.Answer(kResultCancel);
  EXPECT_FALSE(
      Global::RunFromDisk(DiskProgram::kInstall, "PY_Marr.id", "", "17 (Marriage Records)"));
  ExpectPrompts(3, "17 (Marriage Records)");
  EXPECT_TRUE(system.ShellCalls().empty());
}

TEST_F(DiskLaunchTest, MarkerIsLookedForBeforeTheProgram) {
  system.AddFile("E:\\PY_Land.id");
  system.AddFile("E:\\install.exe");
  EXPECT_TRUE(Global::RunFromDisk(DiskProgram::kInstall, "PY_Land.id", "", "18"));
  EXPECT_EQ(system.FileLookups(), (std::vector<std::string>{"E:\\PY_Land.id", "E:\\install.exe"}));
}

TEST_F(DiskLaunchTest, ProgramWithoutItsMarkerIsNotRun) {
  system.AddFile("E:\\install.exe");
  boxes.Answer(kResultCancel);
  EXPECT_FALSE(Global::RunFromDisk(DiskProgram::kInstall, "PY_Land.id", "", "18"));
  EXPECT_TRUE(system.ShellCalls().empty());
}

// Callers end the launcher when an installer is reported started, so a refusal must say false.
TEST_F(DiskLaunchTest, InstallerTheShellRefusesIsReportedAsNotStarted) {
  system.AddFile("E:\\flet.id");
  system.AddFile("E:\\flete\\setup.exe");
  for (std::uintptr_t code : {0u, 2u, 32u}) {
    SCOPED_TRACE(code);
    system.QueueShellCode(code);
    EXPECT_FALSE(Global::RunFromDisk(DiskProgram::kSetup, "flet.id", "flete", "2 (Framelet)"));
  }
  system.QueueShellCode(33);
  EXPECT_TRUE(Global::RunFromDisk(DiskProgram::kSetup, "flet.id", "flete", "2 (Framelet)"));
  EXPECT_EQ(system.ShellCalls().size(), 4u) << "one attempt each, no retry";
  EXPECT_TRUE(boxes.Shown().empty()) << "nothing new is reported";
}

TEST_F(DiskLaunchTest, UnsetDrivePathIsTestedRelativeToTheCurrentFolder) {
  Global::CdPath = "na\\";
  system.AddFile("C:\\Kinloom\\na\\kin.id");
  boxes.Answer(kResultOk, [this] { system.AddFile("C:\\Kinloom\\na\\Tutor7s.exe"); });
  EXPECT_TRUE(Global::RunFromDisk(DiskProgram::kTutorial, "kin.id", "", "1"));
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Please insert Kinloom Disk 1 into drive na\\"});
  EXPECT_EQ(ShellFiles(), std::vector<std::string>{"na\\Tutor7s.exe"});
}

TEST_F(DiskLaunchTest, LaunchWithDiskStartsTheInstalledProgramOnceTheMarkerIsThere) {
  system.AddFile("F:\\Viewer\\tyviewer.exe");
  system.AddFile("E:\\tyviewer.exe");
  const std::string label =
      "13 (New York), 14 (Philadephia), or 15  (Charleston) Census Records CD";
  boxes.Answer(kResultOk);
  boxes.Answer(kResultOk, [this] { system.AddFile("E:\\TYIIF.DAT"); });
  Global::LaunchWithDisk("F:\\Viewer", "tyviewer.exe", "Census Records", "TYIIF.DAT", label);
  ExpectPrompts(2, label);
  EXPECT_EQ(ShellFiles(), std::vector<std::string>{"F:\\Viewer\\tyviewer.exe"});
}

TEST_F(DiskLaunchTest, LaunchWithDiskCancelledDoesNothingMore) {
  system.AddFile("F:\\parcelry.exe");
  boxes.Answer(kResultCancel);
  Global::LaunchWithDisk("F:\\", "parcelry.exe", "Marriage Records", "PY_Marr.id",
                         "17 (Marriage Records)");
  ExpectPrompts(1, "17 (Marriage Records)");
  EXPECT_TRUE(system.ShellCalls().empty());
}

TEST_F(DiskLaunchTest, LaunchWithDiskNeverRunsTheProgramFromTheDisk) {
  system.AddFile("E:\\TY_Ship.id");
  system.AddFile("E:\\parcelry.exe");
  boxes.Answer(kResultCancel);
  Global::LaunchWithDisk("", "parcelry.exe", "Immigrant Ships and Catalog", "TY_Ship.id",
                         "19 (Immigrant Ships and Catalog)");
  EXPECT_TRUE(system.ShellCalls().empty());
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{
                            "Cannot locate the Immigrant Ships and Catalog executable file.  "
                            "Please reinstall Kinloom\u00AE to ensure correct operation."});
}

}  // namespace
}  // namespace kinloom
