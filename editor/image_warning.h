#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "rom/weapon_table.h"

namespace quorvane {

// What the length of an image that Open has just shown says is wrong with
// it, as facts for the window to put in words. The table is read and written
// at its fixed offset all the same.
struct ImageWarning {
  enum class Kind {
    // 512 bytes over a whole number of kibibytes: a copier header in front.
    CopierHeader,
    // Too short for the whole table: weapons from firstPastEnd on are not in it.
    CutShort,
  };
  Kind kind;
  std::string fileName;
  std::int64_t length;
  WeaponIndex firstPastEnd;
};

// The warning a file of this length gets at Open, if any. A file too short
// even for weapon 0 gets none: the failing load of weapon 0 tells it alone.
// A cut image is told as cut, whatever else its length suggests.
std::optional<ImageWarning> ImageWarningFor(const std::string& fileName, std::int64_t length);

}  // namespace quorvane
