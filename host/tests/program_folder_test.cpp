#include "host/program_folder.h"

#include <gtest/gtest.h>

namespace vorlane {
namespace {

TEST(Progfolder, DriveRootIsUsedUnchanged) {
  EXPECT_EQ(progfolder("C:\\"), "C:\\");
  EXPECT_EQ(progfolder("C:\\") + "log.dat", "C:\\log.dat");
}

TEST(Progfolder, OtherFoldersGetOneBackslash) {
  EXPECT_EQ(progfolder("C:\\Apps"), "C:\\Apps\\");
  EXPECT_EQ(progfolder("D:\\a"), "D:\\a\\");  // four characters: the first that gets one
}

TEST(Progfolder, ShortTextsStayAsTheyAre) {
  EXPECT_EQ(progfolder(""), "");
  EXPECT_EQ(progfolder("C:"), "C:");
}

TEST(FolderText, DriveRootKeepsItsBackslash) {
  EXPECT_EQ(folderText("C:\\Vorlane.exe"), "C:\\");
  EXPECT_EQ(progfolder(folderText("C:\\Vorlane.exe")), "C:\\");
}

TEST(FolderText, OtherFoldersLoseTheTrailingBackslash) {
  EXPECT_EQ(folderText("C:\\Apps\\Vorlane.exe"), "C:\\Apps");
  EXPECT_EQ(folderText("C:\\Program Files\\Zendry\\logger.exe"), "C:\\Program Files\\Zendry");
  EXPECT_EQ(folderText("\\\\server\\share\\Vorlane.exe"), "\\\\server\\share");
}

TEST(FolderText, PathWithoutFolderHasNone) {
  EXPECT_EQ(folderText("Vorlane.exe"), "");
  EXPECT_EQ(folderText(""), "");
}

TEST(FolderText, LongPathsAreKeptWhole) {
  const std::string folder = "C:\\" + std::string(400, 'x');
  EXPECT_EQ(folderText(folder + "\\Vorlane.exe"), folder);
}

}  // namespace
}  // namespace vorlane
