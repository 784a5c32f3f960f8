#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "host/win32/dll_search.h"
#include "host/win32/single_instance.h"
#include "host/win32/tests/child_process.h"

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

const char* const kRestrictedVariable = "VORLANE_TEST_RESTRICTED_DLL_SEARCH";

// Runs only as the second process of the DLL search test: the restriction
// holds for the rest of a process's life.
TEST(ChildProcess, LoadsNoDllFromBesideTheExe) {
  if (environmentValue(kRestrictedVariable).empty()) {
    GTEST_SKIP() << "only run as a child process";
  }
  restrictDllSearchPath();
  EXPECT_FALSE(UniqueModule(::LoadLibraryW(L"vorlane_planted.dll")));
}

TEST(DllSearch, ADllBesideTheExeIsNotLoadedByNameOnceRestricted) {
  ASSERT_TRUE(UniqueModule(::LoadLibraryW(L"vorlane_planted.dll")))
      << "the planted DLL is not beside the exe";
  EXPECT_EQ(runSelf("ChildProcess.LoadsNoDllFromBesideTheExe", {{kRestrictedVariable, "1"}}), 0);
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

}  // namespace
}  // namespace vorlane::win32
