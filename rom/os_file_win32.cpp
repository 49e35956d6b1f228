#include <windows.h>

#include <algorithm>

#include "rom/os_file.h"

namespace quorvane {

namespace {

// Another program, an emulator say, may hold the image open; sharing every
// access keeps it from stopping the user from viewing or saving.
constexpr DWORD ShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

std::error_code LastError() { return {static_cast<int>(GetLastError()), std::system_category()}; }

HANDLE Handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

bool Widen(const std::string& utf8, std::wstring& wide) {
  if (utf8.empty()) return true;
  const int size = static_cast<int>(utf8.size());
  const int length =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
  if (length == 0) return false;
  wide.resize(static_cast<std::size_t>(length));
  return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(),
                             length) == length;
}

std::string Narrowed(const wchar_t* wide, int length) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(std::max(size, 0)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, length, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

// Names of MAX_PATH characters or more need the extended-length prefix, which
// takes only a full path with backslashes.
std::wstring ExtendedLengthPath(const std::wstring& name) {
  if (name.size() < MAX_PATH || name.starts_with(L"\\\\?\\")) return name;
  std::wstring full(GetFullPathNameW(name.c_str(), 0, nullptr, nullptr), L'\0');
  const DWORD length =
      GetFullPathNameW(name.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length == 0 || length >= full.size()) return name;
  full.resize(length);
  if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

HANDLE OpenHandle(const std::wstring& path, DWORD access, DWORD disposition) {
  return CreateFileW(path.c_str(), access, ShareAll, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                     nullptr);
}

bool WriteAccessRefused(DWORD error) {
  return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
         error == ERROR_WRITE_PROTECT || error == ERROR_LOCK_VIOLATION;
}

// What stands under the name: a folder, nothing at all, or anything else.
// Windows refuses to open a folder as a file with "Access denied", and a file
// it could not make with the same words; the user is better told which.
enum class Found { Folder, Nothing, Other };
Found WhatIsAt(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Found::Nothing
                                                                          : Found::Other;
  }
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Found::Folder : Found::Other;
}

OVERLAPPED At(std::int64_t position) {
  OVERLAPPED where{};
  where.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(position) & 0xFFFFFFFFU);
  where.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(position) >> 32);
  return where;
}

}  // namespace

std::variant<OsFile, OpenRefusal> OsFile::open(const std::string& utf8Name, OpenPurpose purpose) {
  std::wstring wide;
  if (!Widen(utf8Name, wide)) {
    return OpenRefusal{std::make_error_code(std::errc::illegal_byte_sequence)};
  }
  const std::wstring path = ExtendedLengthPath(wide);
  const bool mayCreate = purpose == OpenPurpose::ProbeCreating;
  HANDLE opened =
      OpenHandle(path, GENERIC_READ | GENERIC_WRITE, mayCreate ? OPEN_ALWAYS : OPEN_EXISTING);
  const std::error_code refused = LastError();
  // OPEN_ALWAYS reports a file that was already there as this "error".
  const bool created = mayCreate && opened != INVALID_HANDLE_VALUE &&
                       refused.value() != static_cast<int>(ERROR_ALREADY_EXISTS);
  if (opened != INVALID_HANDLE_VALUE) {
    return OsFile(reinterpret_cast<std::intptr_t>(opened), created, {});
  }
  // A file the user may only read is still worth showing.
  if (purpose != OpenPurpose::Write && WriteAccessRefused(static_cast<DWORD>(refused.value()))) {
    opened = OpenHandle(path, GENERIC_READ, OPEN_EXISTING);
    if (opened != INVALID_HANDLE_VALUE) {
      return OsFile(reinterpret_cast<std::intptr_t>(opened), false, refused);
    }
  }
  switch (WhatIsAt(path)) {
    case Found::Folder:
      return OpenRefusal{std::make_error_code(std::errc::is_a_directory)};
    case Found::Nothing:
      return OpenRefusal{refused, mayCreate};
    default:
      return OpenRefusal{refused};
  }
}

OsFile::~OsFile() {
  if (handle_ != ClosedHandle) CloseHandle(Handle(handle_));
}

// Windows has no file-size signal.
void IgnoreFileSizeSignal() {}

std::error_code OsFile::inspect(FileKind& kind, std::int64_t& length) const {
  SetLastError(NO_ERROR);
  switch (GetFileType(Handle(handle_))) {
    case FILE_TYPE_DISK:
      kind = FileKind::Regular;
      break;
    case FILE_TYPE_CHAR:
      kind = FileKind::CharacterDevice;
      break;
    case FILE_TYPE_PIPE:
      kind = FileKind::Fifo;
      break;
    default:
      if (GetLastError() != NO_ERROR) return LastError();
      kind = FileKind::Other;
  }
  LARGE_INTEGER size{};
  if (kind == FileKind::Regular && !GetFileSizeEx(Handle(handle_), &size)) return LastError();
  length = size.QuadPart;
  return {};
}

Transfer OsFile::readAt(std::int64_t position, std::span<std::uint8_t> buffer) const {
  Transfer done;
  while (done.moved < buffer.size()) {
    OVERLAPPED where = At(position + static_cast<std::int64_t>(done.moved));
    DWORD count = 0;
    const BOOL read = ReadFile(Handle(handle_), buffer.data() + done.moved,
                               static_cast<DWORD>(buffer.size() - done.moved), &count, &where);
    if (!read && GetLastError() != ERROR_HANDLE_EOF) done.error = LastError();
    if (!read || count == 0) break;  // a failure, or the end of the file
    done.moved += count;
  }
  return done;
}

Transfer OsFile::writeAt(std::int64_t position, std::span<const std::uint8_t> bytes) const {
  Transfer done;
  while (done.moved < bytes.size()) {
    OVERLAPPED where = At(position + static_cast<std::int64_t>(done.moved));
    DWORD count = 0;
    if (!WriteFile(Handle(handle_), bytes.data() + done.moved,
                   static_cast<DWORD>(bytes.size() - done.moved), &count, &where)) {
      done.error = LastError();
      break;
    }
    // Writing nothing without a reason would otherwise repeat for ever.
    if (count == 0) {
      done.error = std::make_error_code(std::errc::io_error);
      break;
    }
    done.moved += count;
  }
  return done;
}

std::error_code OsFile::sync() const {
  return FlushFileBuffers(Handle(handle_)) ? std::error_code() : LastError();
}

std::error_code OsFile::truncate(std::int64_t length) const {
  FILE_END_OF_FILE_INFO end{};
  end.EndOfFile.QuadPart = length;
  if (SetFileInformationByHandle(Handle(handle_), FileEndOfFileInfo, &end, sizeof end)) return {};
  return LastError();
}

// The system's own words, in the user's language, as UTF-8.
std::string OsReason(const std::error_code& error) {
  if (error.category() != std::system_category()) return error.message();
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(error.value()), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  if (length == 0) return "Windows error " + std::to_string(error.value());
  std::string reason = Narrowed(text, static_cast<int>(length));
  LocalFree(text);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                             reason.back() == ' ' || reason.back() == '.')) {
    reason.pop_back();
  }
  return reason;
}

}  // namespace quorvane
