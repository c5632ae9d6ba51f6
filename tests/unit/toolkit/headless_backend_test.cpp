// Painting by composition, and the headless screen the other tests rely on.
#include "tests/support/headless_backend.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/error.h"
#include "platform/toolkit/application.h"
#include "tests/unit/toolkit/test_form.h"

namespace kinloom::toolkit_test {
namespace {

class HeadlessTest : public ::testing::Test {
 protected:
  HeadlessBackend backend;
  Application app{backend};
};

TEST_F(HeadlessTest, ComposePaintsVisiblePicturesInStackingOrderCutToTheirSize) {
  TestForm* form = nullptr;
  app.CreateForm(form);
  form->colour = 0x777777;
  form->background.SetImage(Bitmap(200, 101, 0x0000AA));  // a row taller than the client
  form->a.SetImage(Bitmap(40, 10, 0x00AA00));             // wider than a, not as tall
  form->hidden.SetImage(Bitmap(30, 20, 0xFF0000));
  form->b.SetImage(Bitmap(30, 20, 0xBB0000));
  form->top.SetImage(Bitmap(30, 20, 0xCC0000));
  form->background.width = 150;  // the rest of the client shows the window colour
  const Bitmap pixels = backend.ClientPixels(*form);
  const struct {
    Point p;
    std::uint32_t colour;
  } cases[] = {
      {{0, 0}, 0x0000AA},   {{149, 99}, 0x0000AA}, {{150, 0}, 0x777777},
      {{10, 10}, 0x00AA00}, {{39, 19}, 0x00AA00},  {{40, 10}, 0x0000AA},  // cut at a's width
      {{10, 20}, 0x0000AA},                                               // a's image ends
      {{55, 15}, 0xBB0000}, {{65, 25}, 0xCC0000},  {{89, 39}, 0xCC0000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "(" << c.p.x << ", " << c.p.y << ")");
    EXPECT_EQ(pixels.Pixel(c.p.x, c.p.y), c.colour);
  }
}

TEST_F(HeadlessTest, ComposeTouchesOnlyItsArea) {
  TestForm* form = nullptr;
  app.CreateForm(form);
  form->background.SetImage(Bitmap(200, 100, 0x123456));
  Bitmap target(200, 100, 0xEEEEEE);
  form->Compose({10, 10, 20, 20}, target);
  EXPECT_EQ(target.Pixel(10, 10), 0x123456u);
  EXPECT_EQ(target.Pixel(19, 19), 0x123456u);
  EXPECT_EQ(target.Pixel(20, 19), 0xEEEEEEu);
  EXPECT_EQ(target.Pixel(9, 10), 0xEEEEEEu);
}

TEST_F(HeadlessTest, AFirstCopyCreatesThePicturesBitmapAtItsSize) {
  TestForm* form = nullptr;
  app.CreateForm(form);
  Picture strip;
  strip.SetImage(Bitmap(30, 60, 0x445566));
  form->a.CopyRect({0, 0}, strip, {0, 40, 30, 60});
  EXPECT_EQ(form->a.Image().GetSize(), (Size{30, 20}));
  EXPECT_EQ(form->a.Image().Pixel(29, 19), 0x445566u);
}

TEST_F(HeadlessTest, CentredWindowsAreCentredOnTheirFirstShowOnly) {
  TestForm* form = nullptr;
  app.CreateForm(form);
  form->centredOnFirstShow = true;
  form->Show();
  EXPECT_EQ(form->Position(), (Point{412, 334}));
  form->Hide();
  form->MoveTo({5, 6});
  form->Show();
  EXPECT_EQ(form->Position(), (Point{5, 6}));
}

TEST_F(HeadlessTest, ActivationIsPostedAndReturnsBeneathAfterAModalRun) {
  TestForm* main = nullptr;
  TestForm* dialog = nullptr;
  app.CreateForm(main);
  app.CreateForm(dialog);
  std::vector<std::string> activations;
  main->OnActivate = [&] {
    activations.push_back("main");
    if (activations.size() == 1) app.ShowModal(*dialog);
  };
  dialog->OnActivate = [&] { activations.push_back("dialog"); };
  backend.Then([&] {
    EXPECT_EQ(backend.ActiveWindow(), dialog);
    EXPECT_TRUE(HeadlessBackend::NativeOf(*main).IsShown());
    EXPECT_FALSE(HeadlessBackend::NativeOf(*main).IsEnabled());
    dialog->SetModalResult(1);
  });
  backend.Then([&] {
    EXPECT_TRUE(HeadlessBackend::NativeOf(*main).IsEnabled());
    EXPECT_EQ(backend.ActiveWindow(), main);
    main->Close();
  });
  app.Run();
  EXPECT_EQ(activations, (std::vector<std::string>{"main", "dialog", "main"}));
}

TEST_F(HeadlessTest, PointerInputToADisabledWindowFailsTheTest) {
  TestForm* main = nullptr;
  TestForm* dialog = nullptr;
  app.CreateForm(main);
  app.CreateForm(dialog);
  main->Show();
  ::testing::TestPartResultArray failures;
  backend.Then([&] {
    ::testing::ScopedFakeTestPartResultReporter reporter(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
    backend.Click(*main, {15, 15});
    dialog->SetModalResult(1);
  });
  app.ShowModal(*dialog);
  EXPECT_EQ(failures.size(), 3);  // move, press and release each refused
}

TEST_F(HeadlessTest, LoadArtServesThePackedArtOfBothScalesOrTheTestsOwnArt) {
  for (int scale : {1, 2}) {
    SCOPED_TRACE(scale);
    const Bitmap strip = backend.LoadArt("main-artArbora", scale);
    EXPECT_EQ(strip.GetSize(), (Size{185 * scale, 294 * scale}));
    EXPECT_EQ(strip.SourceBitsPerPixel(), 8);
    EXPECT_EQ(backend.LoadArt("welcome-artTutorial", scale).SourceBitsPerPixel(), 24);
    EXPECT_THROW(backend.LoadArt("main-artMissing", scale), Error);
  }
  EXPECT_THROW(backend.LoadArt("main-artArbora", 3), Error);
  backend.SetArt("main-artArbora", Bitmap(3, 9, 0x010101));
  EXPECT_EQ(backend.LoadArt("main-artArbora", 1).GetSize(), (Size{3, 9}));
  EXPECT_EQ(backend.LoadArt("main-artArbora", 2).GetSize(), (Size{370, 588}));
}

TEST(ArtResourceName, UpperCasesAndTurnsDashesIntoUnderscores) {
  EXPECT_EQ(ArtResourceName("main-artArbora"), "MAIN_ARTARBORA");
  EXPECT_EQ(ArtResourceName("welcome-artTutorial"), "WELCOME_ARTTUTORIAL");
}

}  // namespace
}  // namespace kinloom::toolkit_test
