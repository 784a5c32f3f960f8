#include "host/program_folder.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

// From the exe's path to the folder text and the progfolder files are
// addressed from: a drive root keeps its one backslash, any other folder gets
// exactly one, and UTF-8 names pass through whole.
TEST(ProgramFolder, FromExePathToFolderTextAndProgfolder) {
  const std::string longFolder = "C:\\" + std::string(400, 'x');
  const struct {
    std::string exePath, folderText, progfolder;
  } cases[] = {
      {"C:\\Vorlane.exe", "C:\\", "C:\\"},
      {"C:\\Apps\\Vorlane.exe", "C:\\Apps", "C:\\Apps\\"},
      {"D:\\a\\x.exe", "D:\\a", "D:\\a\\"},  // four characters: the first that gets one
      {"C:\\Program Files\\Zendry\\logger.exe", "C:\\Program Files\\Zendry",
       "C:\\Program Files\\Zendry\\"},
      {"\\\\server\\share\\Vorlane.exe", "\\\\server\\share", "\\\\server\\share\\"},
      {"C:\\\xD0\x9F\xD0\xB0\xD0\xBC\\Vorlane.exe", "C:\\\xD0\x9F\xD0\xB0\xD0\xBC",
       "C:\\\xD0\x9F\xD0\xB0\xD0\xBC\\"},
      {longFolder + "\\Vorlane.exe", longFolder, longFolder + "\\"},
      {"Vorlane.exe", "", ""},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(folderText(c.exePath), c.folderText) << c.exePath;
    EXPECT_EQ(progfolder(c.folderText), c.progfolder) << c.exePath;
  }
  EXPECT_EQ(progfolder("C:"), "C:");
}

}  // namespace
}  // namespace vorlane
