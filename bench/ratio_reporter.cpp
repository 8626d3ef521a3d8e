// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio_reporter.h"

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace tarnwick::bench {

RatioReporter::RatioReporter()
    : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) continue;
    const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
    const std::string& name = run.run_name.function_name;
    const auto known = seconds_per_iteration_.find(name);
    if (known == seconds_per_iteration_.end()) {
      seconds_per_iteration_[name] = seconds;
    } else {
      known->second = std::min(known->second, seconds);
    }
  }
  ConsoleReporter::ReportRuns(runs);
}

double RatioReporter::SecondsPerIteration(const std::string& name) const {
  const auto known = seconds_per_iteration_.find(name);
  return known == seconds_per_iteration_.end() ? 0.0 : known->second;
}

void PrintRatio(std::ostream& out, const RatioReporter& reporter, const std::string& measured,
                const std::string& baseline, double aim) {
  const double measured_seconds = reporter.SecondsPerIteration(measured);
  const double baseline_seconds = reporter.SecondsPerIteration(baseline);
  if (measured_seconds <= 0 || baseline_seconds <= 0) return;
  const double ratio = measured_seconds / baseline_seconds;
  char line[256];
  std::snprintf(line, sizeof line, "%s / %s: %.2fx (%.2f ms / %.2f ms; aim <= %.2fx)%s\n",
                measured.c_str(), baseline.c_str(), ratio, measured_seconds * 1e3,
                baseline_seconds * 1e3, aim, ratio <= aim ? "" : "  ** over the aim **");
  out << line;
}

}  // namespace tarnwick::bench
