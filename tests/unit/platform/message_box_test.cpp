#include "platform/message_box.h"

#include <gtest/gtest.h>

namespace kinloom {
namespace {

struct ButtonSetCase {
  int buttons;
  std::vector<std::string> captions;
  int enterResult;  // 0: Enter presses nothing
  int escapeResult;
};

std::vector<std::string> Captions(const MessageBoxModel& box) {
  std::vector<std::string> captions;
  for (const MessageButton& button : box.buttons) captions.push_back(button.caption);
  return captions;
}

int ResultAt(const MessageBoxModel& box, int index) {
  return index < 0 ? 0 : box.buttons[index].result;
}

TEST(MessageBoxModel, ButtonSetsGiveOrderDefaultAndCancel) {
  const ButtonSetCase cases[] = {
      {kMbOk | kMbCancel, {"OK", "Cancel"}, kResultOk, kResultCancel},
      {kMbCancel, {"Cancel"}, 0, kResultCancel},
      {kMbOk, {"OK"}, kResultOk, kResultOk},
      {kMbYes | kMbNo | kMbCancel, {"&Yes", "&No", "Cancel"}, kResultYes, kResultCancel},
      {kMbYes | kMbNo, {"&Yes", "&No"}, kResultYes, kResultNo},
  };
  for (const ButtonSetCase& c : cases) {
    SCOPED_TRACE(c.buttons);
    MessageBoxModel box = BuildMessageBox("text", kMsgConfirmation, c.buttons);
    EXPECT_EQ(Captions(box), c.captions);
    EXPECT_EQ(ResultAt(box, box.defaultIndex), c.enterResult);
    EXPECT_EQ(ResultAt(box, box.cancelIndex), c.escapeResult);
  }
}

TEST(MessageBoxModel, KindChoosesCaptionAndIcon) {
  EXPECT_EQ(BuildMessageBox("", kMsgError, kMbOk).caption, "Error");
  EXPECT_EQ(BuildMessageBox("", kMsgError, kMbOk).icon, MessageIcon::kStop);
  EXPECT_EQ(BuildMessageBox("", kMsgInformation, kMbOk).caption, "Information");
  EXPECT_EQ(BuildMessageBox("", kMsgInformation, kMbOk).icon, MessageIcon::kInformation);
  EXPECT_EQ(BuildMessageBox("", kMsgConfirmation, kMbOk).caption, "Confirm");
  EXPECT_EQ(BuildMessageBox("", kMsgConfirmation, kMbOk).icon, MessageIcon::kQuestion);
}

TEST(MessageBoxModel, ResultCodesAndAcceleratorsFollowTheButtonTable) {
  MessageBoxModel box =
      BuildMessageBox("a & b", kMsgConfirmation, kMbYes | kMbNo | kMbOk | kMbCancel);
  ASSERT_EQ(box.buttons.size(), 4u);
  EXPECT_EQ(box.buttons[0].result, 6);
  EXPECT_EQ(box.buttons[0].accelerator, 'Y');
  EXPECT_EQ(box.buttons[1].result, 7);
  EXPECT_EQ(box.buttons[1].accelerator, 'N');
  EXPECT_EQ(box.buttons[2].result, 1);
  EXPECT_EQ(box.buttons[3].result, 2);
  EXPECT_EQ(box.text, "a & b");
  EXPECT_EQ(kCloseBoxResult, 2);
}

TEST(MessageBoxModel, CopiedTextFollowsTheSystemBoxLayout) {
  MessageBoxModel box = BuildMessageBox("Insert the disk.\r\nThen press Yes.", kMsgConfirmation,
                                        kMbYes | kMbNo | kMbCancel);
  const std::string rule = "---------------------------\r\n";
  EXPECT_EQ(MessageBoxClipboardText(box), rule + "Confirm\r\n" + rule +
                                              "Insert the disk.\r\nThen press Yes.\r\n" + rule +
                                              "Yes   No   Cancel   \r\n" + rule);
  box.text = "x";
  box.buttons = {{"Fish && &Chips", kResultOk, 'C'}, {"odd&", kResultCancel, 0}};
  EXPECT_EQ(MessageBoxClipboardText(box),
            rule + "Confirm\r\n" + rule + "x\r\n" + rule + "Fish & Chips   odd   \r\n" + rule);
}

}  // namespace
}  // namespace kinloom
