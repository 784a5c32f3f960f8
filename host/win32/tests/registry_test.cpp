#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "host/win32/handles.h"
#include "host/win32/registry_settings_store.h"
#include "host/win32/run_registry.h"
#include "host/win32/wide_text.h"

namespace vorlane::win32 {
namespace {

// A key of this test process's own, removed again afterwards.
class RegistryTest : public ::testing::Test {
 protected:
  void TearDown() override {
    ::RegDeleteKeyA(HKEY_CURRENT_USER, (key_ + "\\settings").c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
  }

  // Reads a value the way another program (or `reg query`) would.
  static bool rawValue(const std::string& key, const char* name, DWORD& type, std::string& data) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened) !=
        ERROR_SUCCESS) {
      return false;
    }
    const UniqueKey owner(opened);
    char buffer[512] = {};
    DWORD size = sizeof buffer;
    if (::RegQueryValueExA(opened, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
        ERROR_SUCCESS) {
      return false;
    }
    data.assign(buffer, size);
    return true;
  }

  const std::string key_ = "Software\\vorlane-tests-" + std::to_string(::GetCurrentProcessId());
};

TEST_F(RegistryTest, SettingsRoundTripAsStringsAndMissingReadsAsMissing) {
  RegistrySettingsStore store(key_ + "\\settings");
  EXPECT_FALSE(store.read("firstuse"));  // the key does not exist yet
  EXPECT_TRUE(store.write("mode", "stealth"));
  EXPECT_FALSE(store.read("firstuse"));  // the key exists, the value does not
  EXPECT_TRUE(store.write("firstuse", "False"));
  EXPECT_TRUE(store.write("empty", ""));
  EXPECT_EQ(store.read("mode"), "stealth");
  EXPECT_EQ(store.read("firstuse"), "False");
  EXPECT_EQ(store.read("empty"), "");
  EXPECT_TRUE(store.write("mode", "normal"));
  EXPECT_EQ(store.read("mode"), "normal");
  DWORD type = 0;
  std::string data;
  ASSERT_TRUE(rawValue(key_ + "\\settings", "mode", type, data));
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(data, std::string("normal", 7));
}

TEST_F(RegistryTest, ValueOfAnotherTypeReadsAsMissing) {
  RegistrySettingsStore store(key_ + "\\settings");
  ASSERT_TRUE(store.write("mode", "normal"));
  HKEY opened = nullptr;
  ASSERT_EQ(
      ::RegOpenKeyExA(HKEY_CURRENT_USER, (key_ + "\\settings").c_str(), 0, KEY_SET_VALUE, &opened),
      ERROR_SUCCESS);
  const UniqueKey owner(opened);
  const DWORD number = 1;
  ::RegSetValueExA(opened, "firstuse", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                   sizeof number);
  EXPECT_FALSE(store.read("firstuse"));
}

TEST_F(RegistryTest, RunKeySetsAWideStringWithItsNulAndDeletes) {
  RegistrySettingsStore(key_ + "\\settings").write("x", "y");  // creates the key
  Win32RunRegistry registry(key_);
  auto runKey = registry.openForWrite();
  ASSERT_TRUE(runKey);
  // A folder outside any one ANSI code page: Cyrillic and CJK.
  EXPECT_TRUE(runKey->setString("Zendry's Vorlane",
                                "\"C:\\\xD0\x9F\xD0\xB0\xD0\xBC\xD1\x8F\xD1\x82\xD1\x8C "
                                "\xE8\xA8\x98\xE6\x86\xB6\\Vorlane.exe\""));
  HKEY opened = nullptr;
  ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, widen(key_).c_str(), 0, KEY_QUERY_VALUE, &opened),
            ERROR_SUCCESS);
  const UniqueKey owner(opened);
  wchar_t buffer[128] = {};
  DWORD size = sizeof buffer;
  DWORD type = 0;
  ASSERT_EQ(::RegQueryValueExW(opened, L"Zendry's Vorlane", nullptr, &type,
                               reinterpret_cast<BYTE*>(buffer), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  const std::wstring expected =
      L"\"C:\\\u041F\u0430\u043C\u044F\u0442\u044C \u8A18\u61B6\\Vorlane.exe\"";
  EXPECT_EQ(std::wstring(buffer, size / sizeof(wchar_t)), expected + L'\0')
      << "the byte count counts the NUL";
  EXPECT_TRUE(runKey->deleteValue("Zendry's Vorlane"));
  std::string data;
  EXPECT_FALSE(rawValue(key_, "Zendry's Vorlane", type, data));
  EXPECT_FALSE(runKey->deleteValue("Zendry's Vorlane")) << "nothing left to delete";
}

TEST_F(RegistryTest, RunKeyThatCannotBeOpenedGivesNothing) {
  Win32RunRegistry registry(key_ + "\\no such key");
  EXPECT_FALSE(registry.openForWrite());
}

TEST(RunRegistry, TheRealRunKeyOpensForWriting) { EXPECT_TRUE(Win32RunRegistry().openForWrite()); }

}  // namespace
}  // namespace vorlane::win32
