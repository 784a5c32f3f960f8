#include "host/program_folder.h"

namespace vorlane {

std::string progfolder(std::string_view folderText) {
  std::string folder(folderText);
  if (folder.size() >= 4) {
    folder += '\\';
  }
  return folder;
}

std::string folderText(std::string_view modulePath) {
  const auto lastSeparator = modulePath.rfind('\\');
  if (lastSeparator == std::string_view::npos) {
    return {};
  }
  std::string folder(modulePath.substr(0, lastSeparator));
  if (folder.size() == 2 && folder[1] == ':') {
    folder += '\\';
  }
  return folder;
}

}  // namespace vorlane
