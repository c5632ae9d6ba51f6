// The one box that every failure of the program is reported in.
#include "platform/win32/error_report.h"

#include "platform/win32/display_text.h"

namespace kinloom {

void ShowErrorReportBox(HWND owner, const std::string& caption, const std::string& text) {
  MessageBoxW(owner, DisplayText(text).c_str(), DisplayText(caption).c_str(),
              MB_ICONSTOP | MB_OK | MB_TASKMODAL);
}

}  // namespace kinloom
