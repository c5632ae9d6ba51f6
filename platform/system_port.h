// The system port: every side effect the launcher has on the machine, behind one narrow interface.
// Every text, path and name that crosses it is UTF-8.
#pragma once

#include <cstdint>
#include <string>

namespace kinloom {

// What one registry value lookup under HKEY_LOCAL_MACHINE found.
enum class RegistryOutcome {
  kCannotOpen,  // key absent, or opening it for reading was refused
  kEmpty,       // key opened; value absent or of zero length
  kText,        // key opened; value is REG_SZ or REG_EXPAND_SZ (not expanded)
  kOtherType,   // key opened; value of another type, or the read was refused
};

struct RegistryValue {
  RegistryOutcome outcome = RegistryOutcome::kCannotOpen;
  std::string text;  // only for kText: the stored text cut at the first NUL
};

class SystemPort {
 public:
  virtual ~SystemPort() = default;

  // Reads `key` of `section` from the profile file named by its bare `file` name (so it lives in
  // the Windows folder). Returns `fallback` when file, section or key is absent; a present but
  // empty key gives empty text. Names match without regard to case; at most 2047 characters come
  // back. An ANSI file is read through the system's code page.
  virtual std::string ReadProfileString(const std::string& file, const std::string& section,
                                        const std::string& key, const std::string& fallback) = 0;

  // Writes `key`=`value` into `section` of the bare-named profile file, creating what is absent
  // and keeping every other section and key and the file's encoding. Returns false when the file
  // cannot be written.
  virtual bool WriteProfileString(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& value) = 0;

  // Reads value `name` of `keyPath` under HKEY_LOCAL_MACHINE with read access only. A single
  // leading backslash of `keyPath` is dropped. The key is closed before this returns.
  virtual RegistryValue ReadMachineString(const std::string& keyPath, const std::string& name) = 0;

  // True when `path` names an existing file; false for folders and for anything missing, also on
  // a drive without a medium or a drive letter that does not exist (no system box is shown).
  virtual bool FileExists(const std::string& path) = 0;

  // True when `path` names an existing folder; false as FileExists for a drive without a medium.
  virtual bool FolderExists(const std::string& path) = 0;

  // The full path that `path` names now, resolved against the current folder and drive the way
  // the system resolves it; `path` itself when it cannot be resolved.
  virtual std::string FullPath(const std::string& path) = 0;

  // The process's current folder, as the system reports it (no trailing backslash is added).
  virtual std::string CurrentFolder() = 0;

  // Makes `path` the process's current folder. Returns false, changing nothing, when it fails;
  // `error` then receives the system's reason.
  virtual bool SetCurrentFolder(const std::string& path, std::string& error) = 0;

  // The shell's "open" verb on `file`, SW_SHOWNORMAL, on behalf of the window the user is working
  // in, which owns whatever the shell shows. Returns the shell's code: above 32 is success, and a
  // failure shows no shell dialog (a missing association gives its code). The hand-over is
  // complete when this returns, so the program may end at once. Empty `parameters` or `folder`
  // are passed as empty text.
  virtual std::uintptr_t ShellOpen(const std::string& file, const std::string& parameters,
                                   const std::string& folder) = 0;

  // The display's NUMCOLORS: the size of its colour table, or -1 above 8 bits per pixel.
  virtual int DisplayColorCount() = 0;

  // Finds a top-level window by exact title (any class), restores it when it is minimised and
  // brings it to the foreground. Returns whether such a window was found.
  virtual bool BringWindowToForeground(const std::string& title) = 0;
};

}  // namespace kinloom
