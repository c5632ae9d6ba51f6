// The settings file Brindle.ini and the partner viewers' registry keys.
#include "launcher/global.h"
#include "platform/error.h"

namespace kinloom::Global {
namespace {

// Named bare, so the profile service keeps it in the Windows folder.
const char kSettingsFile[] = "Brindle.ini";
const char kSection[] = "Kin7s";

// The census key begins with a backslash and the archives key does not; the port drops one.
const char kCensusViewerKey[] = "\\Software\\Tessary\\Census Image Archive Index Viewer";
const char kArchivesKey[] = "Software\\Tessary\\Parcelry Archives\\1.50.000";
const char kInstallDirValue[] = "InstallDir";

std::string InstallFolder(const std::string& keyPath) {
  RegistryValue value = System().ReadMachineString(keyPath, kInstallDirValue);
  switch (value.outcome) {
    case RegistryOutcome::kText:
      return AddTrailingBackslash(value.text);
    case RegistryOutcome::kEmpty:
      return "";
    case RegistryOutcome::kCannotOpen:
    case RegistryOutcome::kOtherType:
      break;
  }
  return kNotAvailable;
}

}  // namespace

std::string ReadSetting(const std::string& key, const std::string& fallback) {
  return System().ReadProfileString(kSettingsFile, kSection, key, fallback);
}

void LoadSettings() {
  ProgramDir = AddTrailingBackslash(ReadSetting("KinDir", kNotAvailable));
  CdPath = AddTrailingBackslash(ReadSetting("CDPath", kNotAvailable));
  CatalogDir = AddTrailingBackslash(ReadSetting("TYCatDir", kNotAvailable));
  CensusViewerDir = InstallFolder(kCensusViewerKey);
  ArchivesDir = InstallFolder(kArchivesKey);
}

bool ReadReminderFlag() {
  std::int32_t number = 0;
  return !ParseWholeNumber(ReadSetting("Reminder", ""), number) || number != 0;
}

void WriteReminderFlag(bool flag) {
  if (!System().WriteProfileString(kSettingsFile, kSection, "Reminder", flag ? "1" : "0")) {
    throw Error(std::string("Unable to write to ") + kSettingsFile);
  }
}

}  // namespace kinloom::Global
