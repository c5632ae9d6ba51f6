// The hotspot menu screen shared by every menu: hotspots showing one of three frames of their art.
#include "screens/hotspot_menu_screen.h"

#include <string>
#include <utility>

#include "platform/error.h"
#include "platform/toolkit/application.h"

namespace kinloom {

namespace {

enum Frame { kNormalFrame = 0, kHoveredFrame = 1, kPressedFrame = 2 };

// One plain rectangle copy from the strip, which stays decoded: no event allocates.
void ShowFrame(Picture& hotspot, const Picture& strip, int frame, int width, int height) {
  hotspot.CopyRect({0, 0}, strip.Image(), Rect::FromSize(0, frame * height, width, height));
}

}  // namespace

HotspotMenuScreen::HotspotMenuScreen(const ScreenParameters& parameters) : parameters_(parameters) {
  title = parameters.title;
  border = BorderStyle::kSingle;
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
  }
  for (const HotspotLayout& row : layout_) ArtForTag[row.tag] = strips_[row.tag].get();
}

void HotspotMenuScreen::FormFirstShow() {
  background_.SetImage(LoadArt(parameters_.background));
  for (const HotspotLayout& row : layout_) {
    Picture& strip = *strips_[row.tag];
    Bitmap art = LoadArt(row.strip);
    if (art.GetSize() != Size{row.stripWidth, row.stripHeight}) {
      throw Error("The picture " + strip.name + " does not fit its hotspot on " + title);
    }
    strip.SetImage(std::move(art));
    ShowFrame(*hotspots_[row.tag], strip, kNormalFrame, FrameWidth[row.tag], FrameHeight[row.tag]);
  }
}

Bitmap HotspotMenuScreen::LoadArt(const char* name) const {
  return App()->LoadArt(std::string(parameters_.artScreen) + "-" + name);
}

void HotspotMenuScreen::WireHotspot(Picture& hotspot, std::function<void()> click) {
  hotspot.OnMouseDown = [this](Picture& sender, MouseButton button) {
    btnMouseDown(sender, button);
  };
  hotspot.OnMouseMove = [this](Picture& sender) { btnMouseMove(sender); };
  hotspot.OnMouseUp = [this](Picture& sender, MouseButton button) { btnMouseUp(sender, button); };
  hotspot.OnClick = [click = std::move(click)](Picture&) { click(); };
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
}

void HotspotMenuScreen::btnMouseUp(Picture& sender, MouseButton) {
  const std::int32_t t = sender.tag;
  if (!IsTag(t)) return;
  ShowFrame(sender, *ArtForTag[t], kNormalFrame, FrameWidth[t], FrameHeight[t]);
}

void HotspotMenuScreen::BackgroundMouseMove(Picture&) {
  if (HoveredTag == 0) return;
  ShowFrame(*HoveredHotspot, *ArtForTag[HoveredTag], kNormalFrame, HoveredHotspot->width,
            HoveredHotspot->height);
  HoveredTag = 0;
}

}  // namespace kinloom
