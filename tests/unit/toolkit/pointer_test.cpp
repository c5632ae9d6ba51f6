// The portable pointer rules: hit testing, holding the pointer, clicks and double clicks.
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/toolkit/application.h"
#include "platform/toolkit/double_click.h"
#include "tests/support/headless_backend.h"
#include "tests/unit/toolkit/test_form.h"

namespace kinloom::toolkit_test {
namespace {

using Log = std::vector<std::string>;

class PointerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app.CreateForm(form);
    form->LogEvents(log);
    form->Show();
    backend.RunPosted();
  }

  HeadlessBackend backend;
  Application app{backend};
  TestForm* form = nullptr;
  Log log;
};

TEST_F(PointerTest, HitTestFindsTheTopmostVisiblePicture) {
  const struct {
    Point p;
    const char* expected;  // nullptr: nothing
  } cases[] = {
      {{0, 0}, "background"}, {{10, 10}, "a"},    {{39, 29}, "a"},   {{40, 29}, "background"},
      {{55, 15}, "b"},        {{65, 25}, "top"},  {{85, 35}, "top"}, {{199, 99}, "background"},
      {{200, 50}, nullptr},   {{-1, 5}, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "(" << c.p.x << ", " << c.p.y << ")");
    Picture* hit = form->HitTest(c.p);
    if (c.expected) {
      ASSERT_NE(hit, nullptr);
      EXPECT_EQ(hit->name, c.expected);
    } else {
      EXPECT_EQ(hit, nullptr);
    }
  }
}

TEST_F(PointerTest, MovesGoToThePictureUnderThePointer) {
  backend.MovePointer(*form, {5, 5});
  backend.MovePointer(*form, {15, 15});
  backend.MovePointer(*form, {65, 25});
  backend.MovePointer(*form, {300, 300});  // outside without a press: nobody
  EXPECT_EQ(log, (Log{"move background", "move a", "move top"}));
}

TEST_F(PointerTest, LeftPressAndReleaseInsideClicksBeforeTheRelease) {
  backend.Press(*form, {15, 15});
  EXPECT_TRUE(backend.PointerCaptured(*form));
  backend.Release(*form, {35, 25});
  EXPECT_FALSE(backend.PointerCaptured(*form));
  EXPECT_EQ(log, (Log{"down a L", "click a", "up a L"}));
}

TEST_F(PointerTest, RightAndMiddleButtonsNeitherHoldThePointerNorClick) {
  for (MouseButton button : {MouseButton::kRight, MouseButton::kMiddle}) {
    log.clear();
    backend.Press(*form, {15, 15}, button);
    EXPECT_FALSE(backend.PointerCaptured(*form));
    backend.MovePointer(*form, {55, 15});
    backend.Release(*form, {55, 15}, button);
    const std::string letter = button == MouseButton::kRight ? "R" : "M";
    EXPECT_EQ(log, (Log{"down a " + letter, "move b", "up b " + letter}));
  }
}

TEST_F(PointerTest, DragOffAndReleaseOutsideGoesToThePressedPictureWithoutClick) {
  backend.Press(*form, {15, 15});
  backend.MovePointer(*form, {55, 15});    // over b
  backend.MovePointer(*form, {-20, 500});  // outside the window
  backend.Release(*form, {-20, 500});
  backend.MovePointer(*form, {55, 15});
  EXPECT_EQ(log, (Log{"down a L", "move a", "move a", "up a L", "move b"}));
}

TEST_F(PointerTest, DragOffAndBackOnStillClicks) {
  backend.Press(*form, {15, 15});
  backend.MovePointer(*form, {100, 80});
  backend.Release(*form, {20, 20});
  EXPECT_EQ(log, (Log{"down a L", "move a", "click a", "up a L"}));
}

TEST_F(PointerTest, ReleaseOnAPictureAboveThePressedOneDoesNotClick) {
  backend.Press(*form, {55, 15});    // b
  backend.Release(*form, {65, 25});  // inside b's rectangle, but top lies there
  EXPECT_EQ(log, (Log{"down b L", "up b L"}));
}

TEST_F(PointerTest, OtherButtonsWhileLeftIsHeldGoToTheHolder) {
  backend.Press(*form, {15, 15});
  backend.Press(*form, {55, 15}, MouseButton::kRight);
  backend.Release(*form, {55, 15}, MouseButton::kRight);
  EXPECT_TRUE(backend.PointerCaptured(*form));
  backend.Release(*form, {15, 15});
  EXPECT_EQ(log, (Log{"down a L", "down a R", "up a R", "click a", "up a L"}));
}

TEST_F(PointerTest, SecondPressOfADoubleClickMakesNoClick) {
  backend.DoubleClick(*form, {15, 15});
  EXPECT_EQ(log, (Log{"down a L", "click a", "up a L", "down a L", "up a L"}));
  log.clear();
  backend.Click(*form, {15, 15});  // and the next single click clicks again
  EXPECT_EQ(log, (Log{"move a", "down a L", "click a", "up a L"}));
}

TEST(PressHistory, SecondPressIsSoonerAndNearerThanTheSystemLimits) {
  const DoubleClickLimits limits{500, 4, 6};
  const struct {
    const char* what;
    std::uint32_t afterMs;
    Point at;  // the first press was at (100, 100)
    bool second;
  } cases[] = {
      {"same spot at once", 1, {100, 100}, true},
      {"just within the time", 499, {100, 100}, true},
      {"at the time limit", 500, {100, 100}, false},
      {"one pixel aside", 100, {101, 99}, true},
      {"two pixels aside", 100, {102, 100}, false},
      {"two pixels down, in a taller rectangle", 100, {100, 102}, true},
      {"three pixels up", 100, {100, 97}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PressHistory presses;
    const std::uint32_t start = 0xFFFFFF00u;  // the clock wraps around in between
    EXPECT_FALSE(presses.Press(start, {100, 100}, limits));
    EXPECT_EQ(presses.Press(start + c.afterMs, c.at, limits), c.second);
  }
  PressHistory presses;
  EXPECT_FALSE(presses.Press(1000, {5, 5}, limits));
  EXPECT_TRUE(presses.Press(1100, {5, 5}, limits));
  EXPECT_FALSE(presses.Press(1200, {5, 5}, limits)) << "a third press starts a new pair";
  EXPECT_TRUE(presses.Press(1300, {5, 5}, limits));
}

TEST_F(PointerTest, LostCaptureForgetsThePress) {
  backend.Press(*form, {15, 15});
  form->CaptureLost();
  backend.Release(*form, {55, 15});
  EXPECT_EQ(log, (Log{"down a L", "up b L"}));
}

TEST_F(PointerTest, HiddenPicturesAndEmptyPlacesGetNothing) {
  form->background.visible = false;
  backend.Press(*form, {150, 80});
  backend.Release(*form, {150, 80});
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(backend.PointerCaptured(*form));
}

// The click's action may raise; the release must still run so the picture is not left pressed.
TEST_F(PointerTest, AFailingClickIsReportedAndTheReleaseStillRuns) {
  app.title = "App";
  form->a.OnClick = [this](Picture&) {
    log.push_back("click a");
    throw std::runtime_error("Broken");
  };
  backend.Click(*form, {15, 15});
  EXPECT_EQ(log, (Log{"move a", "down a L", "click a", "up a L"}));
  const std::vector<ErrorReport> reports = backend.TakeErrorReports();
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].caption, "App");
  EXPECT_EQ(reports[0].text, "Broken.");
}

TEST_F(PointerTest, AClickThatOpensAModalWindowHasReleasedThePointerFirst) {
  TestForm* dialog = nullptr;
  app.CreateForm(dialog);
  int result = 0;
  form->a.OnClick = [&](Picture&) {
    EXPECT_FALSE(backend.PointerCaptured(*form));
    result = app.ShowModal(*dialog);
  };
  backend.Then([&] { dialog->SetModalResult(1); });
  backend.Click(*form, {15, 15});
  EXPECT_EQ(result, 1);
  EXPECT_EQ(log.back(), "up a L");
}

}  // namespace
}  // namespace kinloom::toolkit_test
