#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "host/program_folder.h"
#include "host/win32/clock.h"
#include "host/win32/dll_search.h"
#include "host/win32/log_location.h"
#include "host/win32/memory_status.h"
#include "host/win32/program_folder.h"
#include "host/win32/program_launcher.h"
#include "host/win32/registry_settings_store.h"
#include "host/win32/run_registry.h"
#include "host/win32/single_instance.h"
#include "host/win32/tests/child_process.h"
#include "host/win32/text_files.h"
#include "host/win32/wide_text.h"

namespace vorlane::win32 {
namespace {

using testing::environmentValue;
using testing::runSelf;

const std::string kPid = std::to_string(::GetCurrentProcessId());
// Cyrillic and CJK: a folder outside any one ANSI code page.
const std::string kUnicodeFolder = "\xD0\x9F\xD0\xB0\xD0\xBC\xD1\x8F\xD1\x82\xD1\x8C \xE8\xA8\x98";

std::string scratchPath(const char* name) { return progfolder(programFolderText()) + name + kPid; }

// The second process of the tests below, told what to do by its environment.
TEST(ChildProcess, ActsAsTheEnvironmentSays) {
  if (const std::string program = environmentValue("VORLANE_TEST_INSTANCE"); !program.empty()) {
    EXPECT_EQ(SingleInstance(program).previousInstance(),
              environmentValue("VORLANE_TEST_EXPECT_PREVIOUS") == "1");
  } else if (!environmentValue("VORLANE_TEST_RESTRICTED_DLL_SEARCH").empty()) {
    restrictDllSearchPath();
    EXPECT_FALSE(UniqueModule(::LoadLibraryW(L"vorlane_planted.dll")));
  } else if (const std::string event = environmentValue("VORLANE_TEST_LAUNCHED"); !event.empty()) {
    const UniqueKernelHandle started(::OpenEventA(EVENT_MODIFY_STATE, FALSE, event.c_str()));
    EXPECT_TRUE(::SetEvent(started.get()) &&
                modulePath().find(kUnicodeFolder) != std::string::npos);
  }
}

TEST(DllSearch, ADllBesideTheExeIsNotLoadedByNameOnceRestricted) {
  ASSERT_TRUE(UniqueModule(::LoadLibraryW(L"vorlane_planted.dll"))) << "not planted beside the exe";
  EXPECT_EQ(runSelf("ChildProcess.*", {{"VORLANE_TEST_RESTRICTED_DLL_SEARCH", "1"}}), 0);
}

TEST(SingleInstance, OnePerProgramAndAccountWhileItLivesEvenWhereItCannotBeOpened) {
  const std::string program = "instance-test-" + kPid;
  EXPECT_EQ(SingleInstance::mutexName("vorlane").rfind("Local\\vorlane-vorlane-S-1-", 0), 0u);
  {
    const SingleInstance first(program);
    ASSERT_FALSE(first.previousInstance());
    EXPECT_FALSE(SingleInstance(program + "-logger").previousInstance());
    EXPECT_EQ(runSelf("ChildProcess.*",
                      {{"VORLANE_TEST_INSTANCE", program}, {"VORLANE_TEST_EXPECT_PREVIOUS", "1"}}),
              0);
  }
  EXPECT_EQ(runSelf("ChildProcess.*",
                    {{"VORLANE_TEST_INSTANCE", program}, {"VORLANE_TEST_EXPECT_PREVIOUS", "0"}}),
            0);
  // An empty access list grants nobody anything, as to a copy running elevated.
  SECURITY_DESCRIPTOR descriptor;
  ACL acl;
  ::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  ::InitializeAcl(&acl, sizeof acl, ACL_REVISION);
  ::SetSecurityDescriptorDacl(&descriptor, TRUE, &acl, FALSE);
  SECURITY_ATTRIBUTES attributes = {sizeof attributes, &descriptor, FALSE};
  const UniqueKernelHandle locked(
      ::CreateMutexA(&attributes, FALSE, SingleInstance::mutexName(program).c_str()));
  ASSERT_TRUE(locked);
  EXPECT_TRUE(SingleInstance(program).previousInstance());
}

TEST(ProgramLauncher, StartsAProgramByItsUnicodePath) {
  const std::string folder = scratchPath("launch-") + kUnicodeFolder;
  const std::string copy = folder + "\\child.exe";
  ASSERT_TRUE(::CreateDirectoryW(widen(folder).c_str(), nullptr));
  ASSERT_TRUE(::CopyFileW(widen(modulePath()).c_str(), widen(copy).c_str(), TRUE));
  const std::string event = "vorlane-launched-" + kPid;
  const UniqueKernelHandle started(::CreateEventA(nullptr, TRUE, FALSE, event.c_str()));
  ::SetEnvironmentVariableA("VORLANE_TEST_LAUNCHED", event.c_str());
  ::SetEnvironmentVariableA("GTEST_FILTER", "ChildProcess.*");
  EXPECT_TRUE(Win32ProgramLauncher().start(copy));
  EXPECT_FALSE(Win32ProgramLauncher().start(folder + "\\missing.exe"));
  ::SetEnvironmentVariableA("VORLANE_TEST_LAUNCHED", nullptr);
  ::SetEnvironmentVariableA("GTEST_FILTER", nullptr);
  EXPECT_EQ(::WaitForSingleObject(started.get(), 30000), WAIT_OBJECT_0);
  for (int attempt = 0; attempt < 100 && !::DeleteFileW(widen(copy).c_str()); ++attempt) {
    ::Sleep(50);  // until the child has ended
  }
  EXPECT_TRUE(::RemoveDirectoryW(widen(folder).c_str()));
}

// A log.dat that cannot be opened for writing (here a folder of that name: the
// tests run with rights that ignore read-only marks) moves the log.
TEST(LogLocation, TheProgramFolderOrLocalAppDataWhereTheLogCannotBeWritten) {
  const std::string folder = progfolder(programFolderText());
  const std::string log = folder + "log.dat";
  ASSERT_EQ(logFolder(), folder);
  ASSERT_TRUE(::CreateDirectoryA(log.c_str(), nullptr));
  const std::string fallback = logFolder();
  ::RemoveDirectoryA(log.c_str());
  ASSERT_GT(fallback.size(), 9u);
  EXPECT_EQ(fallback.substr(fallback.size() - 9), "\\Vorlane\\");
}

TEST(Registry, SettingsAsStringsRunKeyAsWideStringsAndFailuresAsFailures) {
  const std::string key = "Software\\vorlane-tests-" + kPid;
  RegistrySettingsStore store(key + "\\settings");
  EXPECT_FALSE(store.read("firstuse"));
  EXPECT_TRUE(store.write("mode", "stealth"));
  EXPECT_TRUE(store.write("empty", ""));
  EXPECT_TRUE(store.write("mode", "normal"));
  EXPECT_EQ(store.read("mode"), "normal");
  EXPECT_EQ(store.read("empty"), "");
  EXPECT_FALSE(store.read("firstuse"));
  const UniqueKey settings([&] {
    HKEY opened = nullptr;
    ::RegOpenKeyExA(HKEY_CURRENT_USER, (key + "\\settings").c_str(), 0, KEY_SET_VALUE, &opened);
    return opened;
  }());
  const DWORD number = 1;
  ::RegSetValueExA(settings.get(), "firstuse", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
  EXPECT_FALSE(store.read("firstuse")) << "a value of another type reads as missing";
  EXPECT_FALSE(RegistrySettingsStore(key + "\\" + std::string(300, 'k')).write("mode", "normal"));

  auto runKey = Win32RunRegistry(key).openForWrite();
  ASSERT_TRUE(runKey);
  EXPECT_TRUE(runKey->setString("Zendry's Vorlane", "\"C:\\" + kUnicodeFolder + "\\Vorlane.exe\""));
  HKEY opened = nullptr;
  ::RegOpenKeyExW(HKEY_CURRENT_USER, widen(key).c_str(), 0, KEY_QUERY_VALUE, &opened);
  const UniqueKey run(opened);
  wchar_t data[128] = {};
  DWORD size = sizeof data;
  DWORD type = 0;
  ASSERT_EQ(::RegQueryValueExW(run.get(), L"Zendry's Vorlane", nullptr, &type,
                               reinterpret_cast<BYTE*>(data), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(
      std::wstring(data, size / sizeof(wchar_t)),
      std::wstring(L"\"C:\\\u041F\u0430\u043C\u044F\u0442\u044C \u8A18\\Vorlane.exe\"") + L'\0');
  EXPECT_TRUE(runKey->deleteValue("Zendry's Vorlane"));
  EXPECT_FALSE(runKey->deleteValue("Zendry's Vorlane"));
  EXPECT_FALSE(Win32RunRegistry(key + "\\no such key").openForWrite());
  EXPECT_TRUE(Win32RunRegistry().openForWrite());
  ::RegDeleteKeyA(HKEY_CURRENT_USER, (key + "\\settings").c_str());
  ::RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
}

// Only a file or folder that is not there is missing; a file another program
// holds without sharing is there but unavailable, until it is let go.
TEST(TextFiles, AppendTruncateReadAndMissingIsNotHeld) {
  Win32TextFiles files;
  const std::string path = scratchPath("text-files-");
  EXPECT_EQ(files.openForReading(path).failure, OpenFailure::Missing);
  EXPECT_EQ(files.openForReading(scratchPath("no-folder-") + "\\log.dat").failure,
            OpenFailure::Missing);
  EXPECT_FALSE(files.readAll(path));
  EXPECT_FALSE(files.append("Z:\\no\\such\\folder\\log.dat", "1"));
  EXPECT_FALSE(files.truncate("Z:\\no\\such\\folder\\log.dat"));
  EXPECT_TRUE(files.append(path, "55\r\n"));
  ASSERT_TRUE(files.truncate(path));
  EXPECT_TRUE(files.append(path, "12\r\n"));
  {
    const UniqueFile writer(::CreateFileA(path.c_str(), GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_TRUE(files.append(path, "34\r\n")) << "shared with a writer";
    EXPECT_EQ(files.readAll(path), "12\r\n34\r\n");
  }
  {
    const UniqueFile holder(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    const OpenedText held = files.openForReading(path);
    EXPECT_EQ(held.failure, OpenFailure::Unavailable);
    EXPECT_EQ(held.reader, nullptr);
  }
  EXPECT_NE(files.openForReading(path).reader, nullptr) << "available once let go";
  ::DeleteFileA(path.c_str());
}

TEST(MemoryStatus, SystemFiguresOrAFileReadAgainEachTime) {
  const MemoryStatus system = Win32MemoryStatusSource::readSystem();
  EXPECT_GT(system.totalPhysBytes, 64ULL << 20);
  EXPECT_LE(system.availPhysBytes, system.totalPhysBytes);
  const std::string path = scratchPath("memory-");
  Win32TextFiles files;
  Win32MemoryStatusSource source(path);
  ASSERT_TRUE(files.append(path, "8589934592 429496729\r\n"));
  EXPECT_EQ(source.read().availPhysBytes, 429496729ULL);
  ASSERT_TRUE(files.append(path, "x"));
  EXPECT_EQ(source.read().totalPhysBytes, system.totalPhysBytes) << "bad text: the real figures";
  ::DeleteFileA(path.c_str());
  EXPECT_EQ(source.read().totalPhysBytes, system.totalPhysBytes);
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
