#include "rom/weapon_table.h"

#include <algorithm>
#include <span>
#include <variant>

#include "rom/os_file.h"
#include "rom/rom_errc.h"
#include "rom/rom_file_error.h"

namespace quorvane {

namespace {

// The least length of a file that holds the whole table.
constexpr std::int64_t TableEnd = WeaponTableOffset + WeaponRecordSize * WeaponCount;

std::string WeaponDescription(WeaponIndex index) {
  std::string text = "weapon " + std::to_string(index);
  if (index >= 0 && index < WeaponCount) {
    text += " (" + std::string(WeaponNames[static_cast<std::size_t>(index)]) + ")";
  }
  return text;
}

// "2,943,192": lengths in messages are read by people.
std::string GroupedDigits(std::int64_t number) {
  std::string digits = std::to_string(number);
  for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), 1, ',');
  }
  return digits;
}

std::string KindText(FileKind kind) {
  switch (kind) {
    case FileKind::Directory:
      return "Is a directory";
    case FileKind::CharacterDevice:
      return "Is a character device";
    case FileKind::BlockDevice:
      return "Is a block device";
    case FileKind::Fifo:
      return "Is a FIFO (named pipe)";
    case FileKind::Socket:
      return "Is a socket";
    default:
      return "Is a special file";
  }
}

[[noreturn]] void FailWithOsReason(const std::string& action, const std::string& fileName,
                                   std::error_code error) {
  throw RomFileError(action, fileName, error, OsReason(error));
}

[[noreturn]] void FailNotRegular(const std::string& action, const std::string& fileName,
                                 FileKind kind) {
  throw RomFileError(
      action, fileName, RomErrc::NotARegularFile,
      KindText(kind) + ", not a regular file. Nothing was read from it or written to it");
}

[[noreturn]] void FailTooShort(const std::string& action, const std::string& fileName,
                               std::int64_t length) {
  const std::string size =
      length == 0 ? "0 bytes long (empty)" : GroupedDigits(length) + " bytes long";
  throw RomFileError(action, fileName, RomErrc::FileTooShort,
                     "The file is " + size + "; a ROM image with the weapon table is at least " +
                         GroupedDigits(TableEnd) + " bytes");
}

std::int32_t PositionOrFail(const std::string& fileName, WeaponIndex index,
                            const std::string& action) {
  const std::optional<std::int32_t> position = RecordPosition(index);
  if (!position) {
    throw RomFileError(action, fileName, RomErrc::NoSuchWeapon,
                       "There is no weapon " + std::to_string(index) + " in the table (0 to " +
                           std::to_string(WeaponCount - 1) + ")");
  }
  return *position;
}

OsFile OpenOrFail(const std::string& fileName, OpenPurpose purpose, const std::string& action) {
  std::variant<OsFile, std::error_code> opened = OsFile::open(fileName, purpose);
  if (const auto* error = std::get_if<std::error_code>(&opened)) {
    if (*error == std::errc::is_a_directory) FailNotRegular(action, fileName, FileKind::Directory);
    FailWithOsReason(action, fileName, *error);
  }
  return std::move(std::get<OsFile>(opened));
}

// Proves that the file is a regular one, before anything moves; returns the
// file's length.
std::int64_t RequireRegularFile(const OsFile& file, const std::string& fileName,
                                const std::string& action) {
  FileKind kind = FileKind::Other;
  std::int64_t length = 0;
  if (const std::error_code error = file.inspect(kind, length))
    FailWithOsReason(action, fileName, error);
  if (kind != FileKind::Regular) FailNotRegular(action, fileName, kind);
  return length;
}

// What a write that stopped partway left of the record in the file.
struct UnfinishedWrite {
  FileState state;
  std::int64_t changedBytes;  // bytes of the file that now differ from before
};

// Bytes that only grew the file are cut off again; bytes that overwrote the
// old record cannot be taken back.
UnfinishedWrite UndoGrowth(const OsFile& file, std::int64_t position, std::int64_t oldLength,
                           std::int64_t moved) {
  const bool grewFile = position + moved > oldLength;
  const bool grownPartRemoved = grewFile && !file.truncate(oldLength);
  const std::int64_t changed =
      grownPartRemoved ? std::clamp<std::int64_t>(oldLength - position, 0, moved) : moved;
  return {changed == 0 ? FileState::Unchanged : FileState::PartlyChanged, changed};
}

[[noreturn]] void FailUnfinishedWrite(const std::string& fileName, const std::string& action,
                                      const Transfer& written, const UnfinishedWrite& left) {
  const std::string cause = OsReason(written.error);
  const std::string ofTheRecord = " of the " + std::to_string(WeaponRecordSize) + " bytes";
  if (written.moved == 0) throw RomFileError(action, fileName, written.error, cause);
  if (left.state == FileState::Unchanged) {
    throw RomFileError(action, fileName, written.error,
                       cause + ". " + std::to_string(written.moved) + ofTheRecord +
                           " had been written past the end of the file; they were cut off " +
                           "again, so the file is unchanged");
  }
  throw RomFileError(action, fileName, written.error,
                     cause + ". Only " + std::to_string(left.changedBytes) + ofTheRecord +
                         " were written; the record in the file is now partly changed",
                     FileState::PartlyChanged);
}

}  // namespace

std::optional<std::int32_t> RecordPosition(WeaponIndex index) {
  if (index < 0 || index >= WeaponCount) return std::nullopt;
  return WeaponTableOffset + WeaponRecordSize * index;
}

void CheckFileOpens(const std::string& fileName) {
  const std::string action = "Could not open";
  RequireRegularFile(OpenOrFail(fileName, OpenPurpose::Probe, action), fileName, action);
}

WeaponRecord ReadWeaponRecord(const std::string& fileName, WeaponIndex index) {
  const std::string action = "Could not read " + WeaponDescription(index) + " from";
  const std::int32_t position = PositionOrFail(fileName, index, action);
  const OsFile file = OpenOrFail(fileName, OpenPurpose::Read, action);
  const std::int64_t length = RequireRegularFile(file, fileName, action);
  WeaponRecord record{};
  const Transfer read = file.readAt(position, record);
  if (read.error) FailWithOsReason(action, fileName, read.error);
  if (read.moved != record.size()) FailTooShort(action, fileName, length);
  return record;
}

void WriteWeaponRecord(const std::string& fileName, WeaponIndex index, const WeaponRecord& record) {
  const std::string action = "Could not save " + WeaponDescription(index) + " to";
  const std::int32_t position = PositionOrFail(fileName, index, action);
  const OsFile file = OpenOrFail(fileName, OpenPurpose::Write, action);
  const std::int64_t length = RequireRegularFile(file, fileName, action);
  const Transfer written = file.writeAt(position, record);
  if (written.error) {
    const auto moved = static_cast<std::int64_t>(written.moved);
    const UnfinishedWrite left =
        moved == 0 ? UnfinishedWrite{FileState::Unchanged, 0} : UndoGrowth(file, position, length, moved);
    FailUnfinishedWrite(fileName, action, written, left);
  }
  if (const std::error_code error = file.sync()) {
    throw RomFileError("Could not confirm saving " + WeaponDescription(index) + " to", fileName,
                       error,
                       OsReason(error) + ". The new values were written, but the system could " +
                           "not confirm that they reached the disk, so the file may hold the " +
                           "old or the new record",
                       FileState::MayHoldNewRecord);
  }
}

}  // namespace quorvane
