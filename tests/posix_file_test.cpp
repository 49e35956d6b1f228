// File-layer failures that need POSIX to set up: dropped privileges, special
// files, file-size limits and a really full file system.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <map>
#include <stdexcept>

#include "rom/os_file.h"
#include "rom/rom_errc.h"
#include "rom/weapon_table.h"
#include "tests/fake_view.h"
#include "tests/file_outcome.h"
#include "tests/posix_process.h"
#include "tests/temp_rom.h"

namespace quorvane {
namespace {

using testing::FailureInChild;
using testing::FailureOf;
using testing::HandlesOpenOn;
using testing::ReadFile;
using testing::ScratchRom;

constexpr WeaponRecord Sample{1, 2, 3, 4, 5, 6, 7, 8};
constexpr std::int64_t Fists = 0x2CE600;

void MakeReadOnly(const std::string& path) {
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
}

// A check that throws in its child is told as such, and the child goes no
// further: let out, the throw would run the rest of the suite a second time.
TEST(PosixFile, AThrowInAChildIsToldAndEndsTheChild) {
  EXPECT_EQ(FailureInChild([]() -> std::string { throw std::runtime_error("no such image"); }),
            "the check threw: no such image");
}

TEST(PosixFile, AReadOnlyImageCanBeShownButNotSaved) {
  ScratchRom rom;
  MakeReadOnly(rom.path);
  const WeaponRecord expected = testing::RecordIn(rom.original, 3);
  EXPECT_EQ(FailureInChild([&]() -> std::string {
              if (!testing::DropRootPrivileges()) return "could not become an ordinary user";
              if (FailureOf([&] { CheckFileOpens(rom.path); })) return "the probe failed";
              if (ReadWeaponRecord(rom.path, 3) != expected) return "the read gave other bytes";
              const auto failure = FailureOf([&] { WriteWeaponRecord(rom.path, 3, Sample); });
              if (!failure || failure->code() != std::errc::permission_denied)
                return "the save was not refused with Permission denied";
              return HandlesOpenOn(rom.path) == 0 ? "" : "a handle stayed open";
            }),
            "");
  EXPECT_EQ(ReadFile(rom.path), rom.original);
}

TEST(PosixFile, AReadOnlyImageIsShownInTheEditorButItsSaveIsReported) {
  ScratchRom rom;
  MakeReadOnly(rom.path);
  const std::string shownFirst = std::to_string(testing::RecordIn(rom.original, 0)[0]);
  EXPECT_EQ(FailureInChild([&]() -> std::string {
              if (!testing::DropRootPrivileges()) return "could not become an ordinary user";
              testing::EditorRig user;
              user.chooser.willAnswer(rom.path);
              user.view.clickOpen();
              if (!user.view.reportedFailures().empty() || user.view.valueText(0) != shownFirst)
                return "Open did not show weapon 0";
              const auto& warnings = user.view.imageWarnings();
              if (warnings.size() != 1 || warnings[0].kind != ImageWarning::Kind::ReadOnly ||
                  warnings[0].writeRefused != std::errc::permission_denied)
                return "Open did not tell once that the image cannot be written";
              user.view.typeValue(0, "1");
              user.view.clickSave();
              const auto& failures = user.view.reportedFailures();
              if (failures.size() != 1 || !failures[0].file ||
                  failures[0].file->code() != std::errc::permission_denied)
                return "the save was not reported once with Permission denied";
              return HandlesOpenOn(rom.path) == 0 ? "" : "a handle stayed open";
            }),
            "");
  EXPECT_EQ(ReadFile(rom.path), rom.original);
}

// A name with no file behind it, in a folder the user may not write: what
// failed is the making of the file, and no file is left.
TEST(PosixFile, ANewNameInAFolderNotWritableIsToldAsNotCreated) {
  testing::ScratchFolder folder;
  const std::string locked = folder.file("locked");
  std::filesystem::create_directory(locked);
  std::filesystem::permissions(locked, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_exec |
                                           std::filesystem::perms::others_read |
                                           std::filesystem::perms::others_exec);
  const std::string name = locked + "/new.sfc";
  EXPECT_EQ(FailureInChild([&]() -> std::string {
              if (!testing::DropRootPrivileges()) return "could not become an ordinary user";
              const auto failure = FailureOf([&] { CheckFileOpens(name); });
              if (!failure || failure->operation() != FileOperation::Create ||
                  failure->code() != std::errc::permission_denied)
                return "the probe was not refused as a file it could not create";
              return HandlesOpenOn(name) == 0 ? "" : "a handle stayed open";
            }),
            "");
  EXPECT_FALSE(std::filesystem::exists(name));
  std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
}

// A socket is refused by the system itself: opening one fails (ENXIO).
TEST(PosixFile, DevicesPipesAndSocketsAreRefusedBeforeAnythingMoves) {
  testing::ScratchFolder folder;
  const std::string fifo = folder.file("pipe.sfc");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string socketName = folder.file("socket.sfc");
  const int listening = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  socketName.copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(bind(listening, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  const std::map<std::string, std::error_code> refusals{
      {"/dev/zero", RomErrc::NotARegularFile},
      {"/dev/full", RomErrc::NotARegularFile},
      {fifo, RomErrc::NotARegularFile},
      {socketName, std::make_error_code(std::errc::no_such_device_or_address)}};
  for (const auto& [name, refusal] : refusals) {
    for (const auto& operation : std::vector<std::function<void()>>{
             [&] { CheckFileOpens(name); }, [&] { ReadWeaponRecord(name, 0); },
             [&] { WriteWeaponRecord(name, 0, Sample); }}) {
      const auto failure = FailureOf(operation);
      ASSERT_TRUE(failure) << name;
      EXPECT_EQ(failure->code(), refusal) << name;
    }
    EXPECT_EQ(HandlesOpenOn(name), 0) << name;
  }
  close(listening);
}

// Another program's read lease (as a file server takes for an oplock) refuses
// a non-blocking read-write open with EWOULDBLOCK; viewing must still work.
TEST(PosixFile, AnImageUnderAReadLeaseCanBeShownButNotSaved) {
  ScratchRom rom;
  const WeaponRecord expected = testing::RecordIn(rom.original, 5);
  EXPECT_EQ(FailureInChild([&]() -> std::string {
              // The lease's break notice would end the child otherwise.
              std::signal(SIGIO, SIG_IGN);
              const int holder = ::open(rom.path.c_str(), O_RDONLY);
              if (holder < 0 || ::fcntl(holder, F_SETLEASE, F_RDLCK) != 0) return "no read lease";
              if (FailureOf([&] { CheckFileOpens(rom.path); })) return "the probe failed";
              if (ReadWeaponRecord(rom.path, 5) != expected) return "the read gave other bytes";
              const auto failure = FailureOf([&] { WriteWeaponRecord(rom.path, 5, Sample); });
              if (!failure || failure->code() != std::errc::resource_unavailable_try_again)
                return "the save was not refused as unavailable";
              ::close(holder);
              return HandlesOpenOn(rom.path) == 0 ? "" : "a handle stayed open";
            }),
            "");
  EXPECT_EQ(ReadFile(rom.path), rom.original);
}

// The child sets a file-size limit and, as every program using the file
// layer must, ignores SIGXFSZ; the save then fails with a message.
std::string SaveUnderSizeLimit(const std::string& path, rlim_t limit, std::errc expected,
                               FileState state) {
  IgnoreFileSizeSignal();
  const rlimit cap{limit, limit};
  if (setrlimit(RLIMIT_FSIZE, &cap) != 0) return "could not set the limit";
  const auto failure = FailureOf([&] { WriteWeaponRecord(path, 0, Sample); });
  if (!failure) return "the save did not fail";
  if (failure->code() != expected) return "the save failed with " + failure->code().message();
  if (failure->fileState() != state) return "the message told another file state";
  return HandlesOpenOn(path) == 0 ? "" : "a handle stayed open";
}

TEST(PosixFile, ASizeLimitBeforeTheRecordFailsTheSaveAndTheProgramLivesOn) {
  ScratchRom rom(4096);
  EXPECT_EQ(FailureInChild([&] {
              return SaveUnderSizeLimit(rom.path, 4096, std::errc::file_too_large,
                                        FileState::Unchanged);
            }),
            "");
  EXPECT_EQ(ReadFile(rom.path), rom.original);
}

TEST(PosixFile, BytesThatOnlyGrewTheFileAreCutOffAgain) {
  ScratchRom rom(Fists);
  EXPECT_EQ(FailureInChild([&] {
              return SaveUnderSizeLimit(rom.path, Fists + 4, std::errc::file_too_large,
                                        FileState::Unchanged);
            }),
            "");
  EXPECT_EQ(ReadFile(rom.path), rom.original);
}

TEST(PosixFile, BytesThatOverwroteTheRecordAreToldAsAPartlyChangedRecord) {
  ScratchRom rom(Fists + 4);
  testing::Bytes expected = rom.original;
  std::copy_n(Sample.begin(), 4, expected.begin() + Fists);
  EXPECT_EQ(FailureInChild([&] {
              return SaveUnderSizeLimit(rom.path, Fists + 4, std::errc::file_too_large,
                                        FileState::PartlyChanged);
            }),
            "");
  EXPECT_EQ(ReadFile(rom.path), expected);
}

// A tiny private file system, filled up, holding an image whose record lies in
// a hole: writing it needs space the disk no longer has.
constexpr const char* NoPrivateMount =
    "no private mount here (needs root, or user namespaces outside a chroot)";

bool WriteProcFile(const char* name, const std::string& text) {
  const int fd = open(name, O_WRONLY);
  if (fd < 0) return false;
  const bool whole = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  return close(fd) == 0 && whole;
}

// Root mounts in a namespace of its own; anyone else first becomes root of a
// user namespace of their own, mapped to themselves, where mounting a tmpfs
// is allowed.
bool EnterPrivateMounts() {
  if (geteuid() != 0) {
    const std::string uid = std::to_string(geteuid()), gid = std::to_string(getegid());
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !WriteProcFile("/proc/self/setgroups", "deny") ||
        !WriteProcFile("/proc/self/uid_map", uid + " " + uid + " 1") ||
        !WriteProcFile("/proc/self/gid_map", gid + " " + gid + " 1"))
      return false;
  } else if (unshare(CLONE_NEWNS) != 0) {
    return false;
  }
  return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

std::string SaveOnAFullDisk(const std::string& folder) {
  if (!EnterPrivateMounts()) return NoPrivateMount;
  if (mount("quorvane-full", folder.c_str(), "tmpfs", 0, "size=64k") != 0) return NoPrivateMount;
  const std::string image = folder + "/game.sfc";
  testing::WriteFile(image, {});
  std::filesystem::resize_file(image, testing::RomSize);
  try {
    testing::WriteFile(folder + "/filler", testing::Bytes(1024 * 1024));
  } catch (const std::exception&) {
  }
  const auto failure = FailureOf([&] { WriteWeaponRecord(image, 0, Sample); });
  if (!failure || failure->code() != std::errc::no_space_on_device)
    return "the save did not fail with No space left on device";
  if (failure->fileState() != FileState::Unchanged) return "the message told a changed file";
  if (HandlesOpenOn(image) != 0) return "a handle stayed open";
  return ReadFile(image) == testing::Bytes(testing::RomSize) ? "" : "the file changed";
}

TEST(PosixFile, AFullDiskFailsTheSaveAndLeavesTheFileAsItWas) {
  testing::ScratchFolder folder;
  const std::string failure = FailureInChild([&] { return SaveOnAFullDisk(folder.name()); });
  if (failure == NoPrivateMount) GTEST_SKIP() << failure;
  EXPECT_EQ(failure, "");
}

}  // namespace
}  // namespace quorvane
