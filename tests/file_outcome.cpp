#include "tests/file_outcome.h"

namespace quorvane::testing {

std::optional<RomFileError> FailureOf(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const RomFileError& failure) {
    return failure;
  }
  return std::nullopt;
}

}  // namespace quorvane::testing
