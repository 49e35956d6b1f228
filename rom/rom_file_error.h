#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <system_error>

#include "rom/os_file.h"
#include "rom/weapon_table.h"

namespace quorvane {

// Which file operation failed. Open's making of a file that did not exist is
// an operation of its own, and so is a save whose bytes were written but
// whose sync failed: it left the file holding something new.
enum class FileOperation { Open, Create, Read, Save, ConfirmSave };

// What a failed operation left in the file, so that no message claims more
// than is true.
enum class FileState {
  Unchanged,
  PartlyChanged,     // part of the record was written and is still there
  MayHoldNewRecord,  // the whole record was written but never confirmed on disk
};

// The facts of a file operation that failed; ui/ turns them into the user's
// words. Fields that the failure does not concern keep their defaults.
struct RomFileFacts {
  FileOperation operation = FileOperation::Open;
  WeaponIndex weapon = NoWeapon;
  std::string fileName{};
  std::error_code code{};  // the system's, or RomErrc for the table's own checks
  FileState state = FileState::Unchanged;
  FileKind kind = FileKind::Regular;  // what the name turned out to be
  std::int64_t fileLength = 0;        // of a file too short for the table
  std::int64_t bytesWritten = 0;      // by a write that stopped partway
  std::int64_t bytesChanged = 0;      // of the file's own bytes, after such a write
  bool createdByOpen = false;         // the file did not exist until Open made it
};

class RomFileError : public std::exception {
 public:
  explicit RomFileError(RomFileFacts facts) : facts_(std::move(facts)) {}

  const char* what() const noexcept override { return "a file operation on the ROM image failed"; }

  FileOperation operation() const { return facts_.operation; }
  WeaponIndex weapon() const { return facts_.weapon; }
  const std::string& fileName() const { return facts_.fileName; }
  std::error_code code() const { return facts_.code; }
  FileState fileState() const { return facts_.state; }
  FileKind fileKind() const { return facts_.kind; }
  std::int64_t fileLength() const { return facts_.fileLength; }
  std::int64_t bytesWritten() const { return facts_.bytesWritten; }
  std::int64_t bytesChanged() const { return facts_.bytesChanged; }
  bool createdByOpen() const { return facts_.createdByOpen; }

  // The same failure, of a file that Open has just made.
  RomFileError ofCreatedFile() const {
    RomFileFacts facts = facts_;
    facts.createdByOpen = true;
    return RomFileError(std::move(facts));
  }

 private:
  RomFileFacts facts_;
};

}  // namespace quorvane
