#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/spread.h"

extern char** environ;

namespace quorvane::bench {
namespace {

// Runs the start-up probe once; returns its peak resident memory in KiB.
long RunProbe(const char* mode) {
  char* const arguments[] = {const_cast<char*>(QUORVANE_STARTUP_PROBE), const_cast<char*>(mode),
                             nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, QUORVANE_STARTUP_PROBE, nullptr, nullptr, arguments, environ) != 0)
    return -1;
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
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["peak_KiB"] = static_cast<double>(peak);
}

// Instructions to the first paint, as callgrind counts them: the same count
// for the same binary whatever else the machine is doing. Negative when
// valgrind could not be run.
double MillionsOfInstructions(const char* mode) {
  const std::string command =
      std::string("valgrind --tool=callgrind --callgrind-out-file=/dev/null ") +
      QUORVANE_STARTUP_PROBE + " " + mode + " 2>&1";
  FILE* output = popen(command.c_str(), "r");
  if (output == nullptr) return -1;
  double collected = -1;
  char line[512];
  while (std::fgets(line, sizeof line, output) != nullptr) {
    const char* found = std::strstr(line, "Collected : ");
    if (found != nullptr) collected = std::strtod(found + 12, nullptr) / 1e6;
  }
  pclose(output);
  return collected;
}

void InstructionsToFirstPaint(benchmark::State& state, const char* mode) {
  double millions = 0;
  for (auto _ : state) millions = MillionsOfInstructions(mode);
  if (millions < 0) state.SkipWithError("valgrind could not count the probe's instructions");
  state.counters["M_instructions"] = millions;
}

BENCHMARK_CAPTURE(StartUp, BareQtWindow, "bare")
    ->Apply(WithSpread)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartUp, Form1, "form1")
    ->Apply(WithSpread)
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

// Counting is slow (seconds a run) and exact, so one run each is enough.
BENCHMARK_CAPTURE(InstructionsToFirstPaint, BareQtWindow, "bare")
    ->Repetitions(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(InstructionsToFirstPaint, Form1, "form1")
    ->Repetitions(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvane::bench
