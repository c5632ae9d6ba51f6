// Where the message box puts its icon, text and buttons, measured with its font.
#pragma once

#include <vector>

#include "platform/message_box.h"
#include "platform/win32/win_api.h"

namespace kinloom {

// DrawText flags that measure the text exactly as its STATIC control (SS_LEFT | SS_NOPREFIX |
// SS_EDITCONTROL) draws it: wrapped at words, a word too long for a line broken inside.
constexpr UINT kMessageTextFormat = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS;

struct MessageBoxLayout {
  SIZE client{};
  RECT icon{};
  RECT text{};
  std::vector<RECT> buttons;  // in the box's button order, all of one width, centred in a row
};

// Lays the box out for `font` at `dpi`, the text wrapped to at most `maxTextWidth` pixels.
MessageBoxLayout LayOutMessageBox(const MessageBoxModel& box, HFONT font, int maxTextWidth,
                                  int dpi);

}  // namespace kinloom
