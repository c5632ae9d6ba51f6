// Where the message box puts its icon, text and buttons, measured with its font.
#include "platform/win32/message_box_layout.h"

#include <algorithm>

#include "platform/toolkit/display_scale.h"
#include "platform/win32/gdi_handles.h"
#include "platform/win32/wide_text.h"

namespace kinloom {

namespace {

// At 96 DPI, scaled to the box's.
constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kIconGap = 12;
constexpr int kButtonGap = 6;
constexpr int kTextToButtons = 16;
constexpr int kCaptionPadding = 16;  // each side of a button's caption
// The standard push button: 50 x 14 dialog units, 75 x 23 pixels at the usual font.
constexpr int kMinButtonWidth = 75;
constexpr int kMinButtonHeight = 23;

// Horizontal and vertical dialog base units of the font selected into `dc`.
SIZE DialogBaseUnits(HDC dc) {
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  SIZE extent{};
  GetTextExtentPoint32A(dc, kAlphabet, 52, &extent);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  return {(extent.cx / 26 + 1) / 2, metrics.tmHeight};
}

SIZE MeasureText(HDC dc, const std::string& text, int maxWidth) {
  const std::wstring wide = ToUtf16(text);
  RECT r{0, 0, maxWidth, 0};
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, DT_CALCRECT | kMessageTextFormat);
  return {r.right, r.bottom};
}

int CaptionWidth(HDC dc, const std::string& caption) {
  const std::wstring wide = ToUtf16(caption);
  RECT r{0, 0, 0, 0};
  // Without DT_NOPREFIX: the '&' of an accelerator takes no room.
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  return r.right;
}

}  // namespace

MessageBoxLayout LayOutMessageBox(const MessageBoxModel& box, HFONT font, int maxTextWidth,
                                  int dpi) {
  const auto scaled = [dpi](int n) { return ScaleToDpi(n, dpi); };
  const int margin = scaled(kMargin);
  const int iconSize = scaled(kIconSize);
  WindowDc screen(nullptr);
  HDC dc = screen.Get();
  Selection selection(dc, font);
  const SIZE units = DialogBaseUnits(dc);
  const SIZE text = MeasureText(dc, box.text, maxTextWidth);
  int buttonWidth = std::max(scaled(kMinButtonWidth), MulDiv(50, units.cx, 4));
  for (const MessageButton& button : box.buttons) {
    buttonWidth =
        std::max(buttonWidth, CaptionWidth(dc, button.caption) + 2 * scaled(kCaptionPadding));
  }
  const int buttonHeight = std::max(scaled(kMinButtonHeight), MulDiv(14, units.cy, 8));

  MessageBoxLayout layout;
  layout.icon = {margin, margin, margin + iconSize, margin + iconSize};
  const int textLeft = layout.icon.right + scaled(kIconGap);
  // A short text sits level with the middle of the icon.
  const int textTop = margin + std::max<LONG>(0, (iconSize - text.cy) / 2);
  layout.text = {textLeft, textTop, textLeft + text.cx, textTop + text.cy};

  const int count = static_cast<int>(box.buttons.size());
  const int gap = scaled(kButtonGap);
  const int rowWidth = count * buttonWidth + std::max(0, count - 1) * gap;
  layout.client.cx = std::max<LONG>(layout.text.right + margin, rowWidth + 2 * margin);
  const int rowTop = std::max(layout.icon.bottom, layout.text.bottom) + scaled(kTextToButtons);
  int left = (layout.client.cx - rowWidth) / 2;
  for (int i = 0; i < count; ++i, left += buttonWidth + gap) {
    layout.buttons.push_back({left, rowTop, left + buttonWidth, rowTop + buttonHeight});
  }
  layout.client.cy = rowTop + (count > 0 ? buttonHeight : 0) + margin;
  return layout;
}

}  // namespace kinloom
