#pragma once

#include <string>
#include <string_view>

namespace viewer {

// What the user reads when a text that should be a number is not one.
inline std::string ConversionErrorMessage(std::string_view text) {
  return "'" + std::string(text) + "' is not a valid floating point value";
}

}  // namespace viewer
