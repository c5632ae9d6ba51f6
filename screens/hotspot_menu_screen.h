// The hotspot menu screen shared by every menu: hotspots showing one of three frames of their art.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/toolkit/window.h"
#include "screens/hotspot_layout.h"

namespace kinloom {

// How a sub-screen's modal run ends.
constexpr int kBackToMainResult = 1;
constexpr int kQuitResult = 2;

class HotspotMenuScreen : public Window, private ChoiceList {
 public:
  static constexpr int kClientWidth = 632;
  // Every screen's background is drawn this high; a sub-screen never shows its last row.
  static constexpr int kBackgroundHeight = 453;
  static constexpr std::uint16_t kFrameCount = 3;  // normal, hovered, pressed

  void PlaceHotspot(Picture& hotspot, std::uint16_t left, std::uint16_t top);
  // Sizes the hotspot to one of the `frames` frames of a strip of `stripSize`, files the frame
  // size under the hotspot's tag and hides the strip. A count of 0 does nothing.
  void PrepareHotspot(Picture& hotspot, Picture& strip, Size stripSize,
                      std::uint16_t frames = kFrameCount);
  // Decodes the background and the strips and shows every hotspot's normal frame; throws
  // kinloom::Error when a picture is missing, malformed or not the size of the table.
  void FormFirstShow() override;
  // The art again, for the new scale; every hotspot keeps the frame it shows.
  void FormScaleChanged() override;

  // The shared pointer handlers of every hotspot, and the background's move handler.
  void btnMouseDown(Picture& sender, MouseButton button);
  void btnMouseMove(Picture& sender);
  void btnMouseUp(Picture& sender, MouseButton button);
  void BackgroundMouseMove(Picture& sender);

  int HotspotCount() const { return static_cast<int>(layout_.size()); }
  const std::vector<HotspotLayout>& Layout() const { return layout_; }
  Picture& HotspotByTag(int tag);
  Picture& HotspotNamed(const std::string& name);
  Picture& Background() { return background_; }
  // The tags top to bottom, left to right on a line.
  const std::vector<std::int32_t>& TagsInReadingOrder() const { return readingOrder_; }

  // Tables by tag, 1 to HotspotCount(); entry 0 is unused.
  std::vector<Picture*> ArtForTag;
  std::vector<std::uint16_t> FrameWidth;
  std::vector<std::uint16_t> FrameHeight;

  // The hotspot last painted hovered; HoveredHotspot is read only while HoveredTag is not 0.
  std::int32_t HoveredTag = 0;
  Picture* HoveredHotspot = nullptr;

 protected:
  explicit HotspotMenuScreen(const ScreenParameters& parameters);

  // Lays the screen out from its table, in the table's order, with each hotspot clicking its
  // row's handler on the derived screen.
  template <class Screen, std::size_t N>
  void SetUpScreen(const HotspotRow<Screen> (&rows)[N]) {
    std::vector<HotspotLayout> layout;
    std::vector<std::function<void()>> clicks;
    for (const HotspotRow<Screen>& row : rows) {
      layout.push_back(row.layout);
      clicks.push_back([this, click = row.click] { (static_cast<Screen*>(this)->*click)(); });
    }
    SetUpScreen(std::move(layout), std::move(clicks));
  }

 private:
  void SetUpScreen(std::vector<HotspotLayout> layout, std::vector<std::function<void()>> clicks);
  void WireHotspot(Picture& hotspot, std::function<void()> click);
  void WireKeys();
  // The keyboard shares the pointer's highlight (HoveredTag): Tab, Shift+Tab, the arrows, Home
  // and End move it in reading order; Enter or Space shows the pressed frame while held and
  // clicks on release; Escape runs the screen's btnToMain hotspot, if it has one.
  void FormKeyDown(Key key, bool shift, bool repeat);
  void FormKeyUp(Key key);
  void FormKeyboardLost();
  void LoadScreenArt();
  std::string ArtName(const char* picture) const;
  // One plain rectangle copy from the strip, which stays decoded: no event allocates.
  void ShowFrame(Picture& hotspot, const Picture& strip, int frame, int width, int height);
  bool IsTag(std::int32_t tag) const { return tag >= 1 && tag <= HotspotCount(); }

  // ChoiceList: the hotspots in reading order.
  int ChoiceCount() const override { return HotspotCount(); }
  const char* ChoiceName(int index) const override;
  Rect ChoiceBounds(int index) const override;
  int HighlightedChoice() const override;
  void ClickChoice(int index) override;

  int ReadingPosition(std::int32_t tag) const;  // -1 for none
  void HighlightByKey(std::int32_t tag);
  void MoveHighlight(int step);
  // A sub-screen opened by a key click starts with its first hotspot highlighted.
  void ShownByKeyClick();

  const ScreenParameters& parameters_;
  std::vector<HotspotLayout> layout_;
  Picture background_;
  std::vector<std::unique_ptr<Picture>> hotspots_;  // by tag; entry 0 unused
  std::vector<std::unique_ptr<Picture>> strips_;    // by tag; entry 0 unused
  std::vector<std::int32_t> readingOrder_;
  std::vector<std::uint8_t> shownFrame_;  // by tag, for drawing it again at another scale
  std::int32_t escapeTag_ = 0;            // btnToMain, run by Escape; 0 on the main menu
  // The highlight was last moved by a key: a pointer at rest does not take it.
  bool keyHighlight_ = false;
  // The hotspot a held Enter or Space shows pressed, and that key.
  std::int32_t keyPressedTag_ = 0;
  Key pressingKey_ = Key::kEnter;
  // The screen whose key click is running, if any: a screen it shows is opened from the keyboard.
  static HotspotMenuScreen* keyClickingScreen_;
};

}  // namespace kinloom
