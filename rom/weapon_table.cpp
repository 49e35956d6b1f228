#include "rom/weapon_table.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <sys/types.h>

#include "rom/file_handle.h"
#include "rom/rom_file_error.h"

namespace quorvane {

namespace {

constexpr mode_t NewFileMode = 0666;

// Only the probe creates a missing file: a record read from a file that was
// just created cannot exist, and a record written into one would fabricate a
// zero-filled image that the user never had.
enum class Access { Probe, Read, Write };

std::string OsReason(int error) { return std::strerror(error); }

std::string WeaponDescription(WeaponIndex index) {
  std::string text = "weapon " + std::to_string(index);
  if (index >= 0 && index < WeaponCount) {
    text += " (" + std::string(WeaponNames[static_cast<std::size_t>(index)]) + ")";
  }
  return text;
}

bool WriteAccessRefused(int error) { return error == EACCES || error == EPERM || error == EROFS; }

// One open for reading and writing, never truncating. A file the user may only
// read is still worth showing, so where the caller needs no write, a refused
// write access falls back to reading alone.
FileHandle OpenImage(const std::string& fileName, Access access, const std::string& action) {
  const int flags = O_RDWR | O_CLOEXEC | (access == Access::Probe ? O_CREAT : 0);
  int descriptor = ::open(fileName.c_str(), flags, NewFileMode);
  const int openError = errno;
  if (descriptor < 0 && access != Access::Write && WriteAccessRefused(openError)) {
    descriptor = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
  }
  if (descriptor < 0) throw RomFileError(action, fileName, OsReason(openError));
  return FileHandle(descriptor);
}

std::int32_t PositionOrThrow(const std::string& fileName, WeaponIndex index,
                             const std::string& action) {
  const std::optional<std::int32_t> position = RecordPosition(index);
  if (!position) {
    throw RomFileError(action, fileName,
                       "there is no weapon " + std::to_string(index) + " in the table (0 to " +
                           std::to_string(WeaponCount - 1) + ")");
  }
  return *position;
}

template <typename Transfer>
ssize_t RetryingInterrupted(Transfer transfer) {
  ssize_t result = 0;
  do {
    result = transfer();
  } while (result < 0 && errno == EINTR);
  return result;
}

}  // namespace

std::optional<std::int32_t> RecordPosition(WeaponIndex index) {
  if (index < 0 || index >= WeaponCount) return std::nullopt;
  return WeaponTableOffset + WeaponRecordSize * index;
}

void CheckFileOpens(const std::string& fileName) {
  // Only opening is being proven; a failing close of a descriptor that did
  // nothing cannot lose data.
  OpenImage(fileName, Access::Probe, "Could not open");
}

WeaponRecord ReadWeaponRecord(const std::string& fileName, WeaponIndex index) {
  const std::string action = "Could not read " + WeaponDescription(index) + " from";
  const std::int32_t position = PositionOrThrow(fileName, index, action);
  FileHandle file = OpenImage(fileName, Access::Read, action);
  WeaponRecord record{};
  const ssize_t count = RetryingInterrupted(
      [&] { return ::pread(file.descriptor(), record.data(), record.size(), position); });
  if (count < 0) throw RomFileError(action, fileName, OsReason(errno));
  if (count != WeaponRecordSize) {
    throw RomFileError(action, fileName,
                       "the file ends before this weapon's record, so it is too short to be a "
                       "ROM image with the weapon table");
  }
  return record;
}

void WriteWeaponRecord(const std::string& fileName, WeaponIndex index,
                       const WeaponRecord& record) {
  const std::string action = "Could not save " + WeaponDescription(index) + " to";
  const std::int32_t position = PositionOrThrow(fileName, index, action);
  FileHandle file = OpenImage(fileName, Access::Write, action);
  const ssize_t count = RetryingInterrupted(
      [&] { return ::pwrite(file.descriptor(), record.data(), record.size(), position); });
  if (count < 0) throw RomFileError(action, fileName, OsReason(errno));
  if (count != WeaponRecordSize) {
    throw RomFileError(action, fileName,
                       "only " + std::to_string(count) + " of 8 bytes could be written");
  }
  if (::fdatasync(file.descriptor()) != 0) throw RomFileError(action, fileName, OsReason(errno));
  if (const int closeError = file.close(); closeError != 0) {
    throw RomFileError(action, fileName, OsReason(closeError));
  }
}

}  // namespace quorvane
