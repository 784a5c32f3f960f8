#include "app/learning/tests/app_fakes.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace vorlane::testing {

std::optional<std::string> FakeSettings::read(std::string_view key) {
  if (throwOnRead) {
    throw std::runtime_error("settings store unreadable");
  }
  const auto found = values.find(key);
  if (found == values.end()) {
    return std::nullopt;
  }
  return found->second;
}

bool FakeSettings::write(std::string_view key, std::string_view value) {
  if (refused.count(key) != 0) {
    journal_.push_back("save " + std::string(key) + " refused");
    return false;
  }
  journal_.push_back("save " + std::string(key) + "=" + std::string(value));
  values[std::string(key)] = std::string(value);
  return true;
}

namespace {

class FakeRunKey final : public RunKey {
 public:
  FakeRunKey(FakeRunRegistry& registry, Journal& journal) : registry_(registry), journal_(journal) {
    ++registry_.openKeys;
  }
  ~FakeRunKey() override {
    --registry_.openKeys;
    journal_.push_back("run close");
  }
  bool setString(std::string_view valueName, std::string_view data) override {
    journal_.push_back("run set " + std::string(valueName) + "=" + std::string(data));
    registry_.values[std::string(valueName)] = std::string(data);
    return true;
  }
  bool deleteValue(std::string_view valueName) override {
    const bool existed = registry_.values.erase(std::string(valueName)) > 0;
    journal_.push_back("run delete " + std::string(valueName) + (existed ? "" : " (missing)"));
    return existed;
  }

 private:
  FakeRunRegistry& registry_;
  Journal& journal_;
};

}  // namespace

std::unique_ptr<RunKey> FakeRunRegistry::openForWrite() {
  if (refuse) {
    journal_.push_back("run refused");
    return nullptr;
  }
  return std::make_unique<FakeRunKey>(*this, journal_);
}

bool FakeLauncher::start(const std::string& path) {
  const bool found = existing.count(path) > 0;
  journal_.push_back("launch " + path + (found ? "" : " (missing)"));
  return found;
}

namespace {

class FakeReader final : public TextReader {
 public:
  FakeReader(std::string content, std::size_t pieceBytes, std::size_t failAfter)
      : content_(std::move(content)), pieceBytes_(pieceBytes), failAfter_(failAfter) {}

  std::optional<std::size_t> read(char* buffer, std::size_t capacity) override {
    const std::size_t size = std::min({capacity, pieceBytes_, content_.size() - at_});
    if (at_ + size > failAfter_) {
      return std::nullopt;
    }
    content_.copy(buffer, size, at_);
    at_ += size;
    return size;
  }

 private:
  std::string content_;
  std::size_t pieceBytes_;
  std::size_t failAfter_;
  std::size_t at_ = 0;
};

}  // namespace

OpenedText FakeTextFiles::openForReading(const std::string& path) {
  journal_.push_back("read " + path);
  if (throwOnRead) {
    throw std::runtime_error("read failed");
  }
  const auto found = files.find(path);
  if (found == files.end()) {
    return {nullptr, OpenFailure::Missing};
  }
  if (unavailableOpens > 0) {
    --unavailableOpens;
    return {nullptr, OpenFailure::Unavailable};
  }
  return {std::make_unique<FakeReader>(found->second, pieceBytes, failReadsAfter),
          OpenFailure::None};
}

std::optional<std::string> FakeTextFiles::readAll(const std::string& path) {
  journal_.push_back("read " + path);
  if (throwOnRead) {
    throw std::runtime_error("read failed");
  }
  const auto found = files.find(path);
  if (found == files.end()) {
    return std::nullopt;
  }
  return found->second;
}

bool FakeTextFiles::truncate(const std::string& path) {
  journal_.push_back("truncate " + path);
  files[path].clear();
  return true;
}

bool FakeTextFiles::append(const std::string& path, std::string_view text) {
  files[path] += text;
  return true;
}

}  // namespace vorlane::testing
