#include "rom/weapon_table.h"

#include <algorithm>
#include <span>

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

// Proves the open worked and that the file is a regular one, before anything
// moves; returns the file's length.
std::int64_t RequireRegularFile(const OsFile& file, const std::string& fileName,
                                const std::string& action) {
  if (file.openError() == std::errc::is_a_directory)
    FailNotRegular(action, fileName, FileKind::Directory);
  if (file.openError()) FailWithOsReason(action, fileName, file.openError());
  FileKind kind = FileKind::Other;
  std::int64_t length = 0;
  if (const std::error_code error = file.inspect(kind, length))
    FailWithOsReason(action, fileName, error);
  if (kind != FileKind::Regular) FailNotRegular(action, fileName, kind);
  return length;
}

// A write that stopped partway. Bytes that only grew the file are cut off
// again; bytes that overwrote the old record cannot be taken back, and the
// message says so.
[[noreturn]] void FailUnfinishedWrite(const OsFile& file, const std::string& fileName,
                                      const std::string& action, std::int64_t position,
                                      std::int64_t oldLength, const Transfer& written) {
  const std::string cause = OsReason(written.error);
  const auto moved = static_cast<std::int64_t>(written.moved);
  if (moved == 0) throw RomFileError(action, fileName, written.error, cause);
  const bool grewFile = position + moved > oldLength;
  const bool grownPartRemoved = grewFile && !file.truncate(oldLength);
  const std::int64_t changed =
      grownPartRemoved ? std::clamp<std::int64_t>(oldLength - position, 0, moved) : moved;
  const std::string count = std::to_string(written.moved) + " of the 8 bytes";
  if (changed == 0) {
    throw RomFileError(action, fileName, written.error,
                       cause + ". " + count + " had been written past the end of the file; they " +
                           "were cut off again, so the file is unchanged");
  }
  throw RomFileError(action, fileName, written.error,
                     cause + ". Only " + std::to_string(changed) +
                         " of the 8 bytes were written; " +
                         "the record in the file is now partly changed",
                     FileState::PartlyChanged);
}

}  // namespace

std::optional<std::int32_t> RecordPosition(WeaponIndex index) {
  if (index < 0 || index >= WeaponCount) return std::nullopt;
  return WeaponTableOffset + WeaponRecordSize * index;
}

void CheckFileOpens(const std::string& fileName) {
  const OsFile file(fileName, OpenPurpose::Probe);
  RequireRegularFile(file, fileName, "Could not open");
}

WeaponRecord ReadWeaponRecord(const std::string& fileName, WeaponIndex index) {
  const std::string action = "Could not read " + WeaponDescription(index) + " from";
  const std::int32_t position = PositionOrFail(fileName, index, action);
  const OsFile file(fileName, OpenPurpose::Read);
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
  const OsFile file(fileName, OpenPurpose::Write);
  const std::int64_t length = RequireRegularFile(file, fileName, action);
  const Transfer written = file.writeAt(position, record);
  if (written.error) FailUnfinishedWrite(file, fileName, action, position, length, written);
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
