#include "editor/image_warning.h"

namespace quorvane {

std::optional<ImageWarning> ImageWarningFor(const std::string& fileName, std::int64_t length) {
  const WeaponIndex firstPastEnd = FirstWeaponPastEnd(length);
  if (firstPastEnd == 0) return std::nullopt;
  if (firstPastEnd < WeaponCount) {
    return ImageWarning{ImageWarning::Kind::CutShort, fileName, length, firstPastEnd};
  }
  if (HasCopierHeaderLength(length)) {
    return ImageWarning{ImageWarning::Kind::CopierHeader, fileName, length, firstPastEnd};
  }
  return std::nullopt;
}

}  // namespace quorvane
