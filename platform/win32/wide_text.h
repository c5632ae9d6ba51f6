// The one conversion at the Windows edge: the program's texts are UTF-8, the wide Windows
// functions take and give UTF-16.
#pragma once

#include <string>

namespace kinloom {

// UTF-8 text for a wide Windows function.
std::wstring ToUtf16(const std::string& utf8);
// What a wide Windows function gave, as UTF-8 text.
std::string ToUtf8(const std::wstring& utf16);

}  // namespace kinloom
