// The one box that every failure of the program is reported in.
#pragma once

#include <string>

#include "platform/win32/win_api.h"

namespace kinloom {

// The plain system message box of the default error report: stop icon and OK, over `owner`;
// without an owner every window of the program waits for it. `text` is shown as it is.
void ShowErrorReportBox(HWND owner, const std::string& caption, const std::string& text);

}  // namespace kinloom
