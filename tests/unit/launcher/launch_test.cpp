// The shell, installed programs, the current folder and the message boxes of the launcher.
#include <cstdint>
#include <limits>

#include "launcher_fixture.h"
#include "platform/error.h"

namespace kinloom {
namespace {

const std::string kMissingNames =
    "Cannot locate the Names Glossary executable file.  "
    "Please reinstall Kinloom\u00AE to ensure correct operation.";

using LaunchTest = LauncherTest;

TEST_F(LaunchTest, ShellCodesAboveThirtyTwoAreSuccess) {
  const std::pair<std::uintptr_t, bool> codes[] = {
      {0, false},
      {2, false},
      {31, false},
      {32, false},
      {33, true},
      {42, true},
      {std::numeric_limits<std::uintptr_t>::max(), true},
  };
  for (const auto& [code, ok] : codes) {
    SCOPED_TRACE(code);
    system.QueueShellCode(code);
    EXPECT_EQ(Global::ShellOpenOk("doc.pdf", "-p", "C:\\Work\\"), ok);
  }
  system.QueueShellCode(31);
  EXPECT_EQ(Global::ShellOpen("http://x/?a=1&b=2", "", ""), 31u);
  const ShellCall& first = system.ShellCalls().front();
  EXPECT_EQ(first.file, "doc.pdf");
  EXPECT_EQ(first.parameters, "-p");
  EXPECT_EQ(first.folder, "C:\\Work\\");
  EXPECT_EQ(system.ShellCalls().back().file, "http://x/?a=1&b=2");
}

TEST_F(LaunchTest, InstalledFolderComesBeforeTheCurrentFolder) {
  system.AddFile("D:\\Suite\\names7s.exe");
  system.AddFile("C:\\Kinloom\\names7s.exe");
  Global::LaunchInstalled("D:\\Suite", "names7s.exe", "Names Glossary");
  ASSERT_EQ(system.ShellCalls().size(), 1u);
  EXPECT_EQ(system.ShellCalls()[0].file, "D:\\Suite\\names7s.exe");
  EXPECT_EQ(system.ShellCalls()[0].parameters, "");
  EXPECT_EQ(system.ShellCalls()[0].folder, "");
}

TEST_F(LaunchTest, CurrentFolderAsItIsWhenCalledIsTheFallback) {
  system.AddFile("C:\\Kinloom\\names7s.exe");
  system.AddFile("C:\\Kinloom\\Charts\\names7s.exe");
  Global::LaunchInstalled("D:\\Suite\\", "names7s.exe", "Names Glossary");
  Global::ChangeCurrentFolder("C:\\Kinloom\\Charts");
  Global::LaunchInstalled("D:\\Suite\\", "names7s.exe", "Names Glossary");
  Global::LaunchInstalled("", "names7s.exe", "Names Glossary");
  EXPECT_EQ(ShellFiles(), (std::vector<std::string>{"C:\\Kinloom\\names7s.exe",
                                                    "C:\\Kinloom\\Charts\\names7s.exe",
                                                    "C:\\Kinloom\\Charts\\names7s.exe"}));
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(LaunchTest, ProgramFoundNowhereShowsTheErrorBoxOnce) {
  boxes.Answer(kResultCancel);
  Global::LaunchInstalled("", "names7s.exe", "Names Glossary");
  EXPECT_EQ(system.FileLookups(),
            (std::vector<std::string>{"C:\\Kinloom\\names7s.exe", "C:\\Kinloom\\names7s.exe"}));
  EXPECT_TRUE(system.ShellCalls().empty());
  ASSERT_EQ(boxes.Shown().size(), 1u);
  const MessageBoxModel& box = boxes.Shown()[0];
  EXPECT_EQ(box.text, kMissingNames);
  EXPECT_EQ(box.caption, "Error");
  ASSERT_EQ(box.buttons.size(), 1u);
  EXPECT_EQ(box.buttons[0].caption, "Cancel");
}

TEST_F(LaunchTest, ProgramTheShellRefusesIsNotReported) {
  system.AddFile("C:\\Kinloom\\names7s.exe");
  system.QueueShellCode(2);
  Global::LaunchInstalled("", "names7s.exe", "Names Glossary");
  EXPECT_EQ(system.ShellCalls().size(), 1u);
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(LaunchTest, CurrentFolderEndsInOneBackslash) {
  EXPECT_EQ(Global::CurrentFolder(), "C:\\Kinloom\\");
  Global::ChangeCurrentFolder("C:\\");
  EXPECT_EQ(Global::CurrentFolder(), "C:\\");
}

TEST_F(LaunchTest, FailedChangeOfFolderRaisesAnErrorNamingItAndChangesNothing) {
  try {
    Global::ChangeCurrentFolder("D:\\Gone");
    FAIL() << "no error raised";
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(),
                 "Unable to change the current folder to D:\\Gone: "
                 "The system cannot find the path specified.");
  }
  EXPECT_EQ(Global::CurrentFolder(), "C:\\Kinloom\\");
}

TEST_F(LaunchTest, TutorialLooksInTheProgramFolderThenTheCurrentFolderThenOnDiskOne) {
  Global::ProgramDir = "D:\\Suite\\";
  Global::CdPath = "E:\\";
  system.AddFile("D:\\Suite\\Tutor7s.exe");
  system.AddFile("C:\\Kinloom\\Tutor7s.exe");
  system.AddFile("E:\\kin.id");
  system.AddFile("E:\\Tutor7s.exe");
  Global::StartTutorial();
  system.RemoveFile("D:\\Suite\\Tutor7s.exe");
  Global::StartTutorial();
  system.RemoveFile("C:\\Kinloom\\Tutor7s.exe");
  Global::StartTutorial();
  EXPECT_EQ(ShellFiles(),
            (std::vector<std::string>{"D:\\Suite\\Tutor7s.exe", "C:\\Kinloom\\Tutor7s.exe",
                                      "E:\\Tutor7s.exe"}));
  for (const ShellCall& call : system.ShellCalls()) EXPECT_EQ(call.folder, "");
  EXPECT_TRUE(boxes.Shown().empty());
}

TEST_F(LaunchTest, TutorialPromptsForDiskOneAndGivesUpSilently) {
  Global::ProgramDir = "D:\\Suite\\";
  Global::CdPath = "E:\\";
  boxes.Answer(kResultCancel);
  Global::StartTutorial();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Please insert Kinloom Disk 1 into drive E:\\"});
  EXPECT_TRUE(system.ShellCalls().empty());
}

TEST_F(LaunchTest, MissingHtmlAssociationShowsTheAddressLiterally) {
  boxes.Answer(kResultOk);
  Global::ReportNoHtmlAssociation(
      "http://www.example.com/familytree/redirect?target_id=3&prod_id=70994");
  ASSERT_EQ(boxes.Shown().size(), 1u);
  const MessageBoxModel& box = boxes.Shown()[0];
  EXPECT_EQ(box.text,
            "Kinloom\u00AE was unable to locate an association for .HTML files on this system.  "
            "To access the web page, launch your browser and open "
            "http://www.example.com/familytree/redirect?target_id=3&prod_id=70994");
  EXPECT_EQ(box.caption, "Error");
  ASSERT_EQ(box.buttons.size(), 1u);
  EXPECT_EQ(box.buttons[0].caption, "OK");
}

TEST_F(LaunchTest, MessageBoxReturnsTheAnswerOfTheBoxItBuilt) {
  boxes.Answer(kResultYes);
  EXPECT_EQ(Global::ShowMessageBox("Install now?", kMsgConfirmation, kMbYes | kMbNo | kMbCancel, 0),
            kResultYes);
  const MessageBoxModel& box = boxes.Shown()[0];
  EXPECT_EQ(box.caption, "Confirm");
  EXPECT_EQ(box.icon, MessageIcon::kQuestion);
  EXPECT_EQ(box.text, "Install now?");
  EXPECT_EQ(box.buttons.size(), 3u);
}

}  // namespace
}  // namespace kinloom
