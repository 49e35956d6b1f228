#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "rom/rom_file_error.h"
#include "rom/weapon_table.h"
#include "tests/temp_rom.h"

namespace quorvane {
namespace {

using testing::DescriptorsOpenOn;
using testing::ReadFile;
using testing::ScratchFolder;
using testing::ScratchRom;

constexpr WeaponRecord Sample{1, 2, 3, 4, 5, 6, 7, 8};

// The reason a file operation gave, or "" when it succeeded.
std::string FailureReason(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const RomFileError& failure) {
    return failure.reason();
  }
  return "";
}

TEST(FileFailure, AFolderCannotBeUsedAsAnImage) {
  ScratchFolder folder;
  const std::string name = folder.path().string();
  EXPECT_EQ(FailureReason([&] { CheckFileOpens(name); }), "Is a directory");
  EXPECT_EQ(FailureReason([&] { ReadWeaponRecord(name, 0); }), "Is a directory");
  EXPECT_EQ(FailureReason([&] { WriteWeaponRecord(name, 0, Sample); }), "Is a directory");
  EXPECT_EQ(DescriptorsOpenOn(name), 0);
}

TEST(FileFailure, ANameInAMissingFolderFailsAndCreatesNothing) {
  ScratchFolder folder;
  const std::string name = folder.file("missing/game.sfc");
  EXPECT_EQ(FailureReason([&] { CheckFileOpens(name); }), "No such file or directory");
  EXPECT_EQ(FailureReason([&] { WriteWeaponRecord(name, 0, Sample); }), "No such file or directory");
  EXPECT_FALSE(std::filesystem::exists(folder.file("missing")));
}

TEST(FileFailure, AFileTooShortForTheRecordFailsToReadAndStaysAsItWas) {
  ScratchRom rom(0x2CE604);
  const std::string reason = FailureReason([&] { ReadWeaponRecord(rom.path, 0); });
  EXPECT_NE(reason.find("too short"), std::string::npos) << reason;
  EXPECT_EQ(ReadFile(rom.path), rom.original);
  EXPECT_EQ(DescriptorsOpenOn(rom.path), 0);
}

TEST(FileFailure, AReadOnlyImageCanBeShownButNotSaved) {
  ScratchRom rom;
  std::filesystem::permissions(rom.path, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
  const WeaponRecord expected = testing::RecordIn(rom.original, 3);
  // Exit codes tell the steps apart: 0 is the sound outcome.
  const int outcome = testing::ExitCodeInChild([&] {
    if (!testing::DropRootPrivileges()) return 10;
    if (!FailureReason([&] { CheckFileOpens(rom.path); }).empty()) return 11;
    if (ReadWeaponRecord(rom.path, 3) != expected) return 12;
    if (FailureReason([&] { WriteWeaponRecord(rom.path, 3, Sample); }) != "Permission denied") return 13;
    return DescriptorsOpenOn(rom.path) == 0 ? 0 : 14;
  });
  EXPECT_EQ(outcome, 0);
  EXPECT_EQ(ReadFile(rom.path), rom.original);
}

TEST(FileFailure, AFullDeviceFailsTheSave) {
  EXPECT_EQ(FailureReason([] { WriteWeaponRecord("/dev/full", 0, Sample); }),
            "No space left on device");
  EXPECT_EQ(DescriptorsOpenOn("/dev/full"), 0);
}

TEST(FileFailure, AWriteThatCannotGrowTheFileFailsAndChangesNothing) {
  ScratchRom rom(4096);
  const int outcome = testing::ExitCodeInChild([&] {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 10;
    if (FailureReason([&] { WriteWeaponRecord(rom.path, 0, Sample); }) != "File too large") return 11;
    return DescriptorsOpenOn(rom.path) == 0 ? 0 : 12;
  });
  EXPECT_EQ(outcome, 0);
  EXPECT_EQ(ReadFile(rom.path), rom.original);
}

TEST(FileFailure, AnImageDeletedAfterOpeningIsNotRecreatedByReadOrSave) {
  ScratchRom rom;
  CheckFileOpens(rom.path);
  std::filesystem::remove(rom.path);
  EXPECT_EQ(FailureReason([&] { ReadWeaponRecord(rom.path, 0); }), "No such file or directory");
  EXPECT_EQ(FailureReason([&] { WriteWeaponRecord(rom.path, 0, Sample); }), "No such file or directory");
  EXPECT_FALSE(std::filesystem::exists(rom.path));
}

TEST(FileFailure, AnOverlongNameFails) {
  ScratchFolder folder;
  const std::string name = folder.file(std::string(300, 'r') + ".sfc");
  EXPECT_EQ(FailureReason([&] { CheckFileOpens(name); }), "File name too long");
}

TEST(FileFailure, TheMessageNamesTheWeaponTheFileAndTheReason) {
  try {
    WriteWeaponRecord("/dev/full", 29, Sample);
    FAIL() << "the write succeeded";
  } catch (const RomFileError& failure) {
    EXPECT_STREQ(failure.what(),
                 "Could not save weapon 29 (Atma Weapon) to \"/dev/full\": No space left on device");
  }
}

}  // namespace
}  // namespace quorvane
