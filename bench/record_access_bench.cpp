#include <benchmark/benchmark.h>

#include "bench/raw_floor.h"
#include "bench/spread.h"

namespace quorvane::bench {
namespace {

constexpr WeaponIndex Weapon = 29;

void ReadFloor(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(RawRead(ScratchImage(), *RecordPosition(Weapon)));
}
BENCHMARK(ReadFloor)->Apply(WithSpread);

void ReadRecord(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadWeaponRecord(ScratchImage(), Weapon));
}
BENCHMARK(ReadRecord)->Apply(WithSpread);

void WriteFloor(benchmark::State& state) {
  const WeaponRecord record = ReadWeaponRecord(ScratchImage(), Weapon);
  for (auto _ : state) RawWrite(ScratchImage(), *RecordPosition(Weapon), record);
}
BENCHMARK(WriteFloor)->Apply(WithSpread);

void WriteRecord(benchmark::State& state) {
  const WeaponRecord record = ReadWeaponRecord(ScratchImage(), Weapon);
  for (auto _ : state) WriteWeaponRecord(ScratchImage(), Weapon, record);
}
BENCHMARK(WriteRecord)->Apply(WithSpread);

}  // namespace
}  // namespace quorvane::bench
