// Asking for a numbered disk of the suite and running what it holds.
#include <functional>

#include "launcher/global.h"
#include "launcher/suite_disks.h"

namespace kinloom::Global {
namespace {

const char* ProgramFile(DiskProgram program) {
  switch (program) {
    case DiskProgram::kSetup:
      return "setup.exe";
    case DiskProgram::kInstall:
      return "install.exe";
    case DiskProgram::kReaderSetup:
      return "rs405eng.exe";
    case DiskProgram::kTutorial:
      break;
  }
  return "Tutor7s.exe";
}

// Looks, and asks again after each OK, until `ready` holds; false when the user gives up.
// Any answer but OK gives up, so no answer can leave the loop spinning without a prompt.
bool WaitForDisk(const std::string& diskLabel, const std::function<bool()>& ready) {
  while (!ready()) {
    MessageBoxModel prompt =
        BuildMessageBox("Please insert Kinloom Disk " + diskLabel + " into drive " + CdPath,
                        kMsgConfirmation, kMbOk | kMbCancel);
    // A disk put in while the prompt is up is judged by the very test that OK runs.
    prompt.lookForDisk = ready;
    if (ShowMessageBox(prompt) != kResultOk) return false;
  }
  return true;
}

bool OnDisk(const std::string& file) {
  return System().FileExists(CdPath + file);
}

}  // namespace

bool WaitForDiskFile(const std::string& path, const std::string& diskLabel) {
  return WaitForDisk(diskLabel, [&] { return System().FileExists(path); });
}

bool RunFromDisk(DiskProgram program, const std::string& markerFile, const std::string& subFolder,
                 const std::string& diskLabel) {
  const std::string relative = AddTrailingBackslash(subFolder) + ProgramFile(program);
  if (!WaitForDisk(diskLabel, [&] { return OnDisk(markerFile) && OnDisk(relative); })) {
    return false;
  }
  // The tutorial runs without a working folder; installers run in the root of the disk.
  const std::string folder = program == DiskProgram::kTutorial ? "" : CdPath;
  return ShellOpenOk(CdPath + relative, "", folder);
}

bool RunFromDisk(DiskProgram program, const SuiteDisk& disk) {
  return RunFromDisk(program, disk.markerFile, disk.installerFolder, disk.label);
}

void LaunchWithDisk(const std::string& folder, const std::string& exeName,
                    const std::string& displayName, const std::string& markerFile,
                    const std::string& diskLabel) {
  if (WaitForDiskFile(CdPath + markerFile, diskLabel)) {
    LaunchInstalled(folder, exeName, displayName);
  }
}

void StartTutorial() {
  const char kTutorial[] = "Tutor7s.exe";
  StartFirstFound({{ProgramDir + kTutorial}, {CurrentFolder() + kTutorial}},
                  [] { RunFromDisk(DiskProgram::kTutorial, kTutorialDisk); });
}

}  // namespace kinloom::Global
