// SPDX-License-Identifier: GPL-3.0-or-later
// A console reporter that also remembers each benchmark's time per iteration, so that a
// benchmark program can end with the ratios between a piece of code and its baseline.
#pragma once

#include <map>
#include <ostream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace tarnwick::bench {

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter();  // colours only on a terminal
  void ReportRuns(const std::vector<Run>& runs) override;

  // Real seconds per iteration of the fastest repetition of the benchmark function `name`;
  // 0 when it did not run (filtered out, or it failed).
  double SecondsPerIteration(const std::string& name) const;

 private:
  std::map<std::string, double> seconds_per_iteration_;
};

// Prints "measured / baseline: 1.23x (aim <= 1.50x)"; nothing when either did not run.
void PrintRatio(std::ostream& out, const RatioReporter& reporter, const std::string& measured,
                const std::string& baseline, double aim);

}  // namespace tarnwick::bench
