// World set-up through the real file, profile and registry calls.
#include "tests/e2e/world.h"

#include <shlwapi.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>

#include "platform/win32/wide_text.h"
#include "tests/support/wait_for.h"

namespace kinloom::e2e {
namespace {

namespace fs = std::filesystem;

void Check(LONG status, const std::string& what) {
  if (status != ERROR_SUCCESS) {
    throw std::runtime_error(what + " failed with " + std::to_string(status));
  }
}

void SetValue(HKEY root, REGSAM view, const std::string& key, const char* name, DWORD type,
              const std::string& bytes) {
  HKEY handle = nullptr;
  Check(RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &handle,
                        nullptr),
        "creating " + key);
  LONG status = RegSetValueExA(handle, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                               static_cast<DWORD>(bytes.size()));
  RegCloseKey(handle);
  Check(status, "setting a value of " + key);
}

// SHDeleteKeyA takes no registry view: the key's parent, opened in the view, carries it.
void RemoveKey(HKEY root, REGSAM view, const std::string& key) {
  const size_t split = key.find_last_of('\\');
  if (split == std::string::npos) {
    SHDeleteKeyA(root, key.c_str());
    return;
  }
  HKEY parent = nullptr;
  if (RegOpenKeyExA(root, key.substr(0, split).c_str(), 0, KEY_ALL_ACCESS | view, &parent) !=
      ERROR_SUCCESS) {
    return;
  }
  SHDeleteKeyA(parent, key.c_str() + split + 1);
  RegCloseKey(parent);
}

// A path of the world's, given in UTF-8 like every text of the harness.
fs::path PathOf(const std::string& utf8) {
  return fs::u8path(utf8);
}

// A REG_SZ value's bytes with its terminating NUL.
std::string Text(const std::string& text) {
  return text + '\0';
}

std::string OpenCommand(const std::string& program) {
  return "\"" + program + "\" \"%1\"";
}

}  // namespace

std::string WindowsPathOf(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path;
  std::string windows = "Z:" + path;
  for (char& c : windows) {
    if (c == '/') c = '\\';
  }
  return windows;
}

World::World(std::string root, std::string standIn)
    : root_(std::move(root)), standIn_(std::move(standIn)) {}

std::string World::At(const std::string& relative) const {
  return root_ + "\\" + relative;
}

std::string World::SettingsPath() const {
  wchar_t folder[MAX_PATH] = {};
  GetWindowsDirectoryW(folder, MAX_PATH);
  return ToUtf8(folder) + "\\Brindle.ini";
}

void World::Clear() const {
  std::error_code ignored;
  fs::remove_all(PathOf(root_), ignored);
  fs::remove_all(PathOf(SettingsPath()), ignored);
  RemovePartnerKeys();
  RouteShellTo("");
}

void World::BlockSettings() const {
  std::error_code ignored;
  fs::remove(PathOf(SettingsPath()), ignored);
  fs::create_directory(PathOf(SettingsPath()));
}

void World::WriteSettings(const std::string& bytes) const {
  std::ofstream file(PathOf(SettingsPath()), std::ios::binary | std::ios::trunc);
  file << bytes;
  if (!file) throw std::runtime_error("cannot write " + SettingsPath());
}

std::string World::ReadSettings() const {
  std::ifstream file(PathOf(SettingsPath()), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

void World::PlaceProgram(const std::string& relative) const {
  const fs::path target = PathOf(At(relative));
  fs::create_directories(target.parent_path());
  fs::copy_file(PathOf(standIn_), target, fs::copy_options::overwrite_existing);
}

void World::PlaceFile(const std::string& relative, const std::string& content) const {
  const fs::path target = PathOf(At(relative));
  fs::create_directories(target.parent_path());
  std::ofstream file(target, std::ios::binary | std::ios::trunc);
  file << content;
  if (!file) throw std::runtime_error("cannot write " + At(relative));
}

void World::MakeFolder(const std::string& relative) const {
  fs::create_directories(PathOf(At(relative)));
}

void World::RemoveFile(const std::string& relative) const {
  // A stand-in that has just journaled may still be running, and a running program's file
  // cannot be deleted until it has exited.
  const fs::path target = PathOf(At(relative));
  const bool removed = WaitFor([&] {
    std::error_code ignored;
    fs::remove(target, ignored);
    return !fs::exists(target, ignored);
  });
  if (!removed) throw std::runtime_error("cannot remove " + At(relative));
}

void World::SetInstallDir(const std::string& key, DWORD type, const std::string& bytes) const {
  SetValue(HKEY_LOCAL_MACHINE, kMenuRegistryView, key, "InstallDir", type, bytes);
}

void World::MakeKey(const std::string& key) const {
  HKEY handle = nullptr;
  Check(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS | kMenuRegistryView, nullptr, &handle, nullptr),
        "creating " + key);
  RegCloseKey(handle);
}

void World::RemovePartnerKeys() const {
  RemoveKey(HKEY_LOCAL_MACHINE, kMenuRegistryView, kPartnerRootKey);
}

void World::RouteShellTo(const std::string& handler) const {
  // An empty handler routes to a program that cannot exist, so that no real browser ever starts.
  const std::string command = OpenCommand(handler.empty() ? At("no-handler.exe") : At(handler));
  SetValue(HKEY_CLASSES_ROOT, 0, "http\\shell\\open\\command", nullptr, REG_SZ, Text(command));
  SetValue(HKEY_CLASSES_ROOT, 0, ".htm", nullptr, REG_SZ, Text("htmlfile"));
  SetValue(HKEY_CLASSES_ROOT, 0, "htmlfile\\shell\\open\\command", nullptr, REG_SZ, Text(command));
  SetValue(HKEY_CLASSES_ROOT, 0, ".pdf", nullptr, REG_SZ, Text("pdffile"));
  SetValue(HKEY_CLASSES_ROOT, 0, "pdffile\\shell\\open\\command", nullptr, REG_SZ, Text(command));
}

void World::RemoveWebAssociation() const {
  RemoveKey(HKEY_CLASSES_ROOT, 0, "http");
}

void World::RemoveDocumentAssociations() const {
  for (const char* key : {".htm", "htmlfile", ".pdf", "pdffile"}) {
    RemoveKey(HKEY_CLASSES_ROOT, 0, key);
  }
}

void World::RoutePdfToMissingProgram() const {
  SetValue(HKEY_CLASSES_ROOT, 0, "pdffile\\shell\\open\\command", nullptr, REG_SZ,
           Text(OpenCommand(At("missing\\reader.exe"))));
}

}  // namespace kinloom::e2e
