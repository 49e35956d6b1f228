#include <filesystem>

#include "tests/temp_rom.h"

namespace quorvane::testing {

int HandlesOpenOn(const std::string& utf8Name) {
  const std::filesystem::path target = std::filesystem::weakly_canonical(PathOf(utf8Name));
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    std::error_code error;
    const std::filesystem::path opened = std::filesystem::read_symlink(entry.path(), error);
    if (!error && opened == target) ++count;
  }
  return count;
}

}  // namespace quorvane::testing
