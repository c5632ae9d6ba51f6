// The cost of a frame change: one rectangle copy and one invalidation per event, no allocation.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/toolkit/application.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/headless_backend.h"

namespace kinloom::toolkit_test {
namespace {

// The zero counts below mean something only if the counter sees allocations at all.
TEST(AllocationCounterTest, CountsEachAllocation) {
  const long before = AllocationCount();
  auto one = std::make_unique<int>(1);
  auto many = std::make_unique<int[]>(64);
  EXPECT_EQ(AllocationCount() - before, 2);
}

constexpr int kW = 30, kH = 20;
constexpr std::uint32_t kFrameColour[3] = {0x101010, 0x202020, 0x303030};

// A hotspot over a background, with an art strip of three solid frames.
class HotspotForm : public Window {
 public:
  HotspotForm() {
    clientWidth = 200;
    clientHeight = 100;
    for (Picture* picture : {&background, &strip, &hotspot}) Add(*picture);
  }
  void FormCreate() override {
    background.SetBounds(0, 0, 200, 100);
    background.SetImage(Bitmap(200, 100, 0x00FF00));
    Bitmap art(kW, 3 * kH);
    for (int frame = 0; frame < 3; ++frame) {
      art.FillRect(Rect::FromSize(0, frame * kH, kW, kH), kFrameColour[frame]);
    }
    strip.SetImage(art);
    strip.visible = false;
    hotspot.SetBounds(50, 40, kW, kH);
    ShowFrame(0);  // the first drawing creates the hotspot's own bitmap
    hotspot.OnMouseDown = [this](Picture&, MouseButton) { ShowFrame(2); };
    hotspot.OnMouseMove = [this](Picture&) { ShowFrame(1); };
    hotspot.OnMouseUp = [this](Picture&, MouseButton) { ShowFrame(0); };
    hotspot.OnClick = [this](Picture&) { ++clicks; };
    background.OnMouseMove = [this](Picture&) { ShowFrame(0); };
  }
  void ShowFrame(int frame) {
    hotspot.CopyRect({0, 0}, strip, Rect::FromSize(0, frame * kH, kW, kH));
  }

  Picture background, strip, hotspot;
  int clicks = 0;
};

TEST(FrameCost, EachEventCopiesOneFrameInvalidatesItsRectangleAndAllocatesNothing) {
  HeadlessBackend backend;
  Application app(backend);
  HotspotForm* form = nullptr;
  app.CreateForm(form);
  form->Show();
  backend.RunPosted();
  HeadlessWindow& native = HeadlessBackend::NativeOf(*form);
  const Point on{60, 50};
  // clang-format off
  const struct {
    const char* event;
    std::function<void()> send;
    int frameAfter;
  } events[] = {
    {"move onto",                      [&] { form->MouseMove(on); }, 1},
    {"press",                          [&] { backend.Press(*form, on); }, 2},
    {"release with click",             [&] { form->MouseUp(on, MouseButton::kLeft); }, 0},
    {"second press of a double click", [&] { backend.PressAgain(*form, on); }, 2},
    {"its release",                    [&] { form->MouseUp(on, MouseButton::kLeft); }, 0},
    {"right press",                    [&] { form->MouseDown(on, MouseButton::kRight); }, 2},
    {"right release",                  [&] { form->MouseUp(on, MouseButton::kRight); }, 0},
    {"move onto the background",       [&] { form->MouseMove({5, 5}); }, 0},
  };
  // clang-format on
  for (const auto& e : events) {
    SCOPED_TRACE(e.event);
    native.ResetInvalidations();
    const long copies = Bitmap::CopyRectCount();
    const long allocations = AllocationCount();
    e.send();
    EXPECT_EQ(AllocationCount() - allocations, 0);
    EXPECT_EQ(Bitmap::CopyRectCount() - copies, 1);
    EXPECT_EQ(native.InvalidationCount(), 1);
    EXPECT_EQ(native.InvalidatedArea(), form->hotspot.Bounds());
    EXPECT_EQ(form->hotspot.Image().Pixel(kW - 1, kH - 1), kFrameColour[e.frameAfter]);
  }
  EXPECT_EQ(form->clicks, 1);
  EXPECT_EQ(backend.ClientPixels(*form).Pixel(50, 40), kFrameColour[0]);
}

}  // namespace
}  // namespace kinloom::toolkit_test
