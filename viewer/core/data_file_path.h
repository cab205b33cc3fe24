#pragma once

#include <string>
#include <string_view>

namespace viewer {

// The directory part of the executable's full path (up to and including its last separator)
// followed directly by the file name; the current directory plays no part.
std::string DataFilePath(std::string_view executablePath, std::string_view fileName);

}  // namespace viewer
