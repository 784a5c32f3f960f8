#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/memory/block_allocator.h"
#include "app/memory/general_number.h"
#include "app/memory/ram_clearer.h"
#include "host/memory_status.h"
#include "tests/fakes/fake_popup.h"

namespace vorlane::testing {

constexpr std::uint64_t kMiB = 1024 * 1024;

class FakeMemorySource final : public MemoryStatusSource {
 public:
  MemoryStatus read() override {
    ++reads;
    if (failing) {
      throw std::runtime_error("status unavailable");
    }
    return status;
  }
  // Sets the available memory so that exactly `percent` of the total is free
  // (for totals that are powers of two and percentages with short binary forms).
  void setFreePercent(double percent) {
    status.availPhysBytes =
        static_cast<std::uint64_t>(static_cast<double>(status.totalPhysBytes) * percent / 100.0);
  }

  MemoryStatus status{256 * kMiB, 128 * kMiB};
  bool failing = false;
  int reads = 0;
};

// Hands out heap blocks and keeps count of them. A block checks, when it goes,
// that every byte of it was written. Claim number `failAt` (0-based) and, with
// `failEveryFrom`, every later one fails: by returning null, or by throwing.
class FakeAllocator final : public BlockAllocator {
 public:
  enum class Failure { kNull, kThrow };

  std::unique_ptr<MemoryBlock> claim(std::size_t bytes) override {
    const int index = claims++;
    if (index == failAt || (failEveryFrom && failAt >= 0 && index > failAt)) {
      if (failure == Failure::kThrow) {
        throw std::bad_alloc();
      }
      return nullptr;
    }
    return std::make_unique<Block>(*this, bytes);
  }

  int claims = 0;
  int failAt = -1;
  bool failEveryFrom = false;
  Failure failure = Failure::kNull;
  int live = 0;
  int peakLive = 0;
  int released = 0;
  int releasedFullyWritten = 0;
  std::vector<std::size_t> sizes;

 private:
  class Block final : public MemoryBlock {
   public:
    Block(FakeAllocator& owner, std::size_t bytes) : owner_(owner), bytes_(bytes, 0) {
      owner_.sizes.push_back(bytes);
      owner_.peakLive = std::max(owner_.peakLive, ++owner_.live);
    }
    ~Block() override {
      --owner_.live;
      ++owner_.released;
      if (std::all_of(bytes_.begin(), bytes_.end(), [](unsigned char b) { return b != 0; })) {
        ++owner_.releasedFullyWritten;
      }
    }
    unsigned char* data() override { return bytes_.data(); }
    std::size_t size() const override { return bytes_.size(); }

   private:
    FakeAllocator& owner_;
    std::vector<unsigned char> bytes_;
  };
};

// Stands in for the clearing routine: records the amounts asked for and can
// run something in the middle of a call (as the message loop would).
class RecordingClearer final : public RamClearing {
 public:
  void clearram(std::int32_t& n) override {
    requests.push_back(n);
    clearing_ = true;
    if (during) {
      during();
    }
    clearing_ = false;
  }
  bool clearing() const override { return clearing_; }

  std::vector<std::int32_t> requests;
  std::function<void()> during;

 private:
  bool clearing_ = false;
};

class FixedNumberFormat final : public UserNumberFormat {
 public:
  explicit FixedNumberFormat(std::string separator) : separator_(std::move(separator)) {}
  std::string decimalSeparator() const override { return separator_; }

 private:
  std::string separator_;
};

}  // namespace vorlane::testing
