#pragma once

#include <stdexcept>
#include <string>
#include <system_error>

namespace quorvane {

// What a failed operation left in the file, so that no message claims more
// than is true.
enum class FileState {
  Unchanged,
  PartlyChanged,     // part of the record was written and is still there
  MayHoldNewRecord,  // the whole record was written but never confirmed on disk
};

// A file operation that failed: what was being done, to which file, why (the
// operating system's words, or the table's own), the portable error code, and
// what the file holds now.
class RomFileError : public std::runtime_error {
 public:
  RomFileError(std::string action, std::string fileName, std::error_code code, std::string reason,
               FileState state = FileState::Unchanged);

  const std::string& action() const { return action_; }
  const std::string& fileName() const { return fileName_; }
  const std::string& reason() const { return reason_; }
  std::error_code code() const { return code_; }
  FileState fileState() const { return state_; }

 private:
  std::string action_;
  std::string fileName_;
  std::string reason_;
  std::error_code code_;
  FileState state_;
};

}  // namespace quorvane
