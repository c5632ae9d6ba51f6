// Helpers shared by the launch operations of Global.
#pragma once

#include <initializer_list>
#include <string>

namespace kinloom::Global {

// Hands the first of `paths` that exists to the shell; false when none exists.
bool StartFirstFound(std::initializer_list<std::string> paths);

}  // namespace kinloom::Global
