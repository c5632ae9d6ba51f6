// FakeSystem: an in-memory machine behind the system port that records what the launcher did.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/system_port.h"

namespace kinloom {

// Registry value types, numbered as the system numbers them.
enum RegistryType : std::uint32_t {
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegMultiSz = 7,
};

struct ShellCall {
  std::string file;
  std::string parameters;
  std::string folder;
  std::string currentFolder;  // the process's current folder when the shell was asked
};

struct ProfileWrite {
  std::string file, section, key, value;
};

class FakeSystem : public SystemPort {
 public:
  FakeSystem();

  // Files and folders. Paths are absolute ("C:\..."), or relative to the current folder, and
  // match without regard to case, as on Windows. Adding a file adds the folders above it.
  void AddFile(const std::string& path);
  void RemoveFile(const std::string& path);
  void AddFolder(const std::string& path);
  // Every path FileExists was asked about, in order.
  const std::vector<std::string>& FileLookups() const { return fileLookups_; }
  // Makes changes of the current folder fail with this reason (empty text: succeed again).
  void FailFolderChanges(const std::string& reason) { folderChangeFailure_ = reason; }

  // Profile files, by bare name. SetProfileFile takes the file's text as it lies on disk.
  void SetProfileFile(const std::string& file, const std::string& text);
  void RemoveProfileFile(const std::string& file);
  bool HasProfileFile(const std::string& file) const;
  // The file's text as the profile service would have written it.
  std::string ProfileFileText(const std::string& file) const;
  void FailProfileWrites(bool fail) { failProfileWrites_ = fail; }
  const std::vector<ProfileWrite>& ProfileWrites() const { return profileWrites_; }

  // Registry keys under HKEY_LOCAL_MACHINE, named without a leading backslash.
  void AddRegistryKey(const std::string& keyPath);
  void SetRegistryValue(const std::string& keyPath, const std::string& name, std::uint32_t type,
                        const std::string& bytes);
  // Stores text the way the system does: the bytes and a terminating NUL.
  void SetRegistryString(const std::string& keyPath, const std::string& name,
                         const std::string& text, std::uint32_t type = kRegSz);
  void SetRegistryDword(const std::string& keyPath, const std::string& name, std::uint32_t value);
  // The key exists but opening it for reading is refused.
  void RefuseRegistryKey(const std::string& keyPath);
  // The key opens but reading this value is refused.
  void RefuseRegistryRead(const std::string& keyPath, const std::string& name);
  const std::vector<std::string>& OpenedRegistryKeys() const { return openedKeys_; }

  // Shell: each call answers the next queued code, or the default once the queue is empty.
  void QueueShellCode(std::uintptr_t code) { shellCodes_.push_back(code); }
  void SetDefaultShellCode(std::uintptr_t code) { defaultShellCode_ = code; }
  const std::vector<ShellCall>& ShellCalls() const { return shellCalls_; }

  void SetDisplayColorCount(int count) { displayColorCount_ = count; }

  // Top-level windows that BringWindowToForeground finds, by exact title.
  void AddWindow(const std::string& title) { windows_.insert(title); }
  const std::vector<std::string>& ForegroundRequests() const { return foregroundRequests_; }

  // SystemPort
  std::string ReadProfileString(const std::string& file, const std::string& section,
                                const std::string& key, const std::string& fallback) override;
  bool WriteProfileString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& value) override;
  RegistryValue ReadMachineString(const std::string& keyPath, const std::string& name) override;
  bool FileExists(const std::string& path) override;
  bool FolderExists(const std::string& path) override;
  std::string FullPath(const std::string& path) override { return Resolve(path); }
  std::string CurrentFolder() override;
  bool SetCurrentFolder(const std::string& path, std::string& error) override;
  std::uintptr_t ShellOpen(const std::string& file, const std::string& parameters,
                           const std::string& folder) override;
  int DisplayColorCount() override { return displayColorCount_; }
  bool BringWindowToForeground(const std::string& title) override;

 private:
  struct ProfileKey {
    std::string name;
    std::string rawValue;  // as it stands after the '=' on disk
  };
  struct ProfileSection {
    std::string name;
    std::vector<ProfileKey> keys;
  };
  using ProfileFile = std::vector<ProfileSection>;

  struct RegistryEntry {
    std::uint32_t type = kRegSz;
    std::string bytes;
    bool readRefused = false;
  };
  struct RegistryKey {
    bool refused = false;
    std::map<std::string, RegistryEntry> values;  // by lower-case name
  };

  std::string Resolve(const std::string& path) const;  // absolute and lower-case
  RegistryKey& Key(const std::string& keyPath);

  std::set<std::string> files_, folders_;
  std::vector<std::string> fileLookups_;
  std::string currentFolder_ = "C:\\Kinloom";
  std::string folderChangeFailure_;

  std::map<std::string, ProfileFile> profiles_;  // by lower-case bare name
  bool failProfileWrites_ = false;
  std::vector<ProfileWrite> profileWrites_;

  std::map<std::string, RegistryKey> registry_;  // by lower-case path
  std::vector<std::string> openedKeys_;

  std::deque<std::uintptr_t> shellCodes_;
  std::uintptr_t defaultShellCode_ = 42;
  std::vector<ShellCall> shellCalls_;

  int displayColorCount_ = -1;
  std::set<std::string> windows_;
  std::vector<std::string> foregroundRequests_;
};

}  // namespace kinloom
