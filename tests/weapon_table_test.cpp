#include "rom/weapon_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "rom/rom_file_error.h"
#include "tests/temp_rom.h"

namespace quorvane {
namespace {

using testing::Bytes;
using testing::ReadFile;
using testing::RecordIn;
using testing::ScratchFolder;
using testing::ScratchRom;
using testing::WithRecord;

constexpr WeaponRecord Sample{0x12, 0x34, 0x56, 0x78, 0x9A, 0x85, 0xBC, 0x00};

TEST(WeaponTableFormat, RecordsLieBackToBackFromTheTableOffset) {
  EXPECT_EQ(RecordPosition(0), 0x2CE600);
  EXPECT_EQ(RecordPosition(29), 0x2CE6E8);
  EXPECT_EQ(RecordPosition(77), 0x2CE868);
  EXPECT_EQ(RecordPosition(90), 0x2CE8D0);
  EXPECT_EQ(WeaponNames[29], "Atma Weapon");
  EXPECT_EQ(WeaponNames[77], "Wing Edge");
  EXPECT_EQ(WeaponNames.back(), "Tiger Fangs");
}

TEST(WeaponTableFormat, IndicesOutsideTheTableHaveNoPosition) {
  for (const WeaponIndex index : {-4097, -1, 91, 4095, 4096, 32767}) {
    EXPECT_FALSE(RecordPosition(static_cast<WeaponIndex>(index)).has_value()) << index;
  }
}

TEST(WeaponTableFormat, ValueFieldsSkipTheFlagByte) {
  EXPECT_EQ(RecordByteOf(4), 4);
  EXPECT_EQ(RecordByteOf(5), 6);
  EXPECT_EQ(RecordByteOf(6), 7);
  EXPECT_EQ(ValueFieldLabels[5], "Weapon Sound Effect");
  EXPECT_EQ(FlagBitLabels[3], "Unknown 1");
  for (const auto name : WeaponNames) EXPECT_LE(name.size(), 12U) << name;
}

TEST(RecordAccess, ReadsTheRecordAtItsPosition) {
  ScratchRom rom;
  EXPECT_EQ(ReadWeaponRecord(rom.path, 0), RecordIn(rom.original, 0));
  EXPECT_EQ(ReadWeaponRecord(rom.path, 90), RecordIn(rom.original, 90));
}

TEST(RecordAccess, EachReadGoesToTheFile) {
  ScratchRom rom;
  ReadWeaponRecord(rom.path, 29);
  testing::WriteFile(rom.path, WithRecord(rom.original, 29, Sample));
  EXPECT_EQ(ReadWeaponRecord(rom.path, 29), Sample);
}

TEST(RecordAccess, WriteChangesOnlyTheRecordAndKeepsTheLength) {
  ScratchRom rom(0x2CE8D8);
  WriteWeaponRecord(rom.path, 90, Sample);
  const Bytes after = ReadFile(rom.path);
  ASSERT_EQ(after.size(), rom.original.size());
  EXPECT_EQ(after, WithRecord(rom.original, 90, Sample));
  EXPECT_EQ(testing::HandlesOpenOn(rom.path), 0);
}

TEST(RecordAccess, WritePastTheEndGrowsTheFileWithZeros) {
  ScratchRom rom(1000);
  WriteWeaponRecord(rom.path, 1, Sample);
  const Bytes after = ReadFile(rom.path);
  ASSERT_EQ(after.size(), 0x2CE610U);
  EXPECT_TRUE(std::equal(rom.original.begin(), rom.original.end(), after.begin()));
  EXPECT_TRUE(
      std::all_of(after.begin() + 1000, after.begin() + 0x2CE608, [](auto b) { return b == 0; }));
  EXPECT_EQ(RecordIn(after, 1), Sample);
}

TEST(RecordAccess, ProbingAMissingNameCreatesAnEmptyFileAndSaysSo) {
  ScratchFolder folder;
  const std::string name = folder.file("new image.sfc");
  EXPECT_THROW(CheckExistingFileOpens(name), RomFileError);
  EXPECT_FALSE(std::filesystem::exists(name));
  EXPECT_EQ(CheckFileOpens(name).origin, Probed::CreatedFile);
  ASSERT_TRUE(std::filesystem::exists(name));
  EXPECT_EQ(std::filesystem::file_size(name), 0U);
  EXPECT_EQ(CheckFileOpens(name).origin, Probed::ExistingFile);
  EXPECT_EQ(testing::HandlesOpenOn(name), 0);
}

TEST(RecordAccess, AnIndexOutsideTheTableFailsBeforeTheFileIsTouched) {
  ScratchFolder folder;
  const std::string name = folder.file("untouched.sfc");
  EXPECT_THROW(ReadWeaponRecord(name, 4096), RomFileError);
  EXPECT_THROW(WriteWeaponRecord(name, 4096, Sample), RomFileError);
  EXPECT_THROW(WriteWeaponRecord(name, -1, Sample), RomFileError);
  EXPECT_FALSE(std::filesystem::exists(name));
}

}  // namespace
}  // namespace quorvane
