#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace quorvane::bench {

// Reports the fastest and slowest repetition beside the median, so that a
// ratio to a floor shows how far the noise of a shared machine reaches.
inline void WithSpread(benchmark::internal::Benchmark* benchmark) {
  benchmark->ComputeStatistics(
      "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
  benchmark->ComputeStatistics(
      "max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
}

}  // namespace quorvane::bench
