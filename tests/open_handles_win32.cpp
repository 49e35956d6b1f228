#include <windows.h>

#include "tests/temp_rom.h"

namespace quorvane::testing {

// Windows cannot cheaply list a process's handles, but a file that any handle
// holds refuses an open that shares nothing.
int HandlesOpenOn(const std::string& utf8Name) {
  std::wstring path = PathOf(utf8Name).wstring();
  if (path.size() >= MAX_PATH) path = L"\\\\?\\" + path;
  const HANDLE probe = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    CloseHandle(probe);
    return 0;
  }
  return GetLastError() == ERROR_SHARING_VIOLATION ? 1 : 0;
}

}  // namespace quorvane::testing
