// Putting text on the clipboard.
#pragma once

#include <string>

#include "platform/win32/win_api.h"

namespace kinloom {

// Replaces the clipboard's contents by `text` (UTF-8) on behalf of `owner`, waiting up to about a
// second for another program to let go of the clipboard; false on failure.
bool CopyTextToClipboard(HWND owner, const std::string& text);

}  // namespace kinloom
