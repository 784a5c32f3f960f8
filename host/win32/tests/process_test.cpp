#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "host/program_folder.h"
#include "host/win32/program_folder.h"
#include "host/win32/program_launcher.h"
#include "host/win32/single_instance.h"
#include "host/win32/tests/child_process.h"
#include "host/win32/text_files.h"

namespace vorlane::win32 {
namespace {

using testing::environmentValue;
using testing::runSelf;

const char* const kInstanceVariable = "VORLANE_TEST_INSTANCE";
const char* const kExpectVariable = "VORLANE_TEST_EXPECT_PREVIOUS";

// Runs only as the second process of the instance tests below.
TEST(ChildProcess, ReportsPreviousInstance) {
  const std::string program = environmentValue(kInstanceVariable);
  if (program.empty()) {
    GTEST_SKIP() << "only run as a child process";
  }
  const SingleInstance instance(program);
  EXPECT_EQ(instance.previousInstance(), environmentValue(kExpectVariable) == "1");
}

TEST(SingleInstance, SecondProcessSeesTheFirstWhileItLives) {
  const std::string program = "instance-test-" + std::to_string(::GetCurrentProcessId());
  {
    const SingleInstance first(program);
    ASSERT_FALSE(first.previousInstance());
    EXPECT_EQ(runSelf("ChildProcess.ReportsPreviousInstance",
                      {{kInstanceVariable, program}, {kExpectVariable, "1"}}),
              0);
  }
  EXPECT_EQ(runSelf("ChildProcess.ReportsPreviousInstance",
                    {{kInstanceVariable, program}, {kExpectVariable, "0"}}),
            0)
      << "the name is free again once the first copy has gone";
}

TEST(SingleInstance, NamedByProgramAndAccountAndALockThatCannotBeOpenedCounts) {
  const std::string program = "instance-names-" + std::to_string(::GetCurrentProcessId());
  const SingleInstance vorlane(program + "-vorlane");
  const SingleInstance logger(program + "-logger");
  EXPECT_FALSE(logger.previousInstance());
  const SingleInstance again(program + "-vorlane");
  EXPECT_TRUE(again.previousInstance());
  const std::string name = SingleInstance::mutexName("vorlane");
  EXPECT_EQ(name.rfind("Local\\vorlane-vorlane-S-1-", 0), 0u) << name;

  // Held by a process this one may not open it from: an empty access list
  // grants nobody anything.
  SECURITY_DESCRIPTOR descriptor;
  ASSERT_TRUE(::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
  ACL acl;
  ASSERT_TRUE(::InitializeAcl(&acl, sizeof acl, ACL_REVISION));
  ASSERT_TRUE(::SetSecurityDescriptorDacl(&descriptor, TRUE, &acl, FALSE));
  SECURITY_ATTRIBUTES attributes = {sizeof attributes, &descriptor, FALSE};
  const UniqueKernelHandle locked(
      ::CreateMutexA(&attributes, FALSE, SingleInstance::mutexName(program + "-locked").c_str()));
  ASSERT_TRUE(locked);
  EXPECT_TRUE(SingleInstance(program + "-locked").previousInstance());
}

std::string probeFolder() { return progfolder(programFolderText()); }

TEST(ProgramLauncher, StartsByPathWithoutArgumentsMinimised) {
  const std::string out = probeFolder() + "launch_probe.out";
  ::DeleteFileA(out.c_str());
  Win32ProgramLauncher launcher;
  ASSERT_TRUE(launcher.start(probeFolder() + "launch_probe.exe"));
  Win32TextFiles files;
  std::optional<std::string> written;
  for (int i = 0; i < 500 && !(written = files.readAll(out)).has_value(); ++i) {
    ::Sleep(20);
  }
  ASSERT_TRUE(written) << "the probe never ran";
  for (int i = 0; i < 100 && written->empty(); ++i) {  // it may still be writing
    ::Sleep(20);
    written = files.readAll(out);
  }
  EXPECT_EQ(*written, "1 " + std::to_string(SW_SHOWMINIMIZED));
  ::DeleteFileA(out.c_str());
}

TEST(ProgramLauncher, MissingProgramIsReported) {
  Win32ProgramLauncher launcher;
  EXPECT_FALSE(launcher.start(probeFolder() + "no_such_program.exe"));
  EXPECT_FALSE(launcher.start(""));
}

TEST(ProgramFolder, IsTheExesFolderWithoutTrailingBackslash) {
  const std::string folder = programFolderText();
  const std::string path = modulePath();
  ASSERT_GT(folder.size(), 2u);
  EXPECT_EQ(path.rfind(folder, 0), 0u);
  if (folder.size() > 3) {
    EXPECT_NE(folder.back(), '\\');
    EXPECT_EQ(path[folder.size()], '\\');
  }
  EXPECT_NE(::GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace vorlane::win32
