#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>

#include "bench/spread.h"

extern char** environ;

namespace quorvane::bench {
namespace {

// Runs the start-up probe once; returns its peak resident memory in KiB.
long RunProbe(const char* mode) {
  char* const arguments[] = {const_cast<char*>(QUORVANE_STARTUP_PROBE), const_cast<char*>(mode),
                             nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, QUORVANE_STARTUP_PROBE, nullptr, nullptr, arguments, environ) != 0) return -1;
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  return usage.ru_maxrss;
}

void StartUp(benchmark::State& state, const char* mode) {
  long peak = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    peak = RunProbe(mode);
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["peak_KiB"] = static_cast<double>(peak);
}

BENCHMARK_CAPTURE(StartUp, BareQtWindow, "bare")->Apply(WithSpread)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartUp, Form1, "form1")->Apply(WithSpread)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvane::bench
