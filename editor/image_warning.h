#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

#include "rom/weapon_table.h"

namespace quorvane {

// What Open has learnt of an image it has just shown, as facts for the window
// to put in words: what its length says is wrong with it, or that it can be
// read but not written. The table is read and written at its fixed offset
// all the same.
struct ImageWarning {
  enum class Kind {
    // 512 bytes over a whole number of kibibytes: a copier header in front.
    CopierHeader,
    // Too short for the whole table: weapons from firstPastEnd on are not in it.
    CutShort,
    // Of a fitting length, but Save will be refused.
    ReadOnly,
  };
  Kind kind;
  std::string fileName;
  std::int64_t length;
  WeaponIndex firstPastEnd;
  // Why writing was refused, for an image that can only be read, whatever
  // its kind; nothing for one that can be written.
  std::error_code writeRefused{};
};

// The one warning an image probed so gets at Open, if any. A file too short
// even for weapon 0 gets none: the failing load of weapon 0 tells it alone.
// A cut image is told as cut, whatever else its length suggests.
std::optional<ImageWarning> ImageWarningFor(const std::string& fileName, const ProbedFile& probed);

}  // namespace quorvane
