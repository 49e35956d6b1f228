#include "rom/rom_file_error.h"

#include <utility>

namespace quorvane {

RomFileError::RomFileError(std::string action, std::string fileName, std::error_code code,
                           std::string reason, FileState state)
    : std::runtime_error(action + " \"" + fileName + "\": " + reason),
      action_(std::move(action)),
      fileName_(std::move(fileName)),
      reason_(std::move(reason)),
      code_(code),
      state_(state) {}

}  // namespace quorvane
