// Global: the launcher's process-wide install locations, settings file, launching and prompts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/system_port.h"

namespace kinloom::Global {

// Filled once by LoadSettings and only read afterwards; ShowReminder is set by the welcome dialog.
extern std::string ProgramDir, CdPath, CatalogDir, CensusViewerDir, ArchivesDir;
extern bool ShowReminder;

// The not-available marker; compared exactly and case-sensitively.
inline const std::string kNotAvailable = "na";

// Installs the ports every operation below uses; once at start-up, or per test with fakes.
void UsePorts(SystemPort& system, MessageBoxPort& boxes);
SystemPort& System();

void LoadSettings();
bool ReadReminderFlag();
// Throws kinloom::Error("Unable to write to Brindle.ini") when the profile cannot be written.
void WriteReminderFlag(bool flag);
// A key of section Kin7s of Brindle.ini, read afresh on every call.
std::string ReadSetting(const std::string& key, const std::string& fallback);

// The whole number a profile value holds: optional sign and decimal digits, or hexadecimal digits
// after "0x", "0X" or "$". False when the text is not such a number or leaves the 32-bit range.
bool ParseWholeNumber(const std::string& text, std::int32_t& number);

std::string AddTrailingBackslash(const std::string& path);
// The process's current folder with a trailing backslash, as it is at the moment of the call.
std::string CurrentFolder();
// Throws kinloom::Error naming the folder when it cannot be made current.
void ChangeCurrentFolder(const std::string& path);

// The highest code the shell answers for a failure; any higher code means success.
inline constexpr std::uintptr_t kHighestShellError = 32;

std::uintptr_t ShellOpen(const std::string& file, const std::string& parameters,
                         const std::string& folder);
bool ShellOpenOk(const std::string& file, const std::string& parameters, const std::string& folder);

struct StartCandidate {
  std::string path;
  // Runs once the file is found, just before the shell gets it by its full path as it was
  // found, so that a change of the current folder here still starts that file.
  std::function<void()> beforeStart = {};
};

// Looks for each candidate in turn and hands the first that exists to the shell; runs
// `onMissing` when none does. A program that the shell refuses is not reported.
void StartFirstFound(const std::vector<StartCandidate>& candidates,
                     const std::function<void()>& onMissing);
// The error box for a program that is in none of the folders it may be started from.
void ReportMissingProgram(const std::string& displayName);

// Looks for `path` and, while it is missing, asks for disk `diskLabel` in the drive CdPath (OK
// and Cancel). True once the file is there; false when the user answers anything but OK.
bool WaitForDiskFile(const std::string& path, const std::string& diskLabel);

// setup.exe, install.exe, rs405eng.exe, Tutor7s.exe
enum class DiskProgram { kSetup, kInstall, kReaderSetup, kTutorial };

// Prompts until the marker and the program are on the disk or the user gives up. True only when
// the shell accepted the program: callers end the launcher on true.
bool RunFromDisk(DiskProgram program, const std::string& markerFile, const std::string& subFolder,
                 const std::string& diskLabel);
void LaunchInstalled(const std::string& folder, const std::string& exeName,
                     const std::string& displayName);
void LaunchWithDisk(const std::string& folder, const std::string& exeName,
                    const std::string& displayName, const std::string& markerFile,
                    const std::string& diskLabel);
void StartTutorial();
void ReportNoHtmlAssociation(const std::string& url);

// helpContext names no topic in this launcher; it is accepted for the callers' sake and ignored.
int ShowMessageBox(const std::string& text, int kind, int buttons, int helpContext);
int ShowMessageBox(const MessageBoxModel& box);

}  // namespace kinloom::Global
