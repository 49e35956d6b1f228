// Another program for the Windows file tests: holds the named image open,
// sharing nothing, until the test lets it go.
#include <windows.h>

int wmain(int argc, wchar_t* argv[]) {
  if (argc != 2) return 2;
  const HANDLE image =
      CreateFileW(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (image == INVALID_HANDLE_VALUE) return 1;
  const HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"quorvane-test-image-release");
  SetEvent(OpenEventW(EVENT_MODIFY_STATE, FALSE, L"quorvane-test-image-held"));
  WaitForSingleObject(release, 60000);
  CloseHandle(image);
  return 0;
}
