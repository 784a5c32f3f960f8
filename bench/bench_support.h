#pragma once

#include <string>

#include "app/learning/tabulation.h"
#include "logger/log_format.h"

namespace vorlane {

// `samples` lines as the logger writes them, 20.33 to 80.32 and round again.
inline std::string makeLog(int samples) {
  std::string log;
  for (int i = 0; i < samples; ++i) {
    log += formatSample(20.0 + (i % 6000) / 100.0 + 1.0 / 3.0) + "\r\n";
  }
  return log;
}

// What a tabulation hands on to when it is done: nothing, since a benchmark
// measures the tabulation alone.
class IdleController final : public TabulationController {
 public:
  void startlog() override {}
  void restartLearning(bool) override {}
};

}  // namespace vorlane
