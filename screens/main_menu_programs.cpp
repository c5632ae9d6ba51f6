// The programs the main menu starts itself: the tree and chart programs and the tutorial.
#include "screens/main_menu_programs.h"

#include <string>

#include "launcher/global.h"
#include "platform/message_box.h"

namespace kinloom {

namespace {

using FolderStep = void (*)(const std::string& folder);

// Starts folder + exeName when that file exists, after `prepare` has run on the folder.
bool StartIfPresent(const std::string& folder, const char* exeName, FolderStep prepare) {
  const std::string path = folder + exeName;
  if (!Global::System().FileExists(path)) return false;
  prepare(folder);
  Global::ShellOpenOk(path, "", "");
  return true;
}

void KeepCurrentFolder(const std::string&) {}

// An empty folder is the current one already (the program's path was relative to it), and the
// system refuses to make empty text current.
void MakeFolderCurrent(const std::string& folder) {
  if (!folder.empty()) Global::ChangeCurrentFolder(folder);
}

// The chart program keeps its charts in a subfolder of its own and opens them from there.
void MakeChartsFolderCurrent(const std::string& folder) {
  const std::string charts = folder + "Charts";
  if (Global::System().FolderExists(charts)) Global::ChangeCurrentFolder(charts);
}

void ReportMissingProgram(const std::string& displayName) {
  Global::ShowMessageBox("Cannot locate the " + displayName +
                             " executable file.  Please reinstall Kinloom\xAE to ensure correct "
                             "operation.",
                         kMsgError, kMbCancel, 0);
}

}  // namespace

void StartTreeProgram() {
  if (StartIfPresent(Global::ProgramDir, "Tree7s.exe", MakeFolderCurrent)) return;
  if (StartIfPresent(Global::CurrentFolder(), "Tree7s.exe", KeepCurrentFolder)) return;
  ReportMissingProgram("Arbora");
}

void StartChartProgram() {
  if (StartIfPresent(Global::ProgramDir, "Chart7s.exe", MakeChartsFolderCurrent)) return;
  if (StartIfPresent(Global::CurrentFolder(), "Chart7s.exe", MakeChartsFolderCurrent)) return;
  ReportMissingProgram("Plotwise");
}

void StartTutorialOnRichDisplay() {
  // The display's colour table size is -1 exactly when it uses more than 8 bits per pixel.
  if (Global::System().DisplayColorCount() == -1) return Global::StartTutorial();
  Global::ShowMessageBox(
      "The tutorial can only run in 16-bit color or higher.\r\n"
      "Please set your display setting and try again.",
      kMsgInformation, kMbOk, 0);
}

}  // namespace kinloom
