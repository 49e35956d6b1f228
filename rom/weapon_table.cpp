#include "rom/weapon_table.h"

#include <algorithm>
#include <span>
#include <variant>

#include "rom/os_file.h"
#include "rom/rom_errc.h"
#include "rom/rom_file_error.h"

namespace quorvane {

namespace {

// What every failure of one operation shares.
RomFileFacts FactsOf(FileOperation operation, WeaponIndex weapon, const std::string& fileName,
                     std::error_code code) {
  RomFileFacts facts;
  facts.operation = operation;
  facts.weapon = weapon;
  facts.fileName = fileName;
  facts.code = code;
  return facts;
}

std::int32_t PositionOrFail(const std::string& fileName, WeaponIndex index,
                            FileOperation operation) {
  const std::optional<std::int32_t> position = RecordPosition(index);
  if (!position) throw RomFileError(FactsOf(operation, index, fileName, RomErrc::NoSuchWeapon));
  return *position;
}

[[noreturn]] void FailNotRegular(RomFileFacts facts, FileKind kind) {
  facts.code = RomErrc::NotARegularFile;
  facts.kind = kind;
  throw RomFileError(std::move(facts));
}

OsFile OpenOrFail(OpenPurpose purpose, const RomFileFacts& failing) {
  std::variant<OsFile, std::error_code> opened = OsFile::open(failing.fileName, purpose);
  if (const auto* error = std::get_if<std::error_code>(&opened)) {
    if (*error == std::errc::is_a_directory) FailNotRegular(failing, FileKind::Directory);
    RomFileFacts facts = failing;
    facts.code = *error;
    throw RomFileError(std::move(facts));
  }
  return std::move(std::get<OsFile>(opened));
}

// Proves that the file is a regular one, before anything moves; returns the
// file's length.
std::int64_t RequireRegularFile(const OsFile& file, const RomFileFacts& failing) {
  FileKind kind = FileKind::Other;
  std::int64_t length = 0;
  if (const std::error_code error = file.inspect(kind, length)) {
    RomFileFacts facts = failing;
    facts.code = error;
    throw RomFileError(std::move(facts));
  }
  if (kind != FileKind::Regular) FailNotRegular(failing, kind);
  return length;
}

// What a write that stopped partway left of the file's own bytes.
struct AfterUndo {
  FileState state;
  std::int64_t bytesChanged;
};

// Bytes that only grew the file are truncated away; bytes that overwrote the
// old record cannot be taken back.
AfterUndo UndoGrowth(const OsFile& file, std::int64_t position, std::int64_t oldLength,
                     std::int64_t moved) {
  const bool grewFile = position + moved > oldLength;
  const bool grownPartRemoved = grewFile && !file.truncate(oldLength);
  const std::int64_t changed =
      grownPartRemoved ? std::clamp<std::int64_t>(oldLength - position, 0, moved) : moved;
  return {changed == 0 ? FileState::Unchanged : FileState::PartlyChanged, changed};
}

}  // namespace

std::optional<std::int32_t> RecordPosition(WeaponIndex index) {
  if (index < 0 || index >= WeaponCount) return std::nullopt;
  return WeaponTableOffset + WeaponRecordSize * index;
}

void CheckFileOpens(const std::string& fileName) {
  const RomFileFacts failing = FactsOf(FileOperation::Open, NoWeapon, fileName, {});
  RequireRegularFile(OpenOrFail(OpenPurpose::Probe, failing), failing);
}

WeaponRecord ReadWeaponRecord(const std::string& fileName, WeaponIndex index) {
  RomFileFacts failing = FactsOf(FileOperation::Read, index, fileName, {});
  const std::int32_t position = PositionOrFail(fileName, index, FileOperation::Read);
  const OsFile file = OpenOrFail(OpenPurpose::Read, failing);
  const std::int64_t length = RequireRegularFile(file, failing);
  WeaponRecord record{};
  const Transfer read = file.readAt(position, record);
  if (read.error || read.moved != record.size()) {
    failing.code = read.error ? read.error : make_error_code(RomErrc::FileTooShort);
    failing.fileLength = length;
    throw RomFileError(std::move(failing));
  }
  return record;
}

void WriteWeaponRecord(const std::string& fileName, WeaponIndex index, const WeaponRecord& record) {
  RomFileFacts failing = FactsOf(FileOperation::Save, index, fileName, {});
  const std::int32_t position = PositionOrFail(fileName, index, FileOperation::Save);
  const OsFile file = OpenOrFail(OpenPurpose::Write, failing);
  const std::int64_t length = RequireRegularFile(file, failing);
  const Transfer written = file.writeAt(position, record);
  if (written.error) {
    failing.code = written.error;
    failing.bytesWritten = static_cast<std::int64_t>(written.moved);
    if (failing.bytesWritten > 0) {
      const AfterUndo left = UndoGrowth(file, position, length, failing.bytesWritten);
      failing.state = left.state;
      failing.bytesChanged = left.bytesChanged;
    }
    throw RomFileError(std::move(failing));
  }
  if (const std::error_code error = file.sync()) {
    failing.operation = FileOperation::ConfirmSave;
    failing.code = error;
    failing.state = FileState::MayHoldNewRecord;
    throw RomFileError(std::move(failing));
  }
}

}  // namespace quorvane
