#pragma once

#include <QString>
#include <exception>

#include "editor/save_refused.h"
#include "rom/rom_file_error.h"

namespace quorvane {

// The user's words for every failure the editor reports, and the only place
// they are written: what failed, the file it concerns and the system's reason.
QString FailureText(const RomFileError& failure);
QString FailureText(const SaveRefused& refusal);
// Anything else that escaped a command: never expected, never hidden.
QString FailureText(const std::exception& unexpected);

}  // namespace quorvane
