#include "rom/weapon_table.h"

#include <algorithm>
#include <span>
#include <variant>

#include "rom/os_file.h"
#include "rom/rom_errc.h"
#include "rom/rom_file_error.h"

namespace quorvane {

namespace {

[[noreturn]] void Fail(RomFileFacts facts, std::error_code code) {
  facts.code = code;
  throw RomFileError(std::move(facts));
}

[[noreturn]] void FailNotRegular(RomFileFacts facts, FileKind kind) {
  facts.kind = kind;
  Fail(std::move(facts), RomErrc::NotARegularFile);
}

std::int32_t PositionOrFail(const RomFileFacts& failing) {
  const std::optional<std::int32_t> position = RecordPosition(failing.weapon);
  if (!position) Fail(failing, RomErrc::NoSuchWeapon);
  return *position;
}

OsFile OpenOrFail(OpenPurpose purpose, const RomFileFacts& failing) {
  std::variant<OsFile, OpenRefusal> opened = OsFile::open(failing.fileName, purpose);
  if (const auto* refusal = std::get_if<OpenRefusal>(&opened)) {
    if (refusal->code == std::errc::is_a_directory) FailNotRegular(failing, FileKind::Directory);
    RomFileFacts facts = failing;
    if (refusal->creating) facts.operation = FileOperation::Create;
    Fail(std::move(facts), refusal->code);
  }
  return std::move(std::get<OsFile>(opened));
}

// Proves that the file is a regular one, before anything moves; returns the
// file's length.
std::int64_t RequireRegularFile(const OsFile& file, const RomFileFacts& failing) {
  FileKind kind = FileKind::Other;
  std::int64_t length = 0;
  if (const std::error_code error = file.inspect(kind, length)) Fail(failing, error);
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

WeaponIndex FirstWeaponPastEnd(std::int64_t length) {
  const std::int64_t wholeRecords = (length - WeaponTableOffset) / WeaponRecordSize;
  return static_cast<WeaponIndex>(std::clamp<std::int64_t>(wholeRecords, 0, WeaponCount));
}

bool HasCopierHeaderLength(std::int64_t length) { return length % 1024 == 512; }

ProbedFile CheckFileOpens(const std::string& fileName) {
  const RomFileFacts failing{.operation = FileOperation::Open, .fileName = fileName};
  const OsFile file = OpenOrFail(OpenPurpose::ProbeCreating, failing);
  const std::int64_t length = RequireRegularFile(file, failing);
  return {file.created() ? Probed::CreatedFile : Probed::ExistingFile, length,
          file.writeRefused()};
}

ProbedFile CheckExistingFileOpens(const std::string& fileName) {
  const RomFileFacts failing{.operation = FileOperation::Open, .fileName = fileName};
  const OsFile file = OpenOrFail(OpenPurpose::Probe, failing);
  return {Probed::ExistingFile, RequireRegularFile(file, failing), file.writeRefused()};
}

WeaponRecord ReadWeaponRecord(const std::string& fileName, WeaponIndex index) {
  RomFileFacts failing{.operation = FileOperation::Read, .weapon = index, .fileName = fileName};
  const std::int32_t position = PositionOrFail(failing);
  const OsFile file = OpenOrFail(OpenPurpose::Read, failing);
  const std::int64_t length = RequireRegularFile(file, failing);
  WeaponRecord record{};
  const Transfer read = file.readAt(position, record);
  if (read.error) Fail(failing, read.error);
  if (read.moved != record.size()) {
    failing.fileLength = length;
    Fail(failing, RomErrc::FileTooShort);
  }
  return record;
}

void WriteWeaponRecord(const std::string& fileName, WeaponIndex index, const WeaponRecord& record) {
  RomFileFacts failing{.operation = FileOperation::Save, .weapon = index, .fileName = fileName};
  const std::int32_t position = PositionOrFail(failing);
  const OsFile file = OpenOrFail(OpenPurpose::Write, failing);
  const std::int64_t length = RequireRegularFile(file, failing);
  const Transfer written = file.writeAt(position, record);
  if (written.error) {
    failing.bytesWritten = static_cast<std::int64_t>(written.moved);
    if (failing.bytesWritten > 0) {
      const AfterUndo left = UndoGrowth(file, position, length, failing.bytesWritten);
      failing.state = left.state;
      failing.bytesChanged = left.bytesChanged;
    }
    Fail(failing, written.error);
  }
  if (const std::error_code error = file.sync()) {
    failing.operation = FileOperation::ConfirmSave;
    failing.state = FileState::MayHoldNewRecord;
    Fail(failing, error);
  }
}

}  // namespace quorvane
