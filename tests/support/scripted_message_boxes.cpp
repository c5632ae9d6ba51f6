// Answers message boxes from the test's script.
#include "tests/support/scripted_message_boxes.h"

#include <gtest/gtest.h>

namespace kinloom {

int ScriptedMessageBoxes::ShowMessageBox(const MessageBoxModel& box) {
  shown_.push_back(box);
  for (;;) {
    if (answers_.empty()) {
      ADD_FAILURE() << "unexpected message box \"" << box.caption << "\": " << box.text;
      return kCloseBoxResult;
    }
    ScriptedAnswer answer = std::move(answers_.front());
    answers_.pop_front();
    if (answer.whileShown) answer.whileShown();
    if (!answer.diskArrival || (box.lookForDisk && box.lookForDisk())) return answer.result;
  }
}

}  // namespace kinloom
