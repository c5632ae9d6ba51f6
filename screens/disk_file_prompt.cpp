// Asking for a disk until a file that lies on it can be found.
#include "screens/disk_file_prompt.h"

#include "launcher/global.h"
#include "platform/message_box.h"

namespace kinloom {

bool WaitForDiskFile(const std::string& path, const std::string& prompt) {
  while (!Global::System().FileExists(path)) {
    const int answer = Global::ShowMessageBox(prompt, kMsgConfirmation, kMbOk | kMbCancel, 0);
    if (answer == kResultCancel) return false;
  }
  return true;
}

}  // namespace kinloom
