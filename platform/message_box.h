// The message box as the launcher requires it: caption and icon by kind, buttons by bit set.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kinloom {

// Kinds and button bits are the numbers the callers pass.
enum MessageKind : int { kMsgError = 1, kMsgInformation = 2, kMsgConfirmation = 3 };
enum MessageButtonBits : int { kMbYes = 1, kMbNo = 2, kMbOk = 4, kMbCancel = 8 };
enum MessageResult : int { kResultOk = 1, kResultCancel = 2, kResultYes = 6, kResultNo = 7 };

// Closing a box by its title-bar close button answers this, whatever buttons it has.
constexpr int kCloseBoxResult = kResultCancel;

enum class MessageIcon { kStop, kInformation, kQuestion };

struct MessageButton {
  std::string caption;  // with '&' before the accelerator letter, e.g. "&Yes"
  int result;           // the code returned when pressed; also the control id on Windows
  char accelerator;     // upper-case letter, or 0 for none
};

struct MessageBoxModel {
  std::string caption;
  MessageIcon icon = MessageIcon::kStop;
  std::string text;                    // shown literally; CR LF starts a new line
  std::vector<MessageButton> buttons;  // left to right
  int defaultIndex = -1;               // index into buttons pressed by Enter, -1 for none
  int cancelIndex = -1;                // index into buttons pressed by Escape
  // Set on a disk prompt only: looks at the drive again, true when the disk asked for is in.
  // The box runs it when a disk arrives and, on true, ends as if OK had been pressed.
  std::function<bool()> lookForDisk;
};

MessageBoxModel BuildMessageBox(const std::string& text, int kind, int buttons);

// The box as Ctrl+C copies it, in the layout of the system's own boxes: caption, text and
// button captions (accelerator marks dropped) between rule lines, CR LF line ends.
std::string MessageBoxClipboardText(const MessageBoxModel& box);

// The toolkit's message-box facility: shows the box modally and returns the result code.
class MessageBoxPort {
 public:
  virtual ~MessageBoxPort() = default;
  virtual int ShowMessageBox(const MessageBoxModel& box) = 0;
};

}  // namespace kinloom
