// Folders beyond ASCII, end to end: the cases that scripts/test runs again under the code pages
// 1251 and 932 (every suite whose name ends in TextTest). This file is UTF-8.
#include "tests/e2e/menu_fixture.h"

namespace kinloom::e2e {
namespace {

using MenuTextTest = MenuTest;

// "00" reads as off, so no welcome dialog comes up, and is written back as "0" at the end: the
// menu then rewrites the file.
std::string Settings(const std::string& programs, const std::string& disk,
                     const std::string& reminder = "00") {
  return "[Kin7s]\r\nKinDir=" + programs + "\r\nCDPath=" + disk + "\r\nReminder=" + reminder +
         "\r\n";
}

// Settings in the system's code page, as the suite's other programs write them, name folders
// without their trailing backslash: the tree program starts from its folder, which becomes
// current, and the disk prompt names the disk folder.
TEST_F(MenuTextTest, FoldersInTheSystemCodePageStartProgramsAndShowInThePrompt) {
  const std::string name = FolderNameOfTheSystemCodePage();
  if (name.empty()) GTEST_SKIP() << "no folder name for code page " << GetACP();
  const std::string programsFolder = "programs\\" + name, diskFolder = "disk\\" + name;
  BuildStandardWorld();
  world_.PlaceProgram(programsFolder + "\\Tree7s.exe");
  world_.MakeFolder(diskFolder);
  const std::string programs = At(programsFolder), disk = At(diskFolder);
  WriteSettings(Settings(programs, disk), SettingsEncoding::kSystemCodePage);
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  Click(main, MainScreen(), "btnArbora");
  ASSERT_EQ(WaitForLaunches(1).size(), 1u);

  Click(main, MainScreen(), "btnTutor");
  const BoxView box = WaitForBox("Confirm");
  ExpectBox(box, "Confirm", "Please insert Kinloom Disk 1 into drive " + disk + "\\",
            {{"OK", kIdOk}, {"Cancel", kIdCancel}});
  world_.PlaceFile(diskFolder + "\\kin.id", "disk 1");
  world_.PlaceProgram(diskFolder + "\\Tutor7s.exe");
  Answer(box, kIdOk);
  const std::vector<Launch> launches = WaitForLaunches(2);
  ASSERT_EQ(launches.size(), 2u);
  ExpectLaunch(launches[0], programsFolder + "\\Tree7s.exe", programsFolder);
  // The tutorial gets no working folder of its own: it shows the menu's current folder.
  ExpectLaunch(launches[1], diskFolder + "\\Tutor7s.exe", programsFolder);
  Click(main, MainScreen(), "btnQuit");
  ExpectMenuEndsWithReminder("0");
  EXPECT_EQ(
      Printable(world_.ReadSettings()),
      Printable(SettingsBytes(Settings(programs, disk, "0"), SettingsEncoding::kSystemCodePage)))
      << "the file is not what it was in the system's code page";
}

// Settings saved as UTF-16, as Notepad can, naming a folder that no one code page of these runs
// can write (谱 is simplified Chinese): the program starts from it, and the file stays UTF-16.
TEST_F(MenuTextTest, Utf16SettingsNameAFolderBeyondTheSystemCodePage) {
  const std::string programs = "家谱";
  BuildStandardWorld();
  world_.PlaceProgram(programs + "\\Tree7s.exe");
  WriteSettings(Settings(At(programs), At("disk")), SettingsEncoding::kUtf16);
  HWND main = StartMenu();
  ASSERT_TRUE(main);
  Click(main, MainScreen(), "btnArbora");
  const std::vector<Launch> launches = WaitForLaunches(1);
  ASSERT_EQ(launches.size(), 1u);
  ExpectLaunch(launches[0], programs + "\\Tree7s.exe", programs);
  Click(main, MainScreen(), "btnQuit");
  ExpectMenuEndsWithReminder("0");
  EXPECT_EQ(
      Printable(world_.ReadSettings()),
      Printable(SettingsBytes(Settings(At(programs), At("disk"), "0"), SettingsEncoding::kUtf16)))
      << "the file is not what it was in UTF-16";
}

}  // namespace
}  // namespace kinloom::e2e
