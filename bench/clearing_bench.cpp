// One clearing: claiming and writing 2 MiB blocks, the cost a user feels while
// the progress runs. Heap memory stands in for the system's pages here.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "app/memory/ram_clearer.h"
#include "tests/fakes/fake_popup.h"
#include "tests/fakes/fake_pump.h"

namespace vorlane {
namespace {

class HeapBlock final : public MemoryBlock {
 public:
  explicit HeapBlock(std::size_t bytes) : bytes_(bytes) {}
  unsigned char* data() override { return bytes_.data(); }
  std::size_t size() const override { return bytes_.size(); }

 private:
  std::vector<unsigned char> bytes_;
};

class HeapAllocator final : public BlockAllocator {
 public:
  std::unique_ptr<MemoryBlock> claim(std::size_t bytes) override {
    return std::make_unique<HeapBlock>(bytes);
  }
};

class FixedMemory final : public MemoryStatusSource {
 public:
  MemoryStatus read() override { return {8ull << 30, 2ull << 30}; }
};

void clearMegabytes(benchmark::State& state) {
  ProgramState program;
  FixedMemory memory;
  HeapAllocator allocator;
  testing::FakePopup popup;
  for (auto _ : state) {
    testing::FakePump pump;
    RamClearer clearer(program, memory, allocator, pump, pump, popup);
    std::int32_t megabytes = static_cast<std::int32_t>(state.range(0));
    clearer.clearram(megabytes);
  }
  state.SetBytesProcessed(state.iterations() * (state.range(0) + 1) *
                          static_cast<std::int64_t>(RamClearer::kBlockBytes));
}
BENCHMARK(clearMegabytes)->Arg(30)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorlane
