// Starting documents, web pages and installed programs through the shell.
#include "launcher/global.h"

namespace kinloom::Global {

std::uintptr_t ShellOpen(const std::string& file, const std::string& parameters,
                         const std::string& folder) {
  return System().ShellOpen(file, parameters, folder);
}

bool ShellOpenOk(const std::string& file, const std::string& parameters,
                 const std::string& folder) {
  return ShellOpen(file, parameters, folder) > kHighestShellError;
}

void StartFirstFound(const std::vector<StartCandidate>& candidates,
                     const std::function<void()>& onMissing) {
  for (const StartCandidate& candidate : candidates) {
    if (!System().FileExists(candidate.path)) continue;
    const std::function<void()>& beforeStart = candidate.beforeStart;
    // Named in full first: a change of the current folder would leave a relative path behind.
    const std::string found = beforeStart ? System().FullPath(candidate.path) : candidate.path;
    if (beforeStart) beforeStart();
    ShellOpenOk(found, "", "");
    return;
  }
  onMissing();
}

void ReportMissingProgram(const std::string& displayName) {
  ShowMessageBox("Cannot locate the " + displayName + " executable file.  " +
                     "Please reinstall Kinloom\u00AE to ensure correct operation.",
                 kMsgError, kMbCancel, 0);
}

void LaunchInstalled(const std::string& folder, const std::string& exeName,
                     const std::string& displayName) {
  const std::string installed = AddTrailingBackslash(folder.empty() ? CurrentFolder() : folder);
  StartFirstFound({{installed + exeName}, {CurrentFolder() + exeName}},
                  [&] { ReportMissingProgram(displayName); });
}

void ReportNoHtmlAssociation(const std::string& url) {
  ShowMessageBox(
      "Kinloom\u00AE was unable to locate an association for .HTML files on this system.  "
      "To access the web page, launch your browser and open " +
          url,
      kMsgError, kMbOk, 0);
}

}  // namespace kinloom::Global
