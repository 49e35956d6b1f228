#include "editor/image_warning.h"

namespace quorvane {

namespace {

std::optional<ImageWarning::Kind> KindOf(std::int64_t length, WeaponIndex firstPastEnd,
                                         std::error_code writeRefused) {
  if (firstPastEnd < WeaponCount) return ImageWarning::Kind::CutShort;
  if (HasCopierHeaderLength(length)) return ImageWarning::Kind::CopierHeader;
  if (writeRefused) return ImageWarning::Kind::ReadOnly;
  return std::nullopt;
}

}  // namespace

std::optional<ImageWarning> ImageWarningFor(const std::string& fileName, const ProbedFile& probed) {
  const WeaponIndex firstPastEnd = FirstWeaponPastEnd(probed.length);
  if (firstPastEnd == 0) return std::nullopt;
  const auto kind = KindOf(probed.length, firstPastEnd, probed.writeRefused);
  if (!kind) return std::nullopt;
  return ImageWarning{*kind, fileName, probed.length, firstPastEnd, probed.writeRefused};
}

}  // namespace quorvane
