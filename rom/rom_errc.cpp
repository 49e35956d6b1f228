#include "rom/rom_errc.h"

#include <string>

namespace quorvane {

namespace {

class RomErrorCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "quorvane-rom"; }
  std::string message(int code) const override {
    switch (static_cast<RomErrc>(code)) {
      case RomErrc::NoSuchWeapon:
        return "There is no such weapon in the table";
      case RomErrc::NotARegularFile:
        return "Not a regular file";
      case RomErrc::FileTooShort:
        return "The file is too short to hold the weapon table";
    }
    return "Unknown failure";
  }
};

}  // namespace

std::error_code make_error_code(RomErrc error) {
  static const RomErrorCategory category;
  return {static_cast<int>(error), category};
}

}  // namespace quorvane
