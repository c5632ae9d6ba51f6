// The machine as a case wants it: the settings file, the partner viewers' registry keys, the
// shell's associations, and folders of stand-in programs and disk files under one root. Paths
// and texts are UTF-8.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/settings_file.h"

namespace kinloom::e2e {

// The partner viewers' keys under HKEY_LOCAL_MACHINE, in the one view every build of the menu
// reads: the 32-bit view, where the partners' 32-bit installers write them.
constexpr REGSAM kMenuRegistryView = KEY_WOW64_32KEY;
constexpr char kCensusViewerKey[] = "Software\\Tessary\\Census Image Archive Index Viewer";
constexpr char kArchivesKey[] = "Software\\Tessary\\Parcelry Archives\\1.50.000";
constexpr char kPartnerRootKey[] = "Software\\Tessary";

// A Windows path for a path of the Linux side (Wine shows the Linux root as drive Z:).
std::string WindowsPathOf(const std::string& path);

class World {
 public:
  // `root` is a Windows folder that the world owns entirely; `standIn` the stand-in program.
  World(std::string root, std::string standIn);

  const std::string& Root() const { return root_; }
  // root + "\" + relative.
  std::string At(const std::string& relative) const;

  // Removes the root folder, the settings file, the partner keys and the associations' routing.
  void Clear() const;

  // Writes C:\windows\Brindle.ini with exactly `bytes`.
  void WriteSettings(const std::string& bytes) const;
  // The settings file's bytes, or empty text when there is none.
  std::string ReadSettings() const;
  std::string SettingsPath() const;
  // Puts a folder where the settings file belongs, so that it can be neither read nor written.
  void BlockSettings() const;

  // Copies the stand-in to `relative` under the root, creating its folders.
  void PlaceProgram(const std::string& relative) const;
  void PlaceFile(const std::string& relative, const std::string& content = "") const;
  void MakeFolder(const std::string& relative) const;
  void RemoveFile(const std::string& relative) const;

  // Sets value "InstallDir" of `key` (HKLM, the menu's view) to `bytes` of registry type `type`.
  void SetInstallDir(const std::string& key, DWORD type, const std::string& bytes) const;
  // Creates `key` without any value.
  void MakeKey(const std::string& key) const;
  void RemovePartnerKeys() const;

  // Routes http addresses, .htm and .pdf documents to the stand-in at `handler` (relative).
  void RouteShellTo(const std::string& handler) const;
  // Makes web addresses unopenable: no http association.
  void RemoveWebAssociation() const;
  // .htm and .pdf with no association at all.
  void RemoveDocumentAssociations() const;
  // .pdf associated with a program that does not exist.
  void RoutePdfToMissingProgram() const;

 private:
  std::string root_;
  std::string standIn_;
};

}  // namespace kinloom::e2e
