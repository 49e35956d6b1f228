#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <system_error>

namespace quorvane {

// What an operation opens the image for. Only a probe creates a missing file,
// and only a probe or a read may fall back to read access when writing is refused.
enum class OpenPurpose { Probe, Read, Write };

enum class FileKind { Regular, Directory, CharacterDevice, BlockDevice, Fifo, Socket, Other };

// How far a transfer got: all of it, up to the end of the file (a read), or
// up to the failure named in error.
struct Transfer {
  std::size_t moved = 0;
  std::error_code error;
};

// Everything the operating system does for one file operation, behind one
// class so that the table's logic stays the same on every platform. The
// constructor opens the named file (UTF-8) and the destructor releases the
// handle on every path; no call throws. A close has nothing left to report:
// by then the transfer and its sync have told the truth.
class OsFile {
 public:
  OsFile(const std::string& utf8Name, OpenPurpose purpose);
  ~OsFile();
  OsFile(const OsFile&) = delete;
  OsFile& operator=(const OsFile&) = delete;

  // Why opening failed; no error when the file is open.
  std::error_code openError() const { return openError_; }

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
  std::intptr_t handle_;
  std::error_code openError_;
};

// The operating system's own words for an error, in UTF-8, with no full stop
// or line break at the end.
std::string OsReason(const std::error_code& error);

}  // namespace quorvane
