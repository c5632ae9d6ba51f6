// Turns a kind and a button bit set into the box the user sees.
#include "platform/message_box.h"

namespace kinloom {
namespace {

struct ButtonRow {
  int bit;
  const char* caption;
  int result;
  char accelerator;
};

// Shown left to right in this order.
constexpr ButtonRow kButtonRows[] = {
    {kMbYes, "&Yes", kResultYes, 'Y'},
    {kMbNo, "&No", kResultNo, 'N'},
    {kMbOk, "OK", kResultOk, 0},
    {kMbCancel, "Cancel", kResultCancel, 0},
};

int IndexOfResult(const MessageBoxModel& box, int result) {
  for (size_t i = 0; i < box.buttons.size(); ++i) {
    if (box.buttons[i].result == result) return static_cast<int>(i);
  }
  return -1;
}

// The first of `results` that the box has, or -1.
int FirstPresent(const MessageBoxModel& box, std::initializer_list<int> results) {
  for (int result : results) {
    int index = IndexOfResult(box, result);
    if (index >= 0) return index;
  }
  return -1;
}

}  // namespace

MessageBoxModel BuildMessageBox(const std::string& text, int kind, int buttons) {
  MessageBoxModel box;
  box.text = text;
  switch (kind) {
    case kMsgInformation:
      box.caption = "Information";
      box.icon = MessageIcon::kInformation;
      break;
    case kMsgConfirmation:
      box.caption = "Confirm";
      box.icon = MessageIcon::kQuestion;
      break;
    default:
      box.caption = "Error";
      box.icon = MessageIcon::kStop;
      break;
  }
  for (const ButtonRow& row : kButtonRows) {
    if (buttons & row.bit) box.buttons.push_back({row.caption, row.result, row.accelerator});
  }
  box.defaultIndex = FirstPresent(box, {kResultOk, kResultYes});
  box.cancelIndex = FirstPresent(box, {kResultCancel, kResultNo, kResultOk});
  return box;
}

std::string MessageBoxClipboardText(const MessageBoxModel& box) {
  const std::string rule = "---------------------------\r\n";
  std::string buttons;
  for (const MessageButton& button : box.buttons) {
    for (std::size_t i = 0; i < button.caption.size(); ++i) {
      // "&&" shows one ampersand; a single one marks the accelerator.
      if (button.caption[i] == '&' && ++i == button.caption.size()) break;
      buttons += button.caption[i];
    }
    buttons += "   ";
  }
  return rule + box.caption + "\r\n" + rule + box.text + "\r\n" + rule + buttons + "\r\n" + rule;
}

}  // namespace kinloom
