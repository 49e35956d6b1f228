#pragma once

#include <cstdint>
#include <string>

#include "rom/weapon_table.h"

namespace quorvane::bench {

// The least the machine can do for one record: the bare system calls, with no
// checks, messages or wrapping around them.
WeaponRecord RawRead(const std::string& path, std::int32_t position);
void RawWrite(const std::string& path, std::int32_t position, const WeaponRecord& record);

// A scratch image of 3 MiB, removed when the benchmark program ends.
const std::string& ScratchImage();

}  // namespace quorvane::bench
