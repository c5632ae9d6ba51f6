// The programs the main menu starts itself: the tree and chart programs and the tutorial.
#include "screens/main_menu_programs.h"

#include <string>

#include "launcher/global.h"
#include "platform/message_box.h"

namespace kinloom {

namespace {

constexpr char kTreeProgram[] = "Tree7s.exe";
constexpr char kChartProgram[] = "Chart7s.exe";

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

}  // namespace

void StartTreeProgram() {
  const std::string installed = Global::ProgramDir;
  Global::StartFirstFound({{installed + kTreeProgram, [&] { MakeFolderCurrent(installed); }},
                           {Global::CurrentFolder() + kTreeProgram}},
                          [] { Global::ReportMissingProgram("Arbora"); });
}

void StartChartProgram() {
  const std::string installed = Global::ProgramDir;
  const std::string current = Global::CurrentFolder();
  Global::StartFirstFound({{installed + kChartProgram, [&] { MakeChartsFolderCurrent(installed); }},
                           {current + kChartProgram, [&] { MakeChartsFolderCurrent(current); }}},
                          [] { Global::ReportMissingProgram("Plotwise"); });
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
