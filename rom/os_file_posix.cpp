#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "rom/os_file.h"

namespace quorvane {

namespace {

constexpr mode_t NewFileMode = 0666;

// Never blocks on opening a FIFO or a terminal; the file-type check refuses
// those afterwards. On a regular file O_NONBLOCK changes nothing.
constexpr int CommonFlags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;

std::error_code LastError() { return {errno, std::generic_category()}; }

template <typename Call>
auto RetryingInterrupted(Call call) {
  decltype(call()) result;
  do {
    result = call();
  } while (result < 0 && errno == EINTR);
  return result;
}

// What a transfer that moved nothing means: for a read, the end of the file;
// for a write, a failure without a reason, which would otherwise repeat for ever.
enum class EmptyTransfer { EndOfFile, Failure };

// Repeats the transfer from where it stopped until all of it has moved,
// carrying on after interruptions and short counts.
template <typename Move>
Transfer MovingAll(std::size_t size, EmptyTransfer empty, Move move) {
  Transfer done;
  while (done.moved < size) {
    const ssize_t count = move(done.moved);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) done.error = LastError();
    if (count == 0 && empty == EmptyTransfer::Failure)
      done.error = std::make_error_code(std::errc::io_error);
    if (count <= 0) break;
    done.moved += static_cast<std::size_t>(count);
  }
  return done;
}

// Refused write access, or a read lease that another program (a file server
// with oplocks, an NFS delegation) holds: the non-blocking read-write open
// then fails with EWOULDBLOCK while reading is still allowed.
bool WriteAccessUnavailable(int error) {
  return error == EACCES || error == EPERM || error == EROFS || error == EAGAIN ||
         error == EWOULDBLOCK;
}

int Descriptor(std::intptr_t handle) { return static_cast<int>(handle); }

FileKind KindOf(mode_t mode) {
  if (S_ISREG(mode)) return FileKind::Regular;
  if (S_ISDIR(mode)) return FileKind::Directory;
  if (S_ISCHR(mode)) return FileKind::CharacterDevice;
  if (S_ISBLK(mode)) return FileKind::BlockDevice;
  if (S_ISFIFO(mode)) return FileKind::Fifo;
  return FileKind::Other;
}

}  // namespace

std::variant<OsFile, OpenRefusal> OsFile::open(const std::string& utf8Name, OpenPurpose purpose) {
  const auto openWith = [&](int flags) {
    return RetryingInterrupted([&] { return ::open(utf8Name.c_str(), flags, NewFileMode); });
  };
  int descriptor = openWith(O_RDWR | CommonFlags);
  bool creating = false;
  bool created = false;
  // Created exclusively, and only when there was no file, so the probe knows
  // that it made the file; one that appeared meanwhile is opened as it is.
  if (descriptor < 0 && errno == ENOENT && purpose == OpenPurpose::ProbeCreating) {
    creating = true;
    descriptor = openWith(O_RDWR | CommonFlags | O_CREAT | O_EXCL);
    created = descriptor >= 0;
    if (descriptor < 0 && errno == EEXIST) {
      creating = false;
      descriptor = openWith(O_RDWR | CommonFlags);
    }
  }
  const std::error_code refused(errno, std::generic_category());
  // A file the user may only read is still worth showing.
  if (descriptor < 0 && !creating && purpose != OpenPurpose::Write &&
      WriteAccessUnavailable(refused.value())) {
    descriptor = openWith(O_RDONLY | CommonFlags);
    if (descriptor >= 0) return OsFile(descriptor, false, refused);
  }
  if (descriptor < 0) return OpenRefusal{refused, creating};
  return OsFile(descriptor, created, {});
}

OsFile::~OsFile() {
  if (handle_ != ClosedHandle) ::close(Descriptor(handle_));
}

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

#if defined(__linux__)
// Asks for the type and size alone: a full fstat of a file that was just
// synced costs ext4 some 40 µs, half the time of a whole save.
std::error_code OsFile::inspect(FileKind& kind, std::int64_t& length) const {
  struct statx info {};
  if (RetryingInterrupted([&] {
        return ::statx(Descriptor(handle_), "", AT_EMPTY_PATH, STATX_TYPE | STATX_SIZE, &info);
      }) != 0) {
    return LastError();
  }
  kind = KindOf(info.stx_mode);
  length = static_cast<std::int64_t>(info.stx_size);
  return {};
}
#else
std::error_code OsFile::inspect(FileKind& kind, std::int64_t& length) const {
  struct stat info {};
  if (RetryingInterrupted([&] { return ::fstat(Descriptor(handle_), &info); }) != 0)
    return LastError();
  kind = KindOf(info.st_mode);
  length = info.st_size;
  return {};
}
#endif

Transfer OsFile::readAt(std::int64_t position, std::span<std::uint8_t> buffer) const {
  return MovingAll(buffer.size(), EmptyTransfer::EndOfFile, [&](std::size_t moved) {
    return ::pread(Descriptor(handle_), buffer.data() + moved, buffer.size() - moved,
                   static_cast<off_t>(position + static_cast<std::int64_t>(moved)));
  });
}

Transfer OsFile::writeAt(std::int64_t position, std::span<const std::uint8_t> bytes) const {
  return MovingAll(bytes.size(), EmptyTransfer::Failure, [&](std::size_t moved) {
    return ::pwrite(Descriptor(handle_), bytes.data() + moved, bytes.size() - moved,
                    static_cast<off_t>(position + static_cast<std::int64_t>(moved)));
  });
}

std::error_code OsFile::sync() const {
  const int descriptor = Descriptor(handle_);
#if defined(__APPLE__)
  // fsync only hands the bytes to the drive, whose cache may still lose them.
  if (RetryingInterrupted([&] { return ::fcntl(descriptor, F_FULLFSYNC); }) == 0) return {};
  if (errno != ENOTSUP && errno != EINVAL) return LastError();
  if (RetryingInterrupted([&] { return ::fsync(descriptor); }) == 0) return {};
#else
  if (RetryingInterrupted([&] { return ::fdatasync(descriptor); }) == 0) return {};
#endif
  return LastError();
}

std::error_code OsFile::truncate(std::int64_t length) const {
  if (RetryingInterrupted(
          [&] { return ::ftruncate(Descriptor(handle_), static_cast<off_t>(length)); }) == 0) {
    return {};
  }
  return LastError();
}

std::string OsReason(const std::error_code& error) { return error.message(); }

}  // namespace quorvane
