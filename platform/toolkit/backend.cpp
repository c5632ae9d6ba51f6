// Naming shared by every backend.
#include "platform/toolkit/backend.h"

#include <cctype>

namespace kinloom {

std::string ArtResourceName(const std::string& name, int scale) {
  std::string resource = name;
  for (char& c : resource) {
    c = c == '-' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return scale == 1 ? resource : resource + "_" + std::to_string(scale) + "X";
}

}  // namespace kinloom
