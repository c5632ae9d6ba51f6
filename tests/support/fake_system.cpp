// An in-memory machine that follows the rules of the real profile service, registry and files.
#include "tests/support/fake_system.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace kinloom {
namespace {

// The profile service hands back at most this many characters of a value (UTF-16 units; the
// fake counts bytes, one per character in the ASCII values the tests give it).
constexpr size_t kProfileValueLimit = 2047;

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool SameName(const std::string& a, const std::string& b) {
  return Lower(a) == Lower(b);
}

std::string Trim(const std::string& text) {
  const char* blanks = " \t";
  size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The profile service drops one pair of matching quotes around a value.
std::string Unquote(const std::string& text) {
  if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
      text.back() == text.front()) {
    return text.substr(1, text.size() - 2);
  }
  return text;
}

std::vector<std::string> SplitPath(const std::string& path) {
  std::vector<std::string> parts;
  std::string part;
  for (char c : path + "\\") {
    if (c != '\\' && c != '/') {
      part += c;
    } else if (!part.empty() && part != ".") {
      if (part == "..") {
        if (parts.size() > 1) parts.pop_back();
      } else {
        parts.push_back(part);
      }
      part.clear();
    } else {
      part.clear();
    }
  }
  return parts;
}

std::string JoinPath(const std::vector<std::string>& parts) {
  if (parts.size() == 1) return parts[0] + "\\";  // a drive root keeps its backslash
  std::string path;
  for (size_t i = 0; i < parts.size(); ++i) path += (i ? "\\" : "") + parts[i];
  return path;
}

}  // namespace

FakeSystem::FakeSystem() {
  AddFolder(currentFolder_);
}

// Windows resolves relative and drive-relative paths against the current folder and collapses
// repeated separators; the result here keeps the caller's letter case.
std::string FakeSystem::Resolve(const std::string& path) const {
  const std::string drive = currentFolder_.substr(0, 2);
  std::string full;
  if (path.size() >= 2 && path[1] == ':') {
    bool rooted = path.size() >= 3 && (path[2] == '\\' || path[2] == '/');
    bool sameDrive = SameName(path.substr(0, 2), drive);
    full = rooted || !sameDrive ? path.substr(0, 2) + "\\" + path.substr(2)
                                : currentFolder_ + "\\" + path.substr(2);
  } else if (!path.empty() && (path[0] == '\\' || path[0] == '/')) {
    full = drive + path;
  } else {
    full = currentFolder_ + "\\" + path;
  }
  return JoinPath(SplitPath(full));
}

void FakeSystem::AddFile(const std::string& path) {
  std::string full = Resolve(path);
  files_.insert(Lower(full));
  AddFolder(full.substr(0, full.find_last_of('\\')));
}

void FakeSystem::RemoveFile(const std::string& path) {
  files_.erase(Lower(Resolve(path)));
}

void FakeSystem::AddFolder(const std::string& path) {
  std::vector<std::string> parts = SplitPath(Resolve(path));
  for (size_t count = 1; count <= parts.size(); ++count) {
    folders_.insert(Lower(JoinPath({parts.begin(), parts.begin() + count})));
  }
}

bool FakeSystem::FileExists(const std::string& path) {
  fileLookups_.push_back(path);
  // A file name never ends in a separator; the lookup of such a path finds nothing.
  if (path.empty() || path.back() == '\\' || path.back() == '/') return false;
  return files_.count(Lower(Resolve(path))) > 0;
}

bool FakeSystem::FolderExists(const std::string& path) {
  return !path.empty() && folders_.count(Lower(Resolve(path))) > 0;
}

std::string FakeSystem::CurrentFolder() {
  return currentFolder_;
}

bool FakeSystem::SetCurrentFolder(const std::string& path, std::string& error) {
  if (!folderChangeFailure_.empty()) {
    error = folderChangeFailure_;
    return false;
  }
  if (!FolderExists(path)) {
    error = "The system cannot find the path specified.";
    return false;
  }
  currentFolder_ = Resolve(path);
  return true;
}

void FakeSystem::SetProfileFile(const std::string& file, const std::string& text) {
  ProfileFile& profile = profiles_[Lower(file)];
  profile.clear();
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string trimmed = Trim(line);
    size_t equals = trimmed.find('=');
    if (!trimmed.empty() && trimmed[0] == '[') {
      profile.push_back({Trim(trimmed.substr(1, trimmed.find(']') - 1)), {}});
    } else if (equals != std::string::npos && !profile.empty()) {
      profile.back().keys.push_back({Trim(trimmed.substr(0, equals)), trimmed.substr(equals + 1)});
    }
  }
}

void FakeSystem::RemoveProfileFile(const std::string& file) {
  profiles_.erase(Lower(file));
}

bool FakeSystem::HasProfileFile(const std::string& file) const {
  return profiles_.count(Lower(file)) > 0;
}

std::string FakeSystem::ProfileFileText(const std::string& file) const {
  auto found = profiles_.find(Lower(file));
  if (found == profiles_.end()) return "";
  std::string text;
  for (const ProfileSection& section : found->second) {
    text += "[" + section.name + "]\r\n";
    for (const ProfileKey& key : section.keys) text += key.name + "=" + key.rawValue + "\r\n";
  }
  return text;
}

std::string FakeSystem::ReadProfileString(const std::string& file, const std::string& section,
                                          const std::string& key, const std::string& fallback) {
  std::string value = fallback;
  auto found = profiles_.find(Lower(file));
  if (found != profiles_.end()) {
    for (const ProfileSection& s : found->second) {
      if (!SameName(s.name, section)) continue;
      auto k = std::find_if(s.keys.begin(), s.keys.end(), [&](const ProfileKey& candidate) {
        return SameName(candidate.name, key);
      });
      if (k != s.keys.end()) value = Unquote(Trim(k->rawValue));
      break;
    }
  }
  return value.substr(0, kProfileValueLimit);
}

bool FakeSystem::WriteProfileString(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& value) {
  if (failProfileWrites_) return false;
  profileWrites_.push_back({file, section, key, value});
  ProfileFile& profile = profiles_[Lower(file)];
  auto s = std::find_if(profile.begin(), profile.end(), [&](const ProfileSection& candidate) {
    return SameName(candidate.name, section);
  });
  if (s == profile.end()) s = profile.insert(profile.end(), {section, {}});
  for (ProfileKey& k : s->keys) {
    if (SameName(k.name, key)) {
      k.rawValue = value;
      return true;
    }
  }
  s->keys.push_back({key, value});
  return true;
}

FakeSystem::RegistryKey& FakeSystem::Key(const std::string& keyPath) {
  return registry_[Lower(keyPath)];
}

void FakeSystem::AddRegistryKey(const std::string& keyPath) {
  Key(keyPath);
}

void FakeSystem::SetRegistryValue(const std::string& keyPath, const std::string& name,
                                  std::uint32_t type, const std::string& bytes) {
  RegistryEntry& entry = Key(keyPath).values[Lower(name)];
  entry.type = type;
  entry.bytes = bytes;
}

void FakeSystem::SetRegistryString(const std::string& keyPath, const std::string& name,
                                   const std::string& text, std::uint32_t type) {
  SetRegistryValue(keyPath, name, type, text + '\0');
}

void FakeSystem::SetRegistryDword(const std::string& keyPath, const std::string& name,
                                  std::uint32_t value) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
  SetRegistryValue(keyPath, name, kRegDword, bytes);
}

void FakeSystem::RefuseRegistryKey(const std::string& keyPath) {
  Key(keyPath).refused = true;
}

void FakeSystem::RefuseRegistryRead(const std::string& keyPath, const std::string& name) {
  Key(keyPath).values[Lower(name)].readRefused = true;
}

// Mirrors the adapter: open for reading, query the value, and sort what came back into outcomes.
RegistryValue FakeSystem::ReadMachineString(const std::string& keyPath, const std::string& name) {
  std::string path = !keyPath.empty() && keyPath[0] == '\\' ? keyPath.substr(1) : keyPath;
  auto key = registry_.find(Lower(path));
  // The system refuses a subkey path that still begins with a separator.
  if (path.empty() || path[0] == '\\' || key == registry_.end() || key->second.refused) {
    return {RegistryOutcome::kCannotOpen, ""};
  }
  openedKeys_.push_back(path);
  auto value = key->second.values.find(Lower(name));
  if (value == key->second.values.end()) return {RegistryOutcome::kEmpty, ""};
  const RegistryEntry& entry = value->second;
  if (entry.readRefused) return {RegistryOutcome::kOtherType, ""};
  if (entry.bytes.empty()) return {RegistryOutcome::kEmpty, ""};
  if (entry.type != kRegSz && entry.type != kRegExpandSz) return {RegistryOutcome::kOtherType, ""};
  return {RegistryOutcome::kText, entry.bytes.substr(0, entry.bytes.find('\0'))};
}

std::uintptr_t FakeSystem::ShellOpen(const std::string& file, const std::string& parameters,
                                     const std::string& folder) {
  shellCalls_.push_back({file, parameters, folder, currentFolder_});
  if (shellCodes_.empty()) return defaultShellCode_;
  std::uintptr_t code = shellCodes_.front();
  shellCodes_.pop_front();
  return code;
}

bool FakeSystem::BringWindowToForeground(const std::string& title) {
  foregroundRequests_.push_back(title);
  return windows_.count(title) > 0;
}

}  // namespace kinloom
