#include "data_file_path.h"

namespace viewer {

std::string DataFilePath(std::string_view executablePath, std::string_view fileName) {
  const auto lastSeparator = executablePath.find_last_of("/\\");
  std::string path;
  if (lastSeparator != std::string_view::npos) path = executablePath.substr(0, lastSeparator + 1);
  path += fileName;
  return path;
}

}  // namespace viewer
