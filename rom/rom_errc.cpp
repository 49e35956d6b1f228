#include "rom/rom_errc.h"

#include <string>

namespace quorvane {

namespace {

class RomErrorCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "quorvane-rom"; }
  // Developers' names only: what the user reads comes from the window.
  std::string message(int code) const override {
    switch (static_cast<RomErrc>(code)) {
      case RomErrc::NoSuchWeapon: return "NoSuchWeapon";
      case RomErrc::NotARegularFile: return "NotARegularFile";
      case RomErrc::FileTooShort: return "FileTooShort";
    }
    return "RomErrc " + std::to_string(code);
  }
};

}  // namespace

std::error_code make_error_code(RomErrc error) {
  static const RomErrorCategory category;
  return {static_cast<int>(error), category};
}

}  // namespace quorvane
