#pragma once

#include <functional>
#include <optional>

#include "rom/rom_file_error.h"

namespace quorvane::testing {

// The failure a file operation threw, or nothing when it succeeded.
std::optional<RomFileError> FailureOf(const std::function<void()>& operation);

}  // namespace quorvane::testing
