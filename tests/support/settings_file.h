// Settings files as the suite's programs and editors store them, for the tests on Windows.
#pragma once

#include <string>

namespace kinloom {

// In the system's ANSI code page, as the suite's other programs write it, or in UTF-16 with a
// byte-order mark, as Notepad can save it.
enum class SettingsEncoding { kSystemCodePage, kUtf16 };

// The bytes of a file holding `text` (UTF-8) in `encoding`. Throws when the system's code page
// lacks a character of it.
std::string SettingsBytes(const std::string& text, SettingsEncoding encoding);

// A folder name beyond ASCII that the system's code page can write, ending in a character of two
// bytes where the code page has them: in code page 932 the second byte of 表 is 0x5C, a
// backslash. Empty for a code page that none is given for.
std::string FolderNameOfTheSystemCodePage();

}  // namespace kinloom
