// The welcome dialog: its controls, its four endings, and what the main menu makes of them.
#include <gtest/gtest.h>

#include "screens/welcome_dialog.h"
#include "tests/unit/screens/screens_fixture.h"

namespace kinloom {
namespace {

using WelcomeDialogTest = ScreensTest;

TEST_F(WelcomeDialogTest, ControlsAsLaidOut) {
  TfrmWelcome& welcome = *frmWelcome;
  EXPECT_EQ(welcome.title, "Welcome");
  EXPECT_EQ(welcome.border, BorderStyle::kDialog);
  EXPECT_TRUE(welcome.centredOnFirstShow);
  EXPECT_FALSE(welcome.minimizeBox);
  EXPECT_EQ((Size{welcome.clientWidth, welcome.clientHeight}), (Size{465, 183}));
  EXPECT_EQ(welcome.fontName, "MS Sans Serif");
  EXPECT_EQ(welcome.fontPointSize, 8);

  const struct {
    const Control* control;
    Rect bounds;
  } controls[] = {
      {&welcome.btnOK, Rect::FromSize(384, 8, 75, 25)},
      {&welcome.chkReminder, Rect::FromSize(9, 160, 392, 17)},
      {&welcome.bvlFrame, Rect::FromSize(4, 7, 144, 108)},
      {&welcome.artTutorial, Rect::FromSize(6, 9, 139, 103)},
      {&welcome.lblWelcome, Rect::FromSize(159, 8, 218, 145)},
      {&welcome.btnCancel, Rect::FromSize(384, 37, 75, 25)},
      {&welcome.lblQuestion, Rect::FromSize(158, 123, 3, 16)},
  };
  ASSERT_EQ(welcome.Controls().size(), std::size(controls));
  for (std::size_t i = 0; i < std::size(controls); ++i) {
    SCOPED_TRACE(controls[i].control->name);
    EXPECT_EQ(welcome.Controls()[i], controls[i].control) << "declaration order";
    EXPECT_EQ(controls[i].control->Bounds(), controls[i].bounds);
  }
  EXPECT_EQ(welcome.btnOK.caption, "OK");
  EXPECT_EQ(welcome.btnOK.id, 1);
  EXPECT_TRUE(welcome.btnOK.isDefault);
  EXPECT_EQ(welcome.btnCancel.caption, "Cancel");
  EXPECT_EQ(welcome.btnCancel.id, 2);
  EXPECT_TRUE(welcome.btnCancel.isCancel);
  EXPECT_EQ(welcome.chkReminder.caption, "Do not show this reminder again");
  EXPECT_FALSE(welcome.chkReminder.checked);
  EXPECT_EQ((std::vector<int>{welcome.btnOK.tabOrder, welcome.btnCancel.tabOrder,
                              welcome.chkReminder.tabOrder}),
            (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(welcome.lblWelcome.text,
            "Get Started Fast!\r\n\r\nThe Kinloom tutorial provides a fun, quick overview of the "
            "important tools in this package that help you research and record your family "
            "history.\r\nTo begin the tutorial, click on the OK button now.");
  EXPECT_TRUE(welcome.lblWelcome.wordWrap);
  EXPECT_TRUE(welcome.lblQuestion.autoSize);
  EXPECT_EQ(welcome.lblQuestion.text, "");
  EXPECT_TRUE(welcome.artTutorial.Image().IsEmpty()) << "decoded before it was needed";
  welcome.Show();
  EXPECT_EQ(welcome.artTutorial.Image().GetSize(), (Size{139, 103}));
  EXPECT_EQ(welcome.artTutorial.Image().SourceBitsPerPixel(), 24);
}

// The dialog as the main menu offers it at its first activation, ended each way in turn; the
// flag it leaves is what the main menu writes at exit.
struct Ending {
  const char* name;
  bool checkBox;
  std::function<void(HeadlessBackend&, Window&)> end;
  bool tutorialStarts;
  const char* written;
};

void PrintTo(const Ending& ending, std::ostream* os) {
  *os << ending.name;
}

class WelcomeEndingTest : public ScreensTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(WelcomeEndingTest, LeavesTheReminderFlag) {
  const Ending& ending = GetParam();
  system.SetProfileFile("Brindle.ini", "[Kin7s]\r\nKinDir=C:\\Suite\r\n");  // reminder on
  system.AddFile("C:\\Suite\\Tutor7s.exe");
  backend.Then([&] {
    if (ending.checkBox) backend.ToggleCheckBox(*frmWelcome, frmWelcome->chkReminder.id);
    ending.end(backend, *frmWelcome);
  });
  backend.Then([&] { backend.CloseBox(*frmMain); });
  app.Run();
  EXPECT_EQ(system.ShellCalls().size(), ending.tutorialStarts ? 1u : 0u);
  ASSERT_EQ(system.ProfileWrites().size(), 1u);
  EXPECT_EQ(system.ProfileWrites()[0].key, "Reminder");
  EXPECT_EQ(system.ProfileWrites()[0].value, ending.written);
}

auto Press(int id) {
  return [id](HeadlessBackend& backend, Window& window) { backend.PressButton(window, id); };
}
auto PressKey(Key key) {
  return [key](HeadlessBackend& backend, Window& window) { backend.PressKey(window, key); };
}
void CloseBox(HeadlessBackend& backend, Window& window) {
  backend.CloseBox(window);
}

INSTANTIATE_TEST_SUITE_P(
    FourEndings, WelcomeEndingTest,
    ::testing::Values(Ending{"OK", false, Press(1), true, "0"},
                      Ending{"OKChecked", true, Press(1), true, "0"},
                      Ending{"Enter", false, PressKey(Key::kEnter), true, "0"},
                      Ending{"Cancel", false, Press(2), false, "1"},
                      Ending{"Escape", false, PressKey(Key::kEscape), false, "1"},
                      Ending{"CancelChecked", true, Press(2), false, "0"},
                      Ending{"EscapeChecked", true, PressKey(Key::kEscape), false, "0"},
                      Ending{"CloseBox", false, CloseBox, false, "0"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(WelcomeDialogTest, CloseBoxLeavesTheFlagAsItWas) {
  Global::ShowReminder = true;
  backend.Then([&] { backend.CloseBox(*frmWelcome); });
  EXPECT_EQ(app.ShowModal(*frmWelcome), 2);
  EXPECT_TRUE(Global::ShowReminder);
}

}  // namespace
}  // namespace kinloom
