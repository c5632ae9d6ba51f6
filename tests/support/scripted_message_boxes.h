// ScriptedMessageBoxes: a message-box port that answers from a script and records every box.
#pragma once

#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "platform/message_box.h"

namespace kinloom {

class ScriptedMessageBoxes : public MessageBoxPort {
 public:
  // The result of the next box not yet answered.
  void Answer(int result) { answers_.push_back({result, nullptr}); }
  // The same, running `whileShown` first, as a user acts before pressing (inserts a disk, say).
  void Answer(int result, std::function<void()> whileShown) {
    answers_.push_back({result, std::move(whileShown)});
  }
  // A disk arrives at the box not yet answered, as Windows reports one: `insert` runs, then a
  // disk prompt looks again. Found, the box answers OK; otherwise it stays for the next answer.
  void DiskArrives(std::function<void()> insert) {
    answers_.push_back({kResultOk, std::move(insert), true});
  }
  const std::vector<MessageBoxModel>& Shown() const { return shown_; }
  bool AllAnswered() const { return answers_.empty(); }

  // Fails the running test, naming the box, when no answer is left; then answers as the close
  // box does, so a loop of prompts ends instead of hanging.
  int ShowMessageBox(const MessageBoxModel& box) override;

 private:
  struct ScriptedAnswer {
    int result;
    std::function<void()> whileShown;
    bool diskArrival = false;
  };
  std::deque<ScriptedAnswer> answers_;
  std::vector<MessageBoxModel> shown_;
};

}  // namespace kinloom
