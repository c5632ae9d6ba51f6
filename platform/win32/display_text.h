// Display texts for the wide Windows functions: the program's texts are code page 1252 bytes
// whatever code page the system runs with.
#pragma once

#include <string>

namespace kinloom {

// `text` read as code page 1252, in UTF-16.
std::wstring DisplayText(const std::string& text);
// The other way: UTF-16 from the system as code page 1252 text, '?' for what it lacks.
std::string TextFromWide(const std::wstring& wide);

}  // namespace kinloom
