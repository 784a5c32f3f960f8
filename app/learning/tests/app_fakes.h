#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "host/program_launcher.h"
#include "host/run_registry.h"
#include "host/settings_store.h"
#include "host/text_files.h"
#include "tests/fakes/fake_popup.h"

namespace vorlane::testing {

// One journal shared by the fakes of a test, so that the order of what the
// code under test does across all of them can be checked in one list.
using Journal = std::vector<std::string>;

class FakeSettings final : public SettingsStore {
 public:
  explicit FakeSettings(Journal& journal) : journal_(journal) {}
  std::optional<std::string> read(std::string_view key) override;
  bool write(std::string_view key, std::string_view value) override;

  std::map<std::string, std::string, std::less<>> values;
  // Keys whose writes the store refuses (a policy, a full registry hive).
  std::set<std::string, std::less<>> refused;
  bool throwOnRead = false;

 private:
  Journal& journal_;
};

class FakeRunRegistry final : public RunRegistry {
 public:
  explicit FakeRunRegistry(Journal& journal) : journal_(journal) {}
  std::unique_ptr<RunKey> openForWrite() override;

  std::map<std::string, std::string, std::less<>> values;
  bool refuse = false;
  int openKeys = 0;

 private:
  Journal& journal_;
};

class FakeLauncher final : public ProgramLauncher {
 public:
  explicit FakeLauncher(Journal& journal) : journal_(journal) {}
  bool start(const std::string& path) override;

  std::set<std::string> existing;

 private:
  Journal& journal_;
};

// Files in memory. A reader hands out at most `pieceBytes` per read, so that
// fields are cut between pieces.
class FakeTextFiles final : public TextFiles {
 public:
  explicit FakeTextFiles(Journal& journal) : journal_(journal) {}
  OpenedText openForReading(const std::string& path) override;
  std::optional<std::string> readAll(const std::string& path) override;
  bool truncate(const std::string& path) override;
  bool append(const std::string& path, std::string_view text) override;

  std::map<std::string, std::string> files;
  bool throwOnRead = false;
  // The next this many opens find the file there but unavailable.
  int unavailableOpens = 0;
  // A read that would go past this many bytes fails.
  std::size_t failReadsAfter = SIZE_MAX;
  std::size_t pieceBytes = 5;

 private:
  Journal& journal_;
};

}  // namespace vorlane::testing
