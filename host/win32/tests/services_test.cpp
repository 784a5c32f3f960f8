#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "host/program_folder.h"
#include "host/win32/clock.h"
#include "host/win32/handles.h"
#include "host/win32/memory_status.h"
#include "host/win32/program_folder.h"
#include "host/win32/text_files.h"

namespace vorlane::win32 {
namespace {

std::string scratchPath(const char* name) {
  return progfolder(programFolderText()) + name + std::to_string(::GetCurrentProcessId());
}

TEST(TextFiles, AppendCreatesTruncateEmptiesReadBackWhole) {
  const std::string path = scratchPath("text-files-");
  ::DeleteFileA(path.c_str());
  Win32TextFiles files;
  EXPECT_TRUE(files.append(path, "55\r\n"));
  EXPECT_EQ(files.readAll(path), "55\r\n");
  ASSERT_TRUE(files.truncate(path));
  EXPECT_EQ(files.readAll(path), "");
  EXPECT_TRUE(files.append(path, "42\r\n"));
  EXPECT_TRUE(files.append(path, "17\r\n"));
  EXPECT_EQ(files.readAll(path), "42\r\n17\r\n");
  ::DeleteFileA(path.c_str());
}

TEST(TextFiles, OtherProgramMayReadWhileTheFileIsOpen) {
  const std::string path = scratchPath("text-shared-");
  Win32TextFiles files;
  ASSERT_TRUE(files.truncate(path));
  HANDLE writer = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_TRUE(files.readAll(path).has_value());
  EXPECT_TRUE(files.append(path, "1\r\n"));
  ::CloseHandle(writer);
  ::DeleteFileA(path.c_str());
}

// Only a file or folder that is not there is missing; a file another program
// holds without sharing is there but unavailable, until it is let go.
TEST(TextFiles, MissingIsNotTheSameAsHeldByAnotherProgram) {
  Win32TextFiles files;
  const std::string folder = progfolder(programFolderText());
  EXPECT_EQ(files.openForReading(scratchPath("no-such-file-")).failure, OpenFailure::Missing);
  EXPECT_EQ(files.openForReading(folder + "no-such-folder\\log.dat").failure, OpenFailure::Missing);
  EXPECT_FALSE(files.readAll(scratchPath("no-such-file-")));
  EXPECT_FALSE(files.append("Z:\\no\\such\\folder\\log.dat", "1"));
  EXPECT_FALSE(files.truncate("Z:\\no\\such\\folder\\log.dat"));

  const std::string path = scratchPath("text-held-");
  ASSERT_TRUE(files.truncate(path));
  ASSERT_TRUE(files.append(path, "12\r\n34\r\n"));
  {
    const UniqueFile holder(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(static_cast<bool>(holder));
    const OpenedText held = files.openForReading(path);
    EXPECT_EQ(held.failure, OpenFailure::Unavailable);
    EXPECT_EQ(held.reader, nullptr);
  }
  const OpenedText opened = files.openForReading(path);
  ASSERT_NE(opened.reader, nullptr);
  char buffer[5];
  std::string content;
  while (const auto got = opened.reader->read(buffer, sizeof buffer).value_or(0)) {
    content.append(buffer, got);
  }
  EXPECT_EQ(content, "12\r\n34\r\n");
  ::DeleteFileA(path.c_str());
}

TEST(MemoryStatus, SystemFiguresAreSixtyFourBitAndSane) {
  const MemoryStatus status = Win32MemoryStatusSource::readSystem();
  EXPECT_GT(status.totalPhysBytes, 64ULL << 20);
  EXPECT_LE(status.availPhysBytes, status.totalPhysBytes);
}

TEST(MemoryStatus, FileOverridesAndIsReadAgainEachTime) {
  const std::string path = scratchPath("memory-");
  Win32TextFiles files;
  ASSERT_TRUE(files.truncate(path));
  ASSERT_TRUE(files.append(path, "8589934592 4294967296"));
  Win32MemoryStatusSource source(path);
  EXPECT_EQ(source.read().totalPhysBytes, 8589934592ULL);
  EXPECT_EQ(source.read().availPhysBytes, 4294967296ULL);
  ASSERT_TRUE(files.truncate(path));
  ASSERT_TRUE(files.append(path, "8589934592 429496729\r\n"));
  EXPECT_EQ(source.read().availPhysBytes, 429496729ULL);
  ASSERT_TRUE(files.truncate(path));
  ASSERT_TRUE(files.append(path, "8589934592 429496729" + std::string(1 << 20, ' ')));
  EXPECT_EQ(source.read().totalPhysBytes, Win32MemoryStatusSource::readSystem().totalPhysBytes)
      << "a file beyond the bound leaves the real figures";
  ::DeleteFileA(path.c_str());
  EXPECT_EQ(source.read().totalPhysBytes, Win32MemoryStatusSource::readSystem().totalPhysBytes);
}

TEST(Clock, WidensTheTickCountAcrossItsWrap) {
  std::uint32_t last = 0;
  std::uint64_t wraps = 0;
  EXPECT_EQ(Win32Clock::widen(0xFFFFFFF0u, last, wraps), 0xFFFFFFF0ULL);
  EXPECT_EQ(Win32Clock::widen(0x10u, last, wraps), 0x100000010ULL);
  EXPECT_EQ(Win32Clock::widen(0x20u, last, wraps), 0x100000020ULL);
}

}  // namespace
}  // namespace vorlane::win32
