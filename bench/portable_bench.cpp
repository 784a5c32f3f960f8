// The hot paths, portable code alone: a month of log (43,200 samples) written,
// read and tabulated, the fake loop serving every due turn offered, and a
// million lines showing that nothing grows faster than the file; one clearing,
// 2 MiB blocks of heap claimed and written in place of the system's pages.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/learning/tabulation.h"
#include "app/memory/ram_clearer.h"
#include "bench/bench_support.h"
#include "logger/log_format.h"
#include "tests/fakes/fake_popup.h"
#include "tests/fakes/fake_pump.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane {
namespace {

// The log in memory, read in pieces as large as the reader asks for; no stored
// settings; 8 GiB of memory, 2 GiB free; blocks of heap.
struct BenchHost final : TextFiles, SettingsStore, MemoryStatusSource, BlockAllocator {
  struct Reader final : TextReader {
    explicit Reader(const std::string& text) : content(text) {}
    std::optional<std::size_t> read(char* buffer, std::size_t capacity) override {
      const std::size_t size = content.copy(buffer, capacity, at);
      at += size;
      return size;
    }
    const std::string& content;
    std::size_t at = 0;
  };
  struct HeapBlock final : MemoryBlock {
    explicit HeapBlock(std::size_t size) : bytes(size) {}
    unsigned char* data() override { return bytes.data(); }
    std::size_t size() const override { return bytes.size(); }
    std::vector<unsigned char> bytes;
  };

  OpenedText openForReading(const std::string&) override {
    return {std::make_unique<Reader>(log), OpenFailure::None};
  }
  bool truncate(const std::string&) override { return false; }
  bool append(const std::string&, std::string_view) override { return false; }
  std::optional<std::string> read(std::string_view) override { return std::nullopt; }
  bool write(std::string_view, std::string_view) override { return false; }
  MemoryStatus read() override { return {8ull << 30, 2ull << 30}; }
  std::unique_ptr<MemoryBlock> claim(std::size_t bytes) override {
    return std::make_unique<HeapBlock>(bytes);
  }

  std::string log;
};

void formatOneSample(benchmark::State& state) {
  double value = 37.5938415527344;
  for (auto _ : state) {
    benchmark::DoNotOptimize(formatSample(value));
    value += 1e-9;
  }
}
BENCHMARK(formatOneSample);

void parseLog(benchmark::State& state) {
  const std::string log = makeLog(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(parseLogFields(log));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(log.size()));
  state.counters["log_bytes"] = static_cast<double>(log.size());
}
BENCHMARK(parseLog)->Arg(43200)->Arg(1000000)->Unit(benchmark::kMillisecond);

void tabulateLog(benchmark::State& state) {
  const int samples = static_cast<int>(state.range(0));
  BenchHost host;
  host.log = makeLog(samples);
  testing::FakePopup popup;
  IdleController controller;
  testing::FakeTimerService timers;
  for (auto _ : state) {
    testing::FakePump pump;
    ProgramState program;
    Tabulation tabulation({popup, pump, pump, host, host, timers}, program);
    benchmark::DoNotOptimize(tabulation.tabulate("C:\\Apps\\", controller));
    state.counters["full_turns"] = pump.pumpCount();
    state.counters["due_offers"] = pump.dueOffers();
  }
  state.SetItemsProcessed(state.iterations() * samples);
}
BENCHMARK(tabulateLog)->Arg(43200)->Arg(525600)->Unit(benchmark::kMillisecond);

void clearMegabytes(benchmark::State& state) {
  ProgramState program;
  BenchHost host;
  testing::FakePopup popup;
  for (auto _ : state) {
    testing::FakePump pump;
    RamClearer clearer(program, host, host, pump, pump, popup);
    std::int32_t megabytes = static_cast<std::int32_t>(state.range(0));
    clearer.clearram(megabytes);
  }
  state.SetBytesProcessed(state.iterations() * (state.range(0) + 1) *
                          static_cast<std::int64_t>(RamClearer::kBlockBytes));
}
BENCHMARK(clearMegabytes)->Arg(30)->Arg(200)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorlane
