// Asking for a disk until a file that lies on it can be found.
#pragma once

#include <string>

namespace kinloom {

// Looks for `path` and, while it is missing, asks with `prompt` (OK and Cancel). True once the
// file is found; false when the user cancels or closes the box.
bool WaitForDiskFile(const std::string& path, const std::string& prompt);

}  // namespace kinloom
