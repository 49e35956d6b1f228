// Failures of the file layer that behave alike on every platform.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "rom/rom_errc.h"
#include "rom/rom_file_error.h"
#include "rom/weapon_table.h"
#include "tests/file_outcome.h"
#include "tests/temp_rom.h"

namespace quorvane {
namespace {

using testing::FailureOf;
using testing::HandlesOpenOn;
using testing::ReadFile;
using testing::ScratchFolder;
using testing::ScratchRom;

constexpr WeaponRecord Sample{1, 2, 3, 4, 5, 6, 7, 8};

TEST(FileFailure, AFolderIsRefusedAsNotARegularFile) {
  ScratchFolder folder;
  const std::string name = folder.name();
  for (const auto& operation : std::vector<std::function<void()>>{
           [&] { CheckFileOpens(name); }, [&] { ReadWeaponRecord(name, 0); },
           [&] { WriteWeaponRecord(name, 0, Sample); }}) {
    const auto failure = FailureOf(operation);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->code(), RomErrc::NotARegularFile);
    EXPECT_EQ(failure->fileKind(), FileKind::Directory);
  }
  EXPECT_EQ(HandlesOpenOn(name), 0);
}

TEST(FileFailure, ANameInAMissingFolderFailsAndCreatesNothing) {
  ScratchFolder folder;
  const std::string name = folder.file("missing/game.sfc");
  for (const auto& operation : std::vector<std::function<void()>>{
           [&] { CheckFileOpens(name); }, [&] { WriteWeaponRecord(name, 0, Sample); }}) {
    const auto failure = FailureOf(operation);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->code(), std::errc::no_such_file_or_directory);
  }
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));
}

TEST(FileFailure, AFileTooShortSaysHowLongItIsAndHowLongItMustBe) {
  ScratchRom rom(0x2CE604);
  const auto failure = FailureOf([&] { ReadWeaponRecord(rom.path, 0); });
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->code(), RomErrc::FileTooShort);
  EXPECT_EQ(failure->fileLength(), 0x2CE604);
  EXPECT_EQ(ReadFile(rom.path), rom.original);
  EXPECT_EQ(HandlesOpenOn(rom.path), 0);

  const std::string empty = rom.folder.file("new.sfc");
  CheckFileOpens(empty);
  const auto emptyFailure = FailureOf([&] { ReadWeaponRecord(empty, 90); });
  ASSERT_TRUE(emptyFailure);
  EXPECT_EQ(emptyFailure->code(), RomErrc::FileTooShort);
  EXPECT_EQ(emptyFailure->fileLength(), 0);
}

TEST(FileFailure, AnImageDeletedAfterOpeningIsNotRecreatedByReadOrSave) {
  ScratchRom rom;
  CheckFileOpens(rom.path);
  std::filesystem::remove(testing::PathOf(rom.path));
  EXPECT_EQ(FailureOf([&] { ReadWeaponRecord(rom.path, 0); })->code(),
            std::errc::no_such_file_or_directory);
  EXPECT_EQ(FailureOf([&] { WriteWeaponRecord(rom.path, 0, Sample); })->code(),
            std::errc::no_such_file_or_directory);
  EXPECT_FALSE(std::filesystem::exists(testing::PathOf(rom.path)));
}

TEST(FileFailure, AnOverlongNameFailsAndCreatesNothing) {
  ScratchFolder folder;
  const std::string name = folder.file(std::string(300, 'r') + ".sfc");
  const auto failure = FailureOf([&] { CheckFileOpens(name); });
  ASSERT_TRUE(failure);
  EXPECT_TRUE(failure->code());
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST(FileFailure, TheMessageNamesTheWeaponTheFileAndTheReason) {
  ScratchFolder folder;
  const auto failure = FailureOf([&] { WriteWeaponRecord(folder.name(), 29, Sample); });
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->operation(), FileOperation::Save);
  EXPECT_EQ(failure->weapon(), 29);
  EXPECT_EQ(failure->fileName(), folder.name());
  EXPECT_EQ(failure->fileState(), FileState::Unchanged);
}

TEST(FileAccess, NamesOutsideAsciiWorkForEveryOperation) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder.path() / testing::PathOf("ROMs ü ロム"));
  const std::string name = folder.file("ROMs ü ロム/ゲーム.sfc");
  CheckFileOpens(name);
  WriteWeaponRecord(name, 3, Sample);
  EXPECT_EQ(ReadWeaponRecord(name, 3), Sample);
  EXPECT_EQ(std::filesystem::file_size(testing::PathOf(name)), 0x2CE620U);
  EXPECT_EQ(HandlesOpenOn(name), 0);
}

}  // namespace
}  // namespace quorvane
