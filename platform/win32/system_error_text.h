// Turns a Windows error code into the system's own text for it.
#pragma once

#include <string>

namespace kinloom {

// The system's message for `code` in UTF-8, without its trailing line break, or "Windows error N".
std::string SystemErrorText(unsigned long code);

}  // namespace kinloom
