// The hotspot menu screen shared by every menu: hotspots showing one of three frames of their art.
#include "screens/hotspot_menu_screen.h"

#include <string>
#include <utility>

#include "platform/error.h"
#include "platform/toolkit/application.h"
#include "screens/reading_order.h"

namespace kinloom {

namespace {

enum Frame { kNormalFrame = 0, kHoveredFrame = 1, kPressedFrame = 2 };

}  // namespace

// The sub-menu a screen opens while the screen runs a key click was opened from the keyboard.
HotspotMenuScreen* HotspotMenuScreen::keyClickingScreen_ = nullptr;

HotspotMenuScreen::HotspotMenuScreen(const ScreenParameters& parameters) : parameters_(parameters) {
  title = parameters.title;
  border = BorderStyle::kSingle;
  choices = this;
  WireKeys();
}

void HotspotMenuScreen::SetUpScreen(std::vector<HotspotLayout> layout,
                                    std::vector<std::function<void()>> clicks) {
  layout_ = std::move(layout);
  const std::size_t slots = layout_.size() + 1;
  clientWidth = kClientWidth;
  clientHeight = parameters_.clientHeight;

  // Added first, so it lies beneath every hotspot.
  background_.name = parameters_.background;
  background_.SetBounds(0, 0, clientWidth, clientHeight);
  background_.OnMouseMove = [this](Picture& sender) { BackgroundMouseMove(sender); };
  Add(background_);

  hotspots_.resize(slots);
  strips_.resize(slots);
  ArtForTag.assign(slots, nullptr);
  FrameWidth.assign(slots, 0);
  FrameHeight.assign(slots, 0);
  shownFrame_.assign(slots, kNormalFrame);
  for (std::size_t i = 0; i < layout_.size(); ++i) {
    const HotspotLayout& row = layout_[i];
    Picture& hotspot = *(hotspots_.at(row.tag) = std::make_unique<Picture>());
    hotspot.name = row.hotspot;
    hotspot.tag = row.tag;
    PlaceHotspot(hotspot, row.left, row.top);
    WireHotspot(hotspot, std::move(clicks[i]));
    Add(hotspot);
  }
  // Laid out from the strip sizes of the table: the art itself is decoded at the first show.
  for (const HotspotLayout& row : layout_) {
    Picture& strip = *(strips_.at(row.tag) = std::make_unique<Picture>());
    strip.name = row.strip;
    Add(strip);
    PrepareHotspot(*hotspots_[row.tag], strip, {row.stripWidth, row.stripHeight});
    ArtForTag[row.tag] = &strip;
  }
  readingOrder_ = ReadingOrder(layout_);
  for (const HotspotLayout& row : layout_) {
    if (std::string(row.hotspot) == "btnToMain") escapeTag_ = row.tag;
  }
}

void HotspotMenuScreen::FormFirstShow() {
  LoadScreenArt();
}

void HotspotMenuScreen::FormScaleChanged() {
  LoadScreenArt();
}

// The strips are drawn for their hotspots' places, in the layout's frame sizes.
void HotspotMenuScreen::LoadScreenArt() {
  const Rect drawn{0, 0, kClientWidth, kBackgroundHeight};
  background_.SetImage(LoadArt(ArtName(parameters_.background), drawn), drawn);
  for (const HotspotLayout& row : layout_) {
    Picture& hotspot = *hotspots_[row.tag];
    Picture& strip = *strips_[row.tag];
    strip.SetImage(LoadArt(ArtName(row.strip), hotspot.Bounds(), kFrameCount), hotspot.Bounds());
    ShowFrame(hotspot, strip, shownFrame_[row.tag], FrameWidth[row.tag], FrameHeight[row.tag]);
  }
}

std::string HotspotMenuScreen::ArtName(const char* picture) const {
  return std::string(parameters_.artScreen) + "-" + picture;
}

void HotspotMenuScreen::ShowFrame(Picture& hotspot, const Picture& strip, int frame, int width,
                                  int height) {
  hotspot.CopyRect({0, 0}, strip, Rect::FromSize(0, frame * height, width, height));
  shownFrame_.at(hotspot.tag) = static_cast<std::uint8_t>(frame);
}

void HotspotMenuScreen::WireHotspot(Picture& hotspot, std::function<void()> click) {
  hotspot.OnMouseDown = [this](Picture& sender, MouseButton button) {
    btnMouseDown(sender, button);
  };
  hotspot.OnMouseMove = [this](Picture& sender) { btnMouseMove(sender); };
  hotspot.OnMouseUp = [this](Picture& sender, MouseButton button) { btnMouseUp(sender, button); };
  hotspot.OnClick = [click = std::move(click)](Picture&) { click(); };
}

void HotspotMenuScreen::WireKeys() {
  OnKeyDown = [this](Key key, bool shift, bool repeat) { FormKeyDown(key, shift, repeat); };
  OnKeyUp = [this](Key key) { FormKeyUp(key); };
  OnKeyboardLost = [this] { FormKeyboardLost(); };
  OnShow = [this] { ShownByKeyClick(); };
}

void HotspotMenuScreen::PlaceHotspot(Picture& hotspot, std::uint16_t left, std::uint16_t top) {
  hotspot.left = left;
  hotspot.top = top;
}

void HotspotMenuScreen::PrepareHotspot(Picture& hotspot, Picture& strip, Size stripSize,
                                       std::uint16_t frames) {
  if (frames == 0) return;
  const auto width = static_cast<std::uint16_t>(stripSize.width);
  const auto height = static_cast<std::uint16_t>(stripSize.height / frames);
  hotspot.width = width;
  hotspot.height = height;
  FrameWidth.at(hotspot.tag) = width;
  FrameHeight.at(hotspot.tag) = height;
  strip.visible = false;
}

Picture& HotspotMenuScreen::HotspotByTag(int tag) {
  return *hotspots_.at(tag);
}

Picture& HotspotMenuScreen::HotspotNamed(const std::string& name) {
  for (const HotspotLayout& row : layout_) {
    if (name == row.hotspot) return HotspotByTag(row.tag);
  }
  throw Error("No hotspot " + name + " on " + title);
}

void HotspotMenuScreen::btnMouseDown(Picture& sender, MouseButton) {
  const std::int32_t t = sender.tag;
  if (!IsTag(t)) return;
  ShowFrame(sender, *ArtForTag[t], kPressedFrame, FrameWidth[t], FrameHeight[t]);
}

void HotspotMenuScreen::btnMouseMove(Picture& sender) {
  if (keyHighlight_ && !PointerMoved()) return;
  keyHighlight_ = false;
  const std::int32_t t = sender.tag;
  if (t == HoveredTag) return;  // no repaint while the pointer stays on one hotspot
  // The new hotspot turns hovered before the old one turns normal.
  if (IsTag(t)) ShowFrame(sender, *ArtForTag[t], kHoveredFrame, sender.width, sender.height);
  if (IsTag(HoveredTag)) {
    ShowFrame(*HoveredHotspot, *ArtForTag[HoveredTag], kNormalFrame, HoveredHotspot->width,
              HoveredHotspot->height);
  }
  HoveredTag = t;
  HoveredHotspot = &sender;
  if (IsTag(t)) ChoiceHighlighted(ReadingPosition(t));
}

void HotspotMenuScreen::btnMouseUp(Picture& sender, MouseButton) {
  const std::int32_t t = sender.tag;
  if (!IsTag(t)) return;
  ShowFrame(sender, *ArtForTag[t], kNormalFrame, FrameWidth[t], FrameHeight[t]);
}

void HotspotMenuScreen::BackgroundMouseMove(Picture&) {
  if (keyHighlight_ && !PointerMoved()) return;
  keyHighlight_ = false;
  if (HoveredTag == 0) return;
  ShowFrame(*HoveredHotspot, *ArtForTag[HoveredTag], kNormalFrame, HoveredHotspot->width,
            HoveredHotspot->height);
  HoveredTag = 0;
}

void HotspotMenuScreen::FormKeyDown(Key key, bool shift, bool repeat) {
  if (keyPressedTag_ != 0) return;  // the highlight stays on a hotspot held pressed by a key
  switch (key) {
    case Key::kTab:
      return MoveHighlight(shift ? -1 : 1);
    case Key::kDown:
    case Key::kRight:
      return MoveHighlight(1);
    case Key::kUp:
    case Key::kLeft:
      return MoveHighlight(-1);
    case Key::kHome:
      if (!readingOrder_.empty()) HighlightByKey(readingOrder_.front());
      return;
    case Key::kEnd:
      if (!readingOrder_.empty()) HighlightByKey(readingOrder_.back());
      return;
    case Key::kEnter:
    case Key::kSpace:
      // Auto-repeat of a held key neither presses nor clicks again.
      if (repeat || !IsTag(HoveredTag)) return;
      keyPressedTag_ = HoveredTag;
      pressingKey_ = key;
      ShowFrame(*HoveredHotspot, *ArtForTag[HoveredTag], kPressedFrame, FrameWidth[HoveredTag],
                FrameHeight[HoveredTag]);
      return;
    case Key::kEscape:
      if (!repeat && escapeTag_ != 0) Click(HotspotByTag(escapeTag_));
      return;
  }
}

void HotspotMenuScreen::FormKeyUp(Key key) {
  const std::int32_t t = keyPressedTag_;
  if (t == 0 || key != pressingKey_) return;
  // Forgotten before the click runs: it may open a modal window.
  keyPressedTag_ = 0;
  HotspotMenuScreen* const outer = keyClickingScreen_;
  keyClickingScreen_ = this;
  Click(HotspotByTag(t));
  keyClickingScreen_ = outer;
  ShowFrame(HotspotByTag(t), *ArtForTag[t], kNormalFrame, FrameWidth[t], FrameHeight[t]);
}

void HotspotMenuScreen::FormKeyboardLost() {
  const std::int32_t t = keyPressedTag_;
  if (t == 0) return;
  keyPressedTag_ = 0;  // its release will not come: no click
  ShowFrame(HotspotByTag(t), *ArtForTag[t], kNormalFrame, FrameWidth[t], FrameHeight[t]);
}

void HotspotMenuScreen::ShownByKeyClick() {
  if (keyClickingScreen_ && keyClickingScreen_ != this && !readingOrder_.empty()) {
    HighlightByKey(readingOrder_.front());
  }
}

void HotspotMenuScreen::MoveHighlight(int step) {
  const int count = static_cast<int>(readingOrder_.size());
  if (count == 0) return;
  const int at = ReadingPosition(HoveredTag);
  // With nothing highlighted, forward starts at the first hotspot and backward at the last.
  const int next = at < 0 ? (step > 0 ? 0 : count - 1) : (at + step + count) % count;
  HighlightByKey(readingOrder_[next]);
}

void HotspotMenuScreen::HighlightByKey(std::int32_t tag) {
  Picture& hotspot = HotspotByTag(tag);
  if (tag != HoveredTag) {
    keyHighlight_ = false;
    btnMouseMove(hotspot);
  } else {
    // Already the highlight, but a click's release may have left it normal.
    ShowFrame(hotspot, *ArtForTag[tag], kHoveredFrame, hotspot.width, hotspot.height);
    ChoiceHighlighted(ReadingPosition(tag));
  }
  keyHighlight_ = true;
}

int HotspotMenuScreen::ReadingPosition(std::int32_t tag) const {
  for (std::size_t i = 0; i < readingOrder_.size(); ++i) {
    if (readingOrder_[i] == tag) return static_cast<int>(i);
  }
  return -1;
}

const char* HotspotMenuScreen::ChoiceName(int index) const {
  const std::int32_t tag = readingOrder_.at(index);
  for (const HotspotLayout& row : layout_) {
    if (row.tag == tag) return row.accessibleName;
  }
  return "";
}

Rect HotspotMenuScreen::ChoiceBounds(int index) const {
  return hotspots_.at(readingOrder_.at(index))->Bounds();
}

int HotspotMenuScreen::HighlightedChoice() const {
  return ReadingPosition(HoveredTag);
}

void HotspotMenuScreen::ClickChoice(int index) {
  const std::int32_t t = readingOrder_.at(index);
  Picture& hotspot = HotspotByTag(t);
  ShowFrame(hotspot, *ArtForTag[t], kPressedFrame, FrameWidth[t], FrameHeight[t]);
  Click(hotspot);
  ShowFrame(hotspot, *ArtForTag[t], kNormalFrame, FrameWidth[t], FrameHeight[t]);
}

}  // namespace kinloom
