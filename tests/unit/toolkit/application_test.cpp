// The application object: creation order, modal runs, closing, and the default error report.
#include "platform/toolkit/application.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/toolkit/art_reduction.h"
#include "tests/support/headless_backend.h"
#include "tests/support/same_pixels.h"
#include "tests/unit/toolkit/test_form.h"

namespace kinloom::toolkit_test {
namespace {

class FailingForm : public TestForm {
 public:
  void FormCreate() override { throw Error("Cannot read the layout"); }
};

// A dialog with the standard controls: OK (default), Cancel (cancel) and a check box.
class Dialog : public Window {
 public:
  Dialog() {
    ok.id = 1;
    ok.isDefault = true;
    cancel.id = 2;
    cancel.isCancel = true;
    check.id = 10;
    for (Control* control : std::initializer_list<Control*>{&ok, &check, &cancel}) Add(*control);
    ok.OnClick = [this] { SetModalResult(1); };
    cancel.OnClick = [this] { SetModalResult(checked() ? 3 : 2); };
  }
  bool checked() const { return check.checked; }

  PushButton ok, cancel;
  CheckBox check;
};

class ApplicationTest : public ::testing::Test {
 protected:
  HeadlessBackend backend;
  Application app{backend};
};

TEST(ErrorReportText, AddsAFullStopOnlyAfterCharactersThatSortAfterIt) {
  const struct {
    std::string text;
    std::string shown;
  } cases[] = {
      {"Unable to write to Brindle.ini", "Unable to write to Brindle.ini."},
      {"Done.", "Done."},
      {"Really!", "Really!"},
      {"a, b,", "a, b,"},
      {"dash-", "dash-"},
      {"C:\\KIN7\\", "C:\\KIN7\\."},
      {"path/", "path/."},
      {"Kinloom\u00AE", "Kinloom\u00AE."},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ErrorReportText(c.text), c.shown);
  }
}

TEST_F(ApplicationTest, ArtIs1xAt96DpiAnd2xAt192AndThe2xArtReducedAtOtherScales) {
  const Rect placed{10, 5, 14, 8};  // two frames of 4 x 3
  const Bitmap art1x(4, 6, std::vector<std::uint32_t>{0x123456});
  Bitmap art2x(8, 12);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 8; ++x) art2x.SetPixel(x, y, (x * 30u) << 16 | (y * 20u));
  }
  backend.SetArt("main-artProbe", art1x, 1);
  backend.SetArt("main-artProbe", art2x, 2);
  EXPECT_TRUE(SamePixels(app.LoadArt("main-artProbe", placed, 2, 96), art1x));
  EXPECT_TRUE(app.LoadArt("main-artProbe", placed, 2, 96).IsIndexed()) << "kept as it is";
  EXPECT_TRUE(SamePixels(app.LoadArt("main-artProbe", placed, 2, 192), art2x));
  EXPECT_TRUE(
      SamePixels(app.LoadArt("main-artProbe", placed, 2, 144), ReduceArt(art2x, placed, 2, 144)));
  const std::vector<std::pair<std::string, int>> loads{
      {"main-artProbe", 1}, {"main-artProbe", 1}, {"main-artProbe", 2}, {"main-artProbe", 2}};
  EXPECT_EQ(backend.ArtLoads(), loads);

  backend.SetArt("main-artProbe", Bitmap(4, 7), 1);
  backend.SetArt("main-artProbe", Bitmap(9, 12), 2);
  for (int dpi : {96, 144, 192}) {
    try {
      app.LoadArt("main-artProbe", placed, 2, dpi);
      ADD_FAILURE() << "art that does not fit its place was taken at " << dpi;
    } catch (const Error& error) {
      EXPECT_NE(std::string(error.what()).find("main-artProbe"), std::string::npos) << dpi;
    }
  }
}

TEST_F(ApplicationTest, FirstFormIsTheMainWindowAndEachIsCreatedOnceAndHidden) {
  TestForm* first = nullptr;
  TestForm* second = nullptr;
  app.CreateForm(first);
  app.CreateForm(second);
  EXPECT_EQ(app.MainWindow(), first);
  EXPECT_TRUE(first->IsMainWindow());
  EXPECT_FALSE(second->IsMainWindow());
  for (TestForm* form : {first, second}) {
    EXPECT_EQ(form->formCreates, 1);
    ASSERT_NE(form->Native(), nullptr);
    EXPECT_FALSE(HeadlessBackend::NativeOf(*form).IsShown());
    EXPECT_EQ(form->App(), &app);
  }
}

TEST_F(ApplicationTest, AFailingFormCreateIsReportedAndTheFormStillExists) {
  app.title = "Kinloom";
  FailingForm* form = nullptr;
  app.CreateForm(form);
  ASSERT_NE(form, nullptr);
  EXPECT_NE(form->Native(), nullptr);
  const std::vector<ErrorReport> reports = backend.TakeErrorReports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].caption, "Kinloom");
  EXPECT_EQ(reports[0].text, "Cannot read the layout.");
}

TEST_F(ApplicationTest, GuardReportsAndCarriesOn) {
  app.title = "Kinloom 7.0 Solstice Edition";
  int after = 0;
  app.Guard([] { throw Error("Unable to write to Brindle.ini"); });
  ++after;
  app.Guard([] { throw 42; });
  ++after;
  app.Guard([&] { ++after; });
  EXPECT_EQ(after, 3);
  const std::vector<ErrorReport> reports = backend.TakeErrorReports();
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].caption, "Kinloom 7.0 Solstice Edition");
  EXPECT_EQ(reports[0].text, "Unable to write to Brindle.ini.");
  EXPECT_EQ(reports[1].text, ErrorReportText(Application::kUnknownErrorText));
}

TEST_F(ApplicationTest, ModalRunsReturnTheirResult) {
  TestForm* main = nullptr;
  Dialog* dialog = nullptr;
  app.CreateForm(main);
  app.CreateForm(dialog);
  // clang-format off
  const struct {
    const char* how;
    std::function<void()> act;
    int result;
  } cases[] = {
    {"OK button",                  [&] { backend.PressButton(*dialog, 1); }, 1},
    {"Cancel button",              [&] { backend.PressButton(*dialog, 2); }, 2},
    {"Enter",                      [&] { backend.PressKey(*dialog, Key::kEnter); }, 1},
    {"Escape",                     [&] { backend.PressKey(*dialog, Key::kEscape); }, 2},
    {"Escape, box checked",        [&] { backend.ToggleCheckBox(*dialog, 10); backend.PressKey(*dialog, Key::kEscape); }, 3},
    {"unknown id, then close box", [&] { backend.PressButton(*dialog, 7); backend.CloseBox(*dialog); }, kModalCloseResult},
  };
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    dialog->check.checked = false;
    backend.Then(c.act);
    EXPECT_EQ(app.ShowModal(*dialog), c.result);
    EXPECT_FALSE(dialog->IsModal());
    EXPECT_FALSE(dialog->IsVisible());
  }
}

TEST_F(ApplicationTest, CloseBoxEndsAModalWindowWithoutRunningHandlers) {
  TestForm* main = nullptr;
  TestForm* sub = nullptr;
  app.CreateForm(main);
  app.CreateForm(sub);
  int closes = 0;
  sub->OnClose = [&] { ++closes; };
  backend.Then([&] { backend.CloseBox(*sub); });
  EXPECT_EQ(app.ShowModal(*sub), 2);
  EXPECT_EQ(closes, 0);
  EXPECT_FALSE(sub->IsClosed());
}

TEST_F(ApplicationTest, ShowingAModalWindowModallyAgainIsRefused) {
  TestForm* main = nullptr;
  app.CreateForm(main);
  backend.Then([&] {
    EXPECT_THROW(app.ShowModal(*main), Error);
    main->SetModalResult(1);
  });
  EXPECT_EQ(app.ShowModal(*main), 1);
}

TEST_F(ApplicationTest, ClosingTheMainWindowRunsOnCloseOnceAndEndsTheLoop) {
  TestForm* main = nullptr;
  app.CreateForm(main);
  int closes = 0;
  main->OnClose = [&] { ++closes; };
  backend.Then([&] { backend.CloseBox(*main); });
  app.Run();
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(main->IsClosed());
  EXPECT_FALSE(main->IsVisible());
  main->Close();
  EXPECT_EQ(closes, 1);
}

TEST_F(ApplicationTest, AFailingOnCloseIsReportedAndTheProgramStillEnds) {
  app.title = "Kinloom";
  TestForm* main = nullptr;
  app.CreateForm(main);
  main->OnClose = [] { throw Error("Unable to write to Brindle.ini"); };
  backend.Then([&] { main->Close(); });
  app.Run();
  EXPECT_TRUE(main->IsClosed());
  const std::vector<ErrorReport> reports = backend.TakeErrorReports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].text, "Unable to write to Brindle.ini.");
}

TEST_F(ApplicationTest, ClosingAnotherWindowOnlyHidesIt) {
  TestForm* main = nullptr;
  TestForm* other = nullptr;
  app.CreateForm(main);
  app.CreateForm(other);
  other->Show();
  other->Close();
  EXPECT_FALSE(other->IsVisible());
  EXPECT_FALSE(other->IsClosed());
  EXPECT_FALSE(main->IsClosed());
}

TEST_F(ApplicationTest, MessageBoxesGoToTheBackend) {
  backend.Boxes().Answer(kResultNo);
  EXPECT_EQ(app.ShowMessageBox(BuildMessageBox("Install now?", kMsgConfirmation, 11)), kResultNo);
  ASSERT_EQ(backend.Boxes().Shown().size(), 1u);
  EXPECT_EQ(backend.Boxes().Shown()[0].text, "Install now?");
}

TEST_F(ApplicationTest, ALoopThatRunsOutOfStepsFailsInsteadOfHanging) {
  TestForm* main = nullptr;
  TestForm* sub = nullptr;
  app.CreateForm(main);
  app.CreateForm(sub);
  main->OnActivate = [&] { app.ShowModal(*sub); };
  ::testing::TestPartResultArray failures;
  {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    app.Run();
  }
  ASSERT_EQ(failures.size(), 1);
  EXPECT_NE(std::string(failures.GetTestPartResult(0).message()).find("no steps left"),
            std::string::npos);
  EXPECT_FALSE(main->IsClosed());
}

}  // namespace
}  // namespace kinloom::toolkit_test
