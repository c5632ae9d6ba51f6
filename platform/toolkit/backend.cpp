// Naming shared by every backend.
#include "platform/toolkit/backend.h"

#include <cctype>

namespace kinloom {

std::string ArtResourceName(const std::string& name) {
  std::string resource = name;
  for (char& c : resource) {
    c = c == '-' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return resource;
}

std::string ArtResourceType(int scale) {
  return "ART" + std::to_string(scale) + "X";
}

}  // namespace kinloom
