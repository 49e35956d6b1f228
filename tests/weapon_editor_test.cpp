#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <tuple>
#include <vector>

#include "editor/save_refused.h"
#include "rom/rom_errc.h"
#include "tests/fake_view.h"
#include "tests/temp_rom.h"

namespace quorvane {
namespace {

using testing::Bytes;
using testing::HandlesOpenOn;
using testing::ReadFile;
using testing::RecordIn;
using testing::WithRecord;

constexpr WeaponRecord Sample{0x12, 0x34, 0x56, 0x78, 0x9A, 0x85, 0xBC, 0x00};

class Editor : public ::testing::Test {
 protected:
  void open(const std::string& name) {
    rig.chooser.willAnswer(name);
    rig.view.clickOpen();
  }
  void openRomWithSampleAt(WeaponIndex index) {
    testing::WriteFile(rom.path, WithRecord(rom.original, index, Sample));
    rom.original = ReadFile(rom.path);
    open(rom.path);
  }
  std::vector<std::string> valueTexts() const {
    std::vector<std::string> texts;
    for (ValueField k = 0; k < ValueFieldCount; ++k) texts.push_back(rig.view.valueText(k));
    return texts;
  }
  std::vector<std::string> hexTexts() const {
    std::vector<std::string> texts;
    for (ValueField k = 0; k < ValueFieldCount; ++k) texts.push_back(rig.view.hexText(k));
    return texts;
  }
  std::vector<int> flagStates() const {
    std::vector<int> states;
    for (FlagBit b = 0; b < FlagBitCount; ++b) states.push_back(rig.view.flagState(b));
    return states;
  }
  void expectFileUnchangedAndClosed() const {
    EXPECT_EQ(ReadFile(rom.path), rom.original);
    EXPECT_EQ(HandlesOpenOn(rom.path), 0);
  }

  testing::ScratchRom rom;
  testing::EditorRig rig;
};

using Texts = std::vector<std::string>;

TEST_F(Editor, OpenShowsWeaponZeroAsValueTextsHexMirrorsAndFlags) {
  openRomWithSampleAt(0);
  EXPECT_EQ(rig.view.selectedWeapon(), 0);
  EXPECT_EQ(valueTexts(), (Texts{"18", "52", "86", "120", "154", "188", "0"}));
  EXPECT_EQ(hexTexts(), (Texts{"12", "34", "56", "78", "9A", "BC", "00"}));
  EXPECT_EQ(flagStates(), (std::vector<int>{1, 0, 1, 0, 0, 0, 0, 1}));
  EXPECT_TRUE(rig.view.reportedFailures().empty());
}

TEST_F(Editor, AllZeroRecordShowsZerosAndClearFlags) {
  openRomWithSampleAt(5);
  rig.view.setFlagState(4, 1);
  testing::WriteFile(rom.path, WithRecord(rom.original, 6, WeaponRecord{}));
  rig.view.selectWeapon(6);
  EXPECT_EQ(valueTexts(), Texts(7, "0"));
  EXPECT_EQ(hexTexts(), Texts(7, "00"));
  EXPECT_EQ(flagStates(), std::vector<int>(8, 0));
}

TEST_F(Editor, SavingAnUnchangedViewWritesTheSameBytesInPlace) {
  openRomWithSampleAt(0);
  rig.view.clickSave();
  rig.view.clickSave();
  EXPECT_TRUE(rig.view.reportedFailures().empty());
  expectFileUnchangedAndClosed();
}

TEST_F(Editor, SaveBuildsEveryByteFromTheBoxes) {
  openRomWithSampleAt(0);
  for (FlagBit b = 0; b < FlagBitCount; ++b) rig.view.setFlagState(b, 0);
  rig.view.setFlagState(7, 1);
  rig.view.setFlagState(3, 2);  // grey is not ticked
  rig.view.typeValue(0, "007");
  rig.view.typeValue(5, "999");
  rig.view.clickSave();
  const WeaponRecord expected{7, 0x34, 0x56, 0x78, 0x9A, 0x80, 255, 0};
  EXPECT_EQ(ReadFile(rom.path), WithRecord(rom.original, 0, expected));
}

TEST_F(Editor, SaveWritesTheWeaponSelectedAtThatMoment) {
  open(rom.path);
  rig.view.selectWeapon(77);
  rig.view.typeValue(6, "1");
  rig.view.clickSave();
  WeaponRecord expected = RecordIn(rom.original, 77);
  expected[7] = 1;
  EXPECT_EQ(ReadFile(rom.path), WithRecord(rom.original, 77, expected));
}

TEST_F(Editor, ChoosingAnotherWeaponDropsTheEditAndRereadsTheFile) {
  openRomWithSampleAt(29);
  rig.view.selectWeapon(29);
  rig.view.typeValue(0, "1");
  rig.view.selectWeapon(30);
  testing::WriteFile(rom.path, WithRecord(rom.original, 29, WeaponRecord{9, 9, 9, 9, 9, 0, 9, 9}));
  rig.view.selectWeapon(29);
  EXPECT_EQ(valueTexts(), Texts(7, "9"));
}

TEST_F(Editor, OpenShowsWeaponZeroWhateverWasSelectedBefore) {
  open(rom.path);
  rig.view.selectWeapon(40);
  testing::WriteFile(rom.path, WithRecord(rom.original, 0, Sample));
  open(rom.path);
  EXPECT_EQ(rig.view.selectedWeapon(), 0);
  EXPECT_EQ(rig.view.valueText(0), "18");
}

TEST_F(Editor, BrowsingBeforeAFileIsChosenOnlyMovesTheSelection) {
  rig.view.selectWeapon(12);
  EXPECT_EQ(rig.view.selectedWeapon(), 12);
  EXPECT_EQ(valueTexts(), Texts(7, ""));
  EXPECT_TRUE(rig.view.reportedFailures().empty());
}

TEST_F(Editor, CancelOnTheFirstOpenChangesNothing) {
  rig.view.selectWeapon(3);
  rig.chooser.willAnswer(std::nullopt);
  rig.view.clickOpen();
  EXPECT_EQ(rig.view.selectedWeapon(), 3);
  EXPECT_EQ(valueTexts(), Texts(7, ""));
  EXPECT_TRUE(rig.view.reportedFailures().empty());
}

TEST_F(Editor, CancelOnALaterOpenReloadsWeaponZeroOfTheCurrentFile) {
  open(rom.path);
  rig.view.selectWeapon(8);
  testing::WriteFile(rom.path, WithRecord(rom.original, 0, Sample));
  rig.chooser.willAnswer(std::nullopt);
  rig.view.clickOpen();
  EXPECT_EQ(rig.view.selectedWeapon(), 0);
  EXPECT_EQ(rig.view.valueText(4), "154");
}

TEST_F(Editor, OpeningANewNameCreatesItAndReportsThatItHoldsNoTable) {
  open(rom.path);
  const std::string fresh = rom.folder.file("fresh.sfc");
  open(fresh);
  EXPECT_EQ(std::filesystem::file_size(testing::PathOf(fresh)), 0U);
  ASSERT_EQ(rig.view.reportedFailures().size(), 1U);
  const auto& tooShort = rig.view.reportedFailures()[0].file;
  ASSERT_TRUE(tooShort);
  EXPECT_EQ(tooShort->code(), RomErrc::FileTooShort);
  EXPECT_EQ(tooShort->fileLength(), 0);
  EXPECT_TRUE(tooShort->createdByOpen());
  // The boxes still show the old file's weapon, so nothing may be saved over the new one.
  EXPECT_EQ(rig.view.selectedWeapon(), NoWeapon);
  rig.view.clickSave();
  EXPECT_EQ(std::filesystem::file_size(testing::PathOf(fresh)), 0U);
  EXPECT_EQ(HandlesOpenOn(fresh), 0);
}

// Open tells, once and with weapon 0 shown, of a headered or cut image by its
// length alone; whole images say nothing new, and one too short even for
// weapon 0 gets only its failed load's message.
TEST_F(Editor, OpenWarnsOfAHeaderedOrCutImageByItsLength) {
  using enum ImageWarning::Kind;
  using Told = std::optional<ImageWarning::Kind>;
  const std::vector<std::tuple<std::int64_t, Told, WeaponIndex>> images{
      {3 * 1048576 + 512, CopierHeader, 91},
      {3 * 1048576, {}, 0},
      {4 * 1048576, {}, 0},
      {2'942'480, CutShort, 2},
      {WeaponTableOffset, {}, 0}};
  for (const auto& [length, kind, firstPastEnd] : images) {
    testing::EditorRig fresh;
    const std::string name = rom.folder.file(std::to_string(length));
    testing::WriteFile(name, {});
    std::filesystem::resize_file(testing::PathOf(name), static_cast<std::uintmax_t>(length));
    fresh.chooser.willAnswer(name);
    fresh.view.clickOpen();
    const std::vector<ImageWarning>& told = fresh.view.imageWarnings();
    ASSERT_EQ(told.size(), kind ? 1U : 0U) << length;
    EXPECT_TRUE(!kind || (told[0].kind == *kind && told[0].firstPastEnd == firstPastEnd)) << length;
    EXPECT_EQ(fresh.view.reportedFailures().size(), length == WeaponTableOffset ? 1U : 0U);
  }
}

TEST_F(Editor, CancelAfterTheFileHasGoneReportsItAndCreatesNothing) {
  open(rom.path);
  std::filesystem::rename(testing::PathOf(rom.path), testing::PathOf(rom.path + ".moved"));
  rig.chooser.willAnswer(std::nullopt);
  rig.view.clickOpen();
  EXPECT_FALSE(std::filesystem::exists(testing::PathOf(rom.path)));
  ASSERT_EQ(rig.view.reportedFailures().size(), 1U);
  const auto& gone = rig.view.reportedFailures()[0].file;
  ASSERT_TRUE(gone);
  EXPECT_EQ(gone->code(), std::errc::no_such_file_or_directory);
  EXPECT_EQ(gone->fileName(), rom.path);
  EXPECT_EQ(rig.view.selectedWeapon(), NoWeapon);
}

TEST_F(Editor, AFailedLoadKeepsTheViewAndUnselects) {
  rom.original.resize(0x2CE600 + 8 * 50);
  testing::WriteFile(rom.path, rom.original);
  open(rom.path);
  const Texts shown = valueTexts();
  rig.view.selectWeapon(60);
  EXPECT_EQ(rig.view.reportedFailures().size(), 1U);
  EXPECT_EQ(valueTexts(), shown);
  EXPECT_EQ(rig.view.selectedWeapon(), NoWeapon);
  rig.view.clickSave();
  expectFileUnchangedAndClosed();
}

TEST_F(Editor, AProbeThatFailsIsReportedAndUnselects) {
  open(rom.path);
  open(rom.folder.name());
  ASSERT_EQ(rig.view.reportedFailures().size(), 1U);
  ASSERT_TRUE(rig.view.reportedFailures()[0].file);
  EXPECT_EQ(rig.view.reportedFailures()[0].file->fileKind(), FileKind::Directory);
  EXPECT_EQ(rig.view.selectedWeapon(), NoWeapon);
  expectFileUnchangedAndClosed();
}

TEST_F(Editor, SaveBeforeAnyFileIsChosenIsRefusedAndCreatesNothing) {
  rig.view.selectWeapon(2);
  EXPECT_THROW(rig.editor.SaveWeapon(), SaveRefused);
  rig.view.clickSave();
  ASSERT_EQ(rig.view.reportedFailures().size(), 1U);
  ASSERT_TRUE(rig.view.reportedFailures()[0].refusal);
  EXPECT_EQ(rig.view.reportedFailures()[0].refusal->reason(), Refusal::NoFileOpen);
  const auto entries = std::distance(std::filesystem::directory_iterator(rom.folder.path()),
                                     std::filesystem::directory_iterator());
  EXPECT_EQ(entries, 1);  // the image alone: no file was created under an empty name
  expectFileUnchangedAndClosed();
}

TEST_F(Editor, ASaveThatFailsIsReportedAndLeavesTheFileAsItWas) {
  open(rom.path);
  std::filesystem::remove(testing::PathOf(rom.path));
  std::filesystem::create_directory(testing::PathOf(rom.path));
  rig.view.clickSave();
  ASSERT_EQ(rig.view.reportedFailures().size(), 1U);
  ASSERT_TRUE(rig.view.reportedFailures()[0].file);
  EXPECT_EQ(rig.view.reportedFailures()[0].file->fileKind(), FileKind::Directory);
  EXPECT_EQ(HandlesOpenOn(rom.path), 0);
}

// Any view may hand Save texts the window would never hold; they never reach the file.
TEST_F(Editor, SaveRefusesTextsThatAreNotAByte) {
  testing::FakeView detached;
  testing::FakeChooser chooser;
  chooser.willAnswer(rom.path);
  chooser.showOpen();
  WeaponEditor editor(detached, chooser);
  detached.selectWeapon(4);
  EXPECT_THROW(editor.SaveWeapon(), SaveRefused);  // never loaded: all boxes empty
  for (ValueField k = 0; k < ValueFieldCount; ++k) detached.setValueText(k, "1");
  detached.setValueText(3, "x1");
  EXPECT_THROW(editor.SaveWeapon(), SaveRefused);
  expectFileUnchangedAndClosed();
}

}  // namespace
}  // namespace quorvane
