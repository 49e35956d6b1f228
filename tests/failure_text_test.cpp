// Every sentence a failure can show, word for word, from the facts alone.
#include "ui/failure_text.h"

#include <gtest/gtest.h>

#include <QDir>

#include "rom/rom_errc.h"

namespace quorvane {
namespace {

const std::string Name = "/roms/game.sfc";

RomFileFacts Facts(FileOperation operation, WeaponIndex weapon, std::error_code code) {
  RomFileFacts facts;
  facts.operation = operation;
  facts.weapon = weapon;
  facts.fileName = Name;
  facts.code = code;
  return facts;
}

std::string System(std::errc error) { return OsReason(std::make_error_code(error)); }

std::string Shown(const RomFileFacts& facts) {
  return FailureText(RomFileError(facts)).toStdString();
}

std::string About(const std::string& action) {
  return action + " this file:\n" +
         QDir::toNativeSeparators(QString::fromStdString(Name)).toStdString() + "\n\nReason: ";
}

TEST(FailureText, TellsWhatFailedTheFileAndTheReason) {
  RomFileFacts folder = Facts(FileOperation::Open, NoWeapon, RomErrc::NotARegularFile);
  folder.kind = FileKind::Directory;
  EXPECT_EQ(Shown(folder), About("Could not open") +
                               "Is a directory, not a regular file. Nothing was read from it or "
                               "written to it.");
  RomFileFacts device = Facts(FileOperation::Read, 0, RomErrc::NotARegularFile);
  device.kind = FileKind::CharacterDevice;
  EXPECT_EQ(Shown(device), About("Could not read weapon 0 (Fists) from") +
                               "Is a character device, not a regular file. Nothing was read from "
                               "it or written to it.");

  RomFileFacts shorter = Facts(FileOperation::Read, 0, RomErrc::FileTooShort);
  shorter.fileLength = 0x2CE604;
  EXPECT_EQ(Shown(shorter), About("Could not read weapon 0 (Fists) from") +
                                "The file is 2,942,468 bytes long; a ROM image with the weapon "
                                "table is at least 2,943,192 bytes.");
  shorter.fileLength = 0;
  EXPECT_EQ(Shown(shorter), About("Could not read weapon 0 (Fists) from") +
                                "The file is 0 bytes long (empty); a ROM image with the weapon "
                                "table is at least 2,943,192 bytes.");
  shorter.createdByOpen = true;
  EXPECT_EQ(Shown(shorter), About("Could not read weapon 0 (Fists) from") +
                                "No file of this name existed, so Open created it, empty. An "
                                "empty file cannot hold the weapon table; a ROM image with it is "
                                "at least 2,943,192 bytes.");
  EXPECT_EQ(Shown(Facts(FileOperation::Save, 91, RomErrc::NoSuchWeapon)),
            About("Could not save weapon 91 to") + "There is no weapon 91 in the table (0 to 90).");

  const std::string name = QDir::toNativeSeparators(QString::fromStdString(Name)).toStdString();
  EXPECT_EQ(
      Shown(Facts(FileOperation::Create, NoWeapon, std::make_error_code(std::errc::permission_denied))),
      "No file of this name exists, and Open could not create it:\n" + name + "\n\nReason: " +
          System(std::errc::permission_denied) + ".");
  EXPECT_EQ(
      Shown(Facts(FileOperation::Save, 29, std::make_error_code(std::errc::permission_denied))),
      About("Could not save weapon 29 (Atma Weapon) to") + System(std::errc::permission_denied) +
          ".");
}

// An image that can only be read is told so alone, or after what its length
// says.
TEST(FailureText, TellsOfAnImageThatCanOnlyBeRead) {
  const std::string name = QDir::toNativeSeparators(QString::fromStdString(Name)).toStdString();
  ImageWarning readOnly{ImageWarning::Kind::ReadOnly, Name, 3 * 1048576, 91,
                        std::make_error_code(std::errc::read_only_file_system)};
  EXPECT_EQ(WarningText(readOnly).toStdString(),
            "This file can be read, but not written:\n" + name + "\n\nReason: " +
                System(std::errc::read_only_file_system) +
                ". Its weapons are shown, but Save cannot write to it.");
  ImageWarning cut{ImageWarning::Kind::CutShort, Name, 0x2CE600 + 16, 2,
                   std::make_error_code(std::errc::permission_denied)};
  EXPECT_TRUE(WarningText(cut).endsWith(
      "cannot be loaded or saved.\n\nIt can be read, but not written (" +
      QString::fromStdString(System(std::errc::permission_denied)) +
      "), so Save cannot write to it."));
}

TEST(FailureText, SaysExactlyWhatAFailedSaveLeftInTheFile) {
  RomFileFacts partly = Facts(FileOperation::Save, 29, std::make_error_code(std::errc::io_error));
  partly.state = FileState::PartlyChanged;
  partly.bytesWritten = partly.bytesChanged = 4;
  EXPECT_EQ(Shown(partly),
            About("Could not save weapon 29 (Atma Weapon) to") + System(std::errc::io_error) +
                ". Only 4 of the 8 bytes were written; the record in the file is now "
                "partly changed.");
  RomFileFacts cutOff =
      Facts(FileOperation::Save, 29, std::make_error_code(std::errc::file_too_large));
  cutOff.bytesWritten = 4;
  EXPECT_EQ(Shown(cutOff), About("Could not save weapon 29 (Atma Weapon) to") +
                               System(std::errc::file_too_large) +
                               ". 4 of the 8 bytes had been written past the end of the file; they "
                               "were cut off again, so the file is unchanged.");
  RomFileFacts unconfirmed =
      Facts(FileOperation::ConfirmSave, 90, std::make_error_code(std::errc::io_error));
  unconfirmed.state = FileState::MayHoldNewRecord;
  EXPECT_EQ(Shown(unconfirmed), About("Could not confirm saving weapon 90 (Tiger Fangs) to") +
                                    System(std::errc::io_error) +
                                    ". The new values were written, but the system could not "
                                    "confirm that they reached the disk, so the file may hold the "
                                    "old or the new record.");
}

TEST(FailureText, SaysWhySaveWroteNothing) {
  EXPECT_EQ(FailureText(SaveRefused(Refusal::NoFileOpen)).toStdString(),
            "No ROM image is open. Click Open to choose one before saving.");
  EXPECT_EQ(FailureText(SaveRefused(Refusal::NoWeaponSelected)).toStdString(),
            "No weapon is selected. Choose the weapon to save from the list.");
  EXPECT_EQ(FailureText(SaveRefused(Refusal::NotAByte, 5, "x")).toStdString(),
            "\"Weapon Sound Effect\" must hold a number from 0 to 255, but it holds \"x\". Nothing "
            "was saved.");
}

}  // namespace
}  // namespace quorvane
