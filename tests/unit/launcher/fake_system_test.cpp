// The fake machine keeps the real profile service's, registry's and file system's rules.
#include "tests/support/fake_system.h"

#include <gtest/gtest.h>

namespace kinloom {
namespace {

TEST(FakeSystemProfile, ReadsLikeTheProfileService) {
  FakeSystem system;
  system.SetProfileFile("Brindle.ini",
                        "[Kin7s]\r\n  KinDir =  C:\\Kin  \r\nQuoted=\"a b\"\r\nHalf=\"a\r\n"
                        "Single='x'\r\nEmpty=\r\nLong=" +
                            std::string(2100, 'x') + "\r\n[Kin7s]\r\nLater=1\r\n");
  const std::pair<std::string, std::string>
      cases[] =
          {
              {"kindir", "C:\\Kin"}, {"QUOTED", "a b"}, {"Half", "\"a"},
              {"Single", "x"},       {"Empty", ""},     {"Missing", "fallback"},
              {"Later", "fallback"},  // only the first section of a name is read
          };
  for (const auto& [key, expected] : cases) {
    SCOPED_TRACE(key);
    EXPECT_EQ(system.ReadProfileString("BRINDLE.INI", "kin7s", key, "fallback"), expected);
  }
  EXPECT_EQ(system.ReadProfileString("Brindle.ini", "Kin7s", "Long", "").size(), 2047u);
  EXPECT_EQ(system.ReadProfileString("Brindle.ini", "Other", "KinDir", "d"), "d");
  EXPECT_EQ(system.ReadProfileString("None.ini", "Kin7s", "KinDir", "d"), "d");
}

TEST(FakeSystemProfile, WritesReplaceAddAndKeepTheRest) {
  FakeSystem system;
  system.SetProfileFile("a.ini", "[One]\nk=1\nOther=2\n[Two]\nk=3\n");
  EXPECT_TRUE(system.WriteProfileString("A.INI", "one", "K", "9"));
  EXPECT_TRUE(system.WriteProfileString("a.ini", "Three", "New", "4"));
  EXPECT_EQ(system.ProfileFileText("a.ini"),
            "[One]\r\nk=9\r\nOther=2\r\n[Two]\r\nk=3\r\n[Three]\r\nNew=4\r\n");
  system.FailProfileWrites(true);
  EXPECT_FALSE(system.WriteProfileString("a.ini", "One", "k", "0"));
  EXPECT_EQ(system.ReadProfileString("a.ini", "One", "k", ""), "9");
  EXPECT_EQ(system.ProfileWrites().size(), 2u);
}

TEST(FakeSystemRegistry, OneLeadingBackslashIsDroppedAndNamesIgnoreCase) {
  FakeSystem system;
  system.SetRegistryString("Software\\Maker\\App", "InstallDir", "C:\\App");
  for (const char* path : {"Software\\Maker\\App", "\\software\\maker\\app"}) {
    SCOPED_TRACE(path);
    RegistryValue value = system.ReadMachineString(path, "installdir");
    EXPECT_EQ(value.outcome, RegistryOutcome::kText);
    EXPECT_EQ(value.text, "C:\\App");
  }
  EXPECT_EQ(system.ReadMachineString("\\\\Software\\Maker\\App", "InstallDir").outcome,
            RegistryOutcome::kCannotOpen);
  EXPECT_EQ(system.OpenedRegistryKeys().size(), 2u);
}

TEST(FakeSystemFiles, PathsResolveLikeWindows) {
  FakeSystem system;
  system.AddFile("C:\\Kinloom\\Sub\\Prog.exe");
  EXPECT_TRUE(system.FileExists("c:\\kinloom\\sub\\PROG.EXE"));
  EXPECT_TRUE(system.FileExists("Sub\\Prog.exe"));
  EXPECT_TRUE(system.FileExists("C:\\Kinloom\\\\Sub\\.\\Prog.exe"));
  EXPECT_TRUE(system.FileExists("C:/Kinloom/Sub/Prog.exe"));
  EXPECT_FALSE(system.FileExists("C:\\Kinloom\\Sub"));
  EXPECT_FALSE(system.FileExists("C:\\Kinloom\\Sub\\Prog.exe\\"));
  EXPECT_TRUE(system.FolderExists("C:\\Kinloom\\Sub"));
  EXPECT_FALSE(system.FolderExists("C:\\Kinloom\\Sub\\Prog.exe"));

  std::string error;
  EXPECT_TRUE(system.SetCurrentFolder("Sub", error));
  EXPECT_EQ(system.CurrentFolder(), "C:\\Kinloom\\Sub");
  EXPECT_TRUE(system.FileExists("Prog.exe"));
  EXPECT_FALSE(system.SetCurrentFolder("Gone", error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(system.CurrentFolder(), "C:\\Kinloom\\Sub");
}

TEST(FakeSystemShellAndWindows, RecordsCallsAndAnswersFromItsScript) {
  FakeSystem system;
  system.QueueShellCode(2);
  EXPECT_EQ(system.ShellOpen("a", "", ""), 2u);
  EXPECT_EQ(system.ShellOpen("b", "", ""), 42u);
  EXPECT_EQ(system.ShellCalls()[1].currentFolder, "C:\\Kinloom");
  system.AddWindow("Software License Agreement");
  EXPECT_TRUE(system.BringWindowToForeground("Software License Agreement"));
  EXPECT_FALSE(system.BringWindowToForeground("software license agreement"));
  EXPECT_EQ(system.ForegroundRequests().size(), 2u);
}

}  // namespace
}  // namespace kinloom
