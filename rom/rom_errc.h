#pragma once

#include <system_error>

namespace quorvane {

// Failures the table's own checks find, beside those the system reports.
enum class RomErrc {
  NoSuchWeapon = 1,
  NotARegularFile,
  FileTooShort,
};

std::error_code make_error_code(RomErrc error);

}  // namespace quorvane

template <>
struct std::is_error_code_enum<quorvane::RomErrc> : std::true_type {};
