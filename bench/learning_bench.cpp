// The learning path: a month of logging (43,200 samples) written, read and
// tabulated (the portable code alone: the fake loop serves every due turn it is
// offered); a log of a million lines shows that nothing grows faster than the
// file.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <string_view>

#include "app/learning/tabulation.h"
#include "logger/log_format.h"
#include "tests/fakes/fake_popup.h"
#include "tests/fakes/fake_pump.h"
#include "tests/fakes/fake_timers.h"

namespace vorlane {
namespace {

std::string makeLog(int samples) {
  std::string log;
  for (int i = 0; i < samples; ++i) {
    log += formatSample(20.0 + (i % 6000) / 100.0 + 1.0 / 3.0);
    log += "\r\n";
  }
  return log;
}

class OneFile final : public TextFiles {
 public:
  explicit OneFile(std::string content) : content_(std::move(content)) {}
  OpenedText openForReading(const std::string&) override {
    return {std::make_unique<Reader>(content_), OpenFailure::None};
  }
  std::optional<std::string> readAll(const std::string&) override { return content_; }
  bool truncate(const std::string&) override { return true; }
  bool append(const std::string&, std::string_view) override { return true; }

 private:
  class Reader final : public TextReader {
   public:
    explicit Reader(std::string_view content) : content_(content) {}
    std::optional<std::size_t> read(char* buffer, std::size_t capacity) override {
      const std::size_t size = content_.copy(buffer, capacity);
      content_.remove_prefix(size);
      return size;
    }

   private:
    std::string_view content_;
  };

  std::string content_;
};

class NoSettings final : public SettingsStore {
 public:
  std::optional<std::string> read(std::string_view) override { return std::nullopt; }
  bool write(std::string_view, std::string_view) override { return true; }
};

class IdleController final : public TabulationController {
 public:
  void startlog() override {}
  void startfunction() override {}
  void restartLearning() override {}
  void restartLearningKeepingChoices() override {}
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
  OneFile files(makeLog(samples));
  testing::FakePopup popup;
  NoSettings settings;
  IdleController controller;
  testing::FakeTimerService timers;
  for (auto _ : state) {
    testing::FakePump pump;
    ProgramState program;
    Tabulation tabulation({popup, pump, pump, files, settings, timers}, program);
    benchmark::DoNotOptimize(tabulation.tabulate("C:\\Apps\\", controller));
    state.counters["full_turns"] = pump.pumpCount();
    state.counters["due_offers"] = pump.dueOffers();
  }
  state.SetItemsProcessed(state.iterations() * samples);
}
BENCHMARK(tabulateLog)->Arg(43200)->Arg(525600)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorlane
