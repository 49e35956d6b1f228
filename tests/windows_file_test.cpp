// File-layer behaviour that only Windows can show: sharing with other
// programs, the read-only attribute and paths past MAX_PATH.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "rom/os_file.h"
#include "rom/weapon_table.h"
#include "tests/file_outcome.h"
#include "tests/temp_rom.h"

namespace quorvane {
namespace {

using testing::FailureOf;
using testing::HandlesOpenOn;
using testing::PathOf;
using testing::ReadFile;
using testing::ScratchRom;

constexpr WeaponRecord Sample{1, 2, 3, 4, 5, 6, 7, 8};

// A handle on the image such as another program holds, with the sharing it allows.
class ForeignHandle {
 public:
  ForeignHandle(const std::string& path, DWORD access, DWORD share)
      : handle_(CreateFileW(PathOf(path).c_str(), access, share, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~ForeignHandle() { CloseHandle(handle_); }
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

constexpr const wchar_t* HeldEvent = L"quorvane-test-image-held";
constexpr const wchar_t* ReleaseEvent = L"quorvane-test-image-release";

// Another program, quorvane_image_holder.exe beside this one, holding the image.
class OtherProgram {
 public:
  explicit OtherProgram(const std::string& image) {
    held_ = CreateEventW(nullptr, TRUE, FALSE, HeldEvent);
    release_ = CreateEventW(nullptr, TRUE, FALSE, ReleaseEvent);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring holder =
        (std::filesystem::path(self).parent_path() / L"quorvane_image_holder.exe").wstring();
    std::wstring command = L"\"" + holder + L"\" \"" + PathOf(image).wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    started_ = CreateProcessW(holder.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &process_);
  }
  ~OtherProgram() {
    SetEvent(release_);
    if (started_) {
      WaitForSingleObject(process_.hProcess, 60000);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    CloseHandle(held_);
    CloseHandle(release_);
  }
  bool holding() const { return started_ && WaitForSingleObject(held_, 60000) == WAIT_OBJECT_0; }

 private:
  HANDLE held_;
  HANDLE release_;
  PROCESS_INFORMATION process_{};
  bool started_ = false;
};

TEST(WindowsFile, AnImageAnotherProgramHoldsWithoutSharingIsToldAsBusy) {
  ScratchRom rom;
  {
    const OtherProgram other(rom.path);
    ASSERT_TRUE(other.holding());
    for (const auto& operation : std::vector<std::function<void()>>{
             [&] { CheckFileOpens(rom.path); }, [&] { ReadWeaponRecord(rom.path, 0); },
             [&] { WriteWeaponRecord(rom.path, 0, Sample); }}) {
      const auto failure = FailureOf(operation);
      ASSERT_TRUE(failure);
      EXPECT_EQ(failure->code(), std::errc::device_or_resource_busy);
      EXPECT_FALSE(OsReason(failure->code()).empty());
    }
  }
  EXPECT_EQ(ReadFile(rom.path), rom.original);
  EXPECT_EQ(HandlesOpenOn(rom.path), 0);
}

TEST(WindowsFile, AnImageAnotherProgramReadsCanBeShownButNotSaved) {
  ScratchRom rom;
  const ForeignHandle emulator(rom.path, GENERIC_READ, FILE_SHARE_READ);
  ASSERT_TRUE(emulator.held());
  CheckFileOpens(rom.path);
  EXPECT_EQ(ReadWeaponRecord(rom.path, 5), testing::RecordIn(rom.original, 5));
  const auto failure = FailureOf([&] { WriteWeaponRecord(rom.path, 5, Sample); });
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->code(), std::errc::device_or_resource_busy);
  EXPECT_EQ(ReadFile(rom.path), rom.original);
}

TEST(WindowsFile, AReadOnlyImageCanBeShownButNotSaved) {
  ScratchRom rom;
  ASSERT_TRUE(SetFileAttributesW(PathOf(rom.path).c_str(), FILE_ATTRIBUTE_READONLY));
  CheckFileOpens(rom.path);
  EXPECT_EQ(ReadWeaponRecord(rom.path, 3), testing::RecordIn(rom.original, 3));
  const auto failure = FailureOf([&] { WriteWeaponRecord(rom.path, 3, Sample); });
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->code(), std::errc::permission_denied);
  EXPECT_EQ(OsReason(failure->code()).find('\n'), std::string::npos);
  EXPECT_EQ(ReadFile(rom.path), rom.original);
  EXPECT_EQ(HandlesOpenOn(rom.path), 0);
}

TEST(WindowsFile, PathsLongerThanMaxPathWork) {
  testing::ScratchFolder folder;
  std::wstring deep = L"\\\\?\\" + std::filesystem::absolute(folder.path()).wstring();
  for (int level = 0; level < 6; ++level) {
    deep += L"\\" + std::wstring(50, static_cast<wchar_t>(L'a' + level));
    ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr)) << GetLastError();
  }
  const std::string name = testing::NameOf(std::filesystem::path(deep.substr(4)) / "game.sfc");
  ASSERT_GT(name.size(), static_cast<std::size_t>(MAX_PATH));
  CheckFileOpens(name);
  WriteWeaponRecord(name, 0, Sample);
  EXPECT_EQ(ReadWeaponRecord(name, 0), Sample);
  EXPECT_EQ(HandlesOpenOn(name), 0);
}

}  // namespace
}  // namespace quorvane
