// The one error type that handlers raise and the application's default error report shows.
#pragma once

#include <stdexcept>
#include <string>

namespace kinloom {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace kinloom
