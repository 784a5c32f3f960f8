#include "host/program_folder.h"

namespace vorlane {

std::string progfolder(std::string_view folderText) {
  std::string folder(folderText);
  if (folder.size() >= 4) {
    folder += '\\';
  }
  return folder;
}

}  // namespace vorlane
