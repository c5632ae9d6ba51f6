// The start menu for each test: six windows on the headless backend over a fake machine.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "launcher/global.h"
#include "platform/toolkit/application.h"
#include "screens/hotspot_menu_screen.h"
#include "screens/main_menu.h"
#include "screens/startup.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/fake_system.h"
#include "tests/support/headless_backend.h"

namespace kinloom {

// A headless window that also keeps the order of its repaints.
class PaintLoggingWindow : public HeadlessWindow {
 public:
  PaintLoggingWindow(HeadlessBackend& backend, Window& window,
                     std::vector<std::pair<const Window*, Rect>>& log)
      : HeadlessWindow(backend, window), log_(log) {}
  void Invalidate(const Rect& area) override {
    log_.emplace_back(&Model(), area);
    HeadlessWindow::Invalidate(area);
  }

 private:
  std::vector<std::pair<const Window*, Rect>>& log_;
};

class PaintLoggingBackend : public HeadlessBackend {
 public:
  PaintLoggingBackend() { paints.reserve(1024); }
  std::unique_ptr<NativeWindow> CreateNativeWindow(Window& window) override {
    return std::make_unique<PaintLoggingWindow>(*this, window, paints);
  }
  std::vector<std::pair<const Window*, Rect>> paints;  // reserved: logging never allocates
};

class ScreensTest : public ::testing::Test {
 protected:
  // A typical install, with the welcome reminder off so that no dialog opens unasked.
  static constexpr char kSettings[] =
      "[Kin7s]\r\nKinDir=C:\\Suite\r\nCDPath=E:\r\nTYCatDir=E:\\Catalog\r\nReminder=0\r\n";

  ScreensTest() {
    for (std::string* value : {&Global::ProgramDir, &Global::CdPath, &Global::CatalogDir,
                               &Global::CensusViewerDir, &Global::ArchivesDir}) {
      value->clear();
    }
    Global::ShowReminder = false;
    system.SetProfileFile("Brindle.ini", kSettings);
    Global::UsePorts(system, app);
    app.title = kApplicationTitle;
    CreateForms(app);
  }
  ~ScreensTest() override { ForgetForms(); }

  void ShowMainMenu() {
    frmMain->Show();
    backend.RunPosted();
  }

  static Point CentreOf(HotspotMenuScreen& screen, int tag) {
    const Rect r = screen.HotspotByTag(tag).Bounds();
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  static int TagOf(HotspotMenuScreen& screen, const std::string& hotspot) {
    for (const HotspotLayout& row : screen.Layout()) {
      if (row.hotspot == hotspot) return row.tag;
    }
    ADD_FAILURE() << "no hotspot " << hotspot << " on " << screen.title;
    return 1;
  }
  // Runs a hotspot's click handler as the toolkit does, without the pointer.
  static void RunClick(HotspotMenuScreen& screen, int tag) {
    Picture& hotspot = screen.HotspotByTag(tag);
    hotspot.OnClick(hotspot);
  }
  // A point of the background that no hotspot covers, on every screen.
  static constexpr Point kBackground{3, 3};

  // The frame (0 normal, 1 hovered, 2 pressed) the hotspot shows on screen, read from the
  // window's pixels at its scale; -1 when they match none of its strip's frames.
  int FrameShown(HotspotMenuScreen& screen, int tag) const {
    const Bitmap pixels = backend.ClientPixels(screen);
    const Rect r = ScaleToDpi(screen.HotspotByTag(tag).Bounds(), screen.Dpi());
    const Bitmap& strip = screen.ArtForTag[tag]->Image();
    for (int frame = 0; frame < 3; ++frame) {
      if (SameArea(pixels, r, strip, frame * r.Height())) return frame;
    }
    return -1;
  }

  static bool SameArea(const Bitmap& pixels, const Rect& r, const Bitmap& strip, int stripTop) {
    for (int y = 0; y < r.Height(); ++y) {
      for (int x = 0; x < r.Width(); ++x) {
        if (pixels.Pixel(r.left + x, r.top + y) != strip.Pixel(x, stripTop + y)) return false;
      }
    }
    return true;
  }

  // The per-event budget: each event copies at most two rectangles and allocates nothing.
  static void ExpectEachCheap(const std::vector<std::function<void()>>& events) {
    for (std::size_t i = 0; i < events.size(); ++i) {
      SCOPED_TRACE(i);
      const long copies = Bitmap::CopyRectCount();
      const long allocations = AllocationCount();
      events[i]();
      EXPECT_EQ(AllocationCount(), allocations);
      EXPECT_LE(Bitmap::CopyRectCount() - copies, 2);
    }
  }

  std::vector<std::string> BoxTexts() {
    std::vector<std::string> texts;
    for (const MessageBoxModel& box : backend.Boxes().Shown()) texts.push_back(box.text);
    return texts;
  }

  PaintLoggingBackend backend;
  FakeSystem system;
  Application app{backend};
};

}  // namespace kinloom
