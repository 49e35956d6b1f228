#pragma once

#include <QString>
#include <exception>

#include "editor/image_warning.h"
#include "editor/save_refused.h"
#include "rom/rom_file_error.h"

namespace quorvane {

// The user's words for every failure and warning the editor reports, and the
// only place they are written: what failed, the file it concerns and the
// system's reason.
QString FailureText(const RomFileError& failure);
QString FailureText(const SaveRefused& refusal);
// What Open tells of an image whose length says it is headered or cut, or
// that can be read but not written.
QString WarningText(const ImageWarning& warning);
// Anything else that escaped a command: never expected, never hidden.
QString FailureText(const std::exception& unexpected);

}  // namespace quorvane
