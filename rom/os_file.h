#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <system_error>
#include <utility>
#include <variant>

namespace quorvane {

// What an operation opens the image for. Only the probe of a newly chosen name
// creates a missing file, and only a probe or a read may fall back to read
// access when writing is refused.
enum class OpenPurpose { ProbeCreating, Probe, Read, Write };

// A socket is not among them: opening one fails before its kind is asked.
enum class FileKind { Regular, Directory, CharacterDevice, BlockDevice, Fifo, Other };

// Why open() gave no file: the system's reason, and whether it was making a
// new one, no file of that name having existed.
struct OpenRefusal {
  std::error_code code;
  bool creating = false;
};

// How far a transfer got: all of it, up to the end of the file (a read), or
// up to the failure named in error.
struct Transfer {
  std::size_t moved = 0;
  std::error_code error;
};

// Everything the operating system does for one file operation, behind one
// class so that the table's logic stays the same on every platform. open()
// gives either an open file or why it could not be opened, so no call can run
// on a handle that is not there; the destructor releases the handle on every
// path, and no call throws. A close has nothing left to report: by then the
// transfer and its sync have told the truth.
//
// A program that uses OsFile must call IgnoreFileSizeSignal() as it starts:
// on POSIX a file-size limit would otherwise end it mid-save with SIGXFSZ.
class OsFile {
 public:
  static std::variant<OsFile, OpenRefusal> open(const std::string& utf8Name, OpenPurpose purpose);

  OsFile(OsFile&& other) noexcept
      : handle_(std::exchange(other.handle_, ClosedHandle)),
        created_(other.created_),
        writeRefused_(other.writeRefused_) {}
  OsFile& operator=(OsFile&&) = delete;
  OsFile(const OsFile&) = delete;
  OsFile& operator=(const OsFile&) = delete;
  ~OsFile();

  // Whether this open made the file: no file of that name existed before.
  bool created() const { return created_; }
  // Why the file was opened for reading only, where writing was refused.
  std::error_code writeRefused() const { return writeRefused_; }

  // The one file-type check, which also gives the file's length in bytes.
  std::error_code inspect(FileKind& kind, std::int64_t& length) const;

  // Move the whole buffer, carrying on after interruptions and short counts.
  Transfer readAt(std::int64_t position, std::span<std::uint8_t> buffer) const;
  Transfer writeAt(std::int64_t position, std::span<const std::uint8_t> bytes) const;

  // Asks the system to put written bytes on the disk itself.
  std::error_code sync() const;

  // Cuts the file back to the given length.
  std::error_code truncate(std::int64_t length) const;

 private:
  // -1 is no descriptor on POSIX and INVALID_HANDLE_VALUE on Windows.
  static constexpr std::intptr_t ClosedHandle = -1;
  OsFile(std::intptr_t handle, bool created, std::error_code writeRefused)
      : handle_(handle), created_(created), writeRefused_(writeRefused) {}

  std::intptr_t handle_;
  bool created_;
  std::error_code writeRefused_;
};

// Keeps a file-size limit from ending the program: the write fails with
// "File too large" instead. Does nothing where there is no such signal.
void IgnoreFileSizeSignal();

// The operating system's own words for an error, in UTF-8, with no full stop
// or line break at the end.
std::string OsReason(const std::error_code& error);

}  // namespace quorvane
