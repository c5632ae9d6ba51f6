// The process-wide values, the ports they reach the machine through, folders and message boxes.
#include "launcher/global.h"

#include "platform/error.h"

namespace kinloom::Global {

std::string ProgramDir, CdPath, CatalogDir, CensusViewerDir, ArchivesDir;
bool ShowReminder = false;

namespace {
SystemPort* systemPort = nullptr;
MessageBoxPort* messageBoxPort = nullptr;
}  // namespace

void UsePorts(SystemPort& system, MessageBoxPort& boxes) {
  systemPort = &system;
  messageBoxPort = &boxes;
}

SystemPort& System() {
  if (!systemPort) throw Error("The launcher was started without its system port");
  return *systemPort;
}

int ShowMessageBox(const std::string& text, int kind, int buttons, int /*helpContext*/) {
  return ShowMessageBox(BuildMessageBox(text, kind, buttons));
}

int ShowMessageBox(const MessageBoxModel& box) {
  if (!messageBoxPort) throw Error("The launcher was started without its message boxes");
  return messageBoxPort->ShowMessageBox(box);
}

// Byte by byte is right for UTF-8: no byte of a character beyond ASCII is a backslash.
std::string AddTrailingBackslash(const std::string& path) {
  if (path.empty() || path.back() == '\\') return path;
  return path + '\\';
}

std::string CurrentFolder() {
  return AddTrailingBackslash(System().CurrentFolder());
}

void ChangeCurrentFolder(const std::string& path) {
  std::string reason;
  if (!System().SetCurrentFolder(path, reason)) {
    throw Error("Unable to change the current folder to " + path + ": " + reason);
  }
}

}  // namespace kinloom::Global
