// Starting documents, web pages and installed programs through the shell.
#include "launcher/launching.h"

#include "launcher/global.h"

namespace kinloom::Global {
namespace {

// The shell answers 32 or below for its errors.
constexpr std::uintptr_t kLastShellError = 32;

}  // namespace

std::uintptr_t ShellOpen(const std::string& file, const std::string& parameters,
                         const std::string& folder) {
  return System().ShellOpen(file, parameters, folder);
}

bool ShellOpenOk(const std::string& file, const std::string& parameters,
                 const std::string& folder) {
  return ShellOpen(file, parameters, folder) > kLastShellError;
}

bool StartFirstFound(std::initializer_list<std::string> paths) {
  for (const std::string& path : paths) {
    if (System().FileExists(path)) {
      // A program the shell refuses is not reported.
      ShellOpenOk(path, "", "");
      return true;
    }
  }
  return false;
}

void LaunchInstalled(const std::string& folder, const std::string& exeName,
                     const std::string& displayName) {
  std::string installed = AddTrailingBackslash(folder.empty() ? CurrentFolder() : folder);
  if (StartFirstFound({installed + exeName, CurrentFolder() + exeName})) return;
  ShowMessageBox("Cannot locate the " + displayName + " executable file.  " +
                     "Please reinstall Kinloom\xAE to ensure correct operation.",
                 kMsgError, kMbCancel, 0);
}

void ReportNoHtmlAssociation(const std::string& url) {
  ShowMessageBox(
      "Kinloom\xAE was unable to locate an association for .HTML files on this system.  "
      "To access the web page, launch your browser and open " +
          url,
      kMsgError, kMbOk, 0);
}

}  // namespace kinloom::Global
