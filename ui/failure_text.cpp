#include "ui/failure_text.h"

#include <QCoreApplication>
#include <QDir>

#include "rom/rom_errc.h"

namespace quorvane {

namespace {

// The translation context of every message, so that lupdate finds them.
class Failure {
  Q_DECLARE_TR_FUNCTIONS(Failure)
};

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString WeaponDescription(WeaponIndex index) {
  if (index < 0 || index >= WeaponCount) return Failure::tr("weapon %1").arg(index);
  return Failure::tr("weapon %1 (%2)")
      .arg(index)
      .arg(FromView(WeaponNames[static_cast<std::size_t>(index)]));
}

QString ActionText(const RomFileError& failure) {
  const QString weapon = WeaponDescription(failure.weapon());
  switch (failure.operation()) {
    case FileOperation::Open:
      return Failure::tr("Could not open this file:");
    case FileOperation::Create:
      return Failure::tr("No file of this name exists, and Open could not create it:");
    case FileOperation::Read:
      return Failure::tr("Could not read %1 from this file:").arg(weapon);
    case FileOperation::Save:
      return Failure::tr("Could not save %1 to this file:").arg(weapon);
    case FileOperation::ConfirmSave:
      return Failure::tr("Could not confirm saving %1 to this file:").arg(weapon);
  }
  return {};
}

// "2,943,192": lengths in messages are read by people.
QString GroupedDigits(std::int64_t number) {
  QString digits = QString::number(number);
  for (auto at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, ',');
  return digits;
}

QString KindText(FileKind kind) {
  switch (kind) {
    case FileKind::Directory:
      return Failure::tr("Is a directory");
    case FileKind::CharacterDevice:
      return Failure::tr("Is a character device");
    case FileKind::BlockDevice:
      return Failure::tr("Is a block device");
    case FileKind::Fifo:
      return Failure::tr("Is a FIFO (named pipe)");
    default:
      return Failure::tr("Is a special file");
  }
}

QString TableReason(const RomFileError& failure) {
  switch (static_cast<RomErrc>(failure.code().value())) {
    case RomErrc::NotARegularFile:
      return Failure::tr("%1, not a regular file. Nothing was read from it or written to it.")
          .arg(KindText(failure.fileKind()));
    case RomErrc::FileTooShort:
      if (failure.createdByOpen()) {
        return Failure::tr(
                   "No file of this name existed, so Open created it, empty. An empty file cannot "
                   "hold the weapon table; a ROM image with it is at least %1 bytes.")
            .arg(GroupedDigits(WeaponTableEnd));
      }
      return Failure::tr("The file is %1; a ROM image with the weapon table is at least %2 bytes.")
          .arg(failure.fileLength() == 0
                   ? Failure::tr("0 bytes long (empty)")
                   : Failure::tr("%1 bytes long").arg(GroupedDigits(failure.fileLength())))
          .arg(GroupedDigits(WeaponTableEnd));
    case RomErrc::NoSuchWeapon:
      return Failure::tr("There is no weapon %1 in the table (0 to %2).")
          .arg(failure.weapon())
          .arg(WeaponCount - 1);
  }
  return {};
}

QString Reason(const RomFileError& failure) {
  if (failure.code().category() == make_error_code(RomErrc::FileTooShort).category())
    return TableReason(failure);
  const QString system = QString::fromStdString(OsReason(failure.code()));
  const QString ofTheRecord = Failure::tr("of the %1 bytes").arg(WeaponRecordSize);
  switch (failure.fileState()) {
    case FileState::MayHoldNewRecord:
      return Failure::tr(
                 "%1. The new values were written, but the system could not confirm that they "
                 "reached the disk, so the file may hold the old or the new record.")
          .arg(system);
    case FileState::PartlyChanged:
      return Failure::tr(
                 "%1. Only %2 %3 were written; the record in the file is now partly changed.")
          .arg(system)
          .arg(failure.bytesChanged())
          .arg(ofTheRecord);
    case FileState::Unchanged:
      if (failure.bytesWritten() == 0) return system.endsWith('.') ? system : system + '.';
      return Failure::tr(
                 "%1. %2 %3 had been written past the end of the file; they were cut off again, "
                 "so the file is unchanged.")
          .arg(system)
          .arg(failure.bytesWritten())
          .arg(ofTheRecord);
  }
  return system;
}

}  // namespace

QString FailureText(const RomFileError& failure) {
  return ActionText(failure) + '\n' +
         QDir::toNativeSeparators(QString::fromStdString(failure.fileName())) + "\n\n" +
         Failure::tr("Reason: %1").arg(Reason(failure));
}

QString FailureText(const SaveRefused& refusal) {
  switch (refusal.reason()) {
    case Refusal::NoFileOpen:
      return Failure::tr("No ROM image is open. Click Open to choose one before saving.");
    case Refusal::NoWeaponSelected:
      return Failure::tr("No weapon is selected. Choose the weapon to save from the list.");
    case Refusal::NotAByte:
      return Failure::tr(
                 "\"%1\" must hold a number from 0 to 255, but it holds \"%2\". Nothing was saved.")
          .arg(FromView(ValueFieldLabels[static_cast<std::size_t>(refusal.field())]),
               QString::fromStdString(refusal.text()));
  }
  return {};
}

namespace {

QString WarningAbout(const QString& what, const ImageWarning& warning, const QString& details) {
  return what + '\n' + QDir::toNativeSeparators(QString::fromStdString(warning.fileName)) + "\n\n" +
         details;
}

QString LengthWarningDetails(const ImageWarning& warning) {
  const QString length = GroupedDigits(warning.length);
  if (warning.kind == ImageWarning::Kind::CutShort) {
    return Failure::tr(
               "It is %1 bytes long, and the table ends at %2 bytes. Every weapon from %3 "
               "on lies past the end of the file: it cannot be loaded or saved.")
        .arg(length, GroupedDigits(WeaponTableEnd), WeaponDescription(warning.firstPastEnd));
  }
  return Failure::tr(
             "It is %1 bytes long, 512 bytes over a whole number of kibibytes, as an "
             "image with such a header is. Quorvane reads and writes the weapon table at "
             "0x%2 of the file as it stands, so in such an image the values shown are not "
             "the weapons', and Save would change other data. To edit this image, use a "
             "copy of it without its first 512 bytes.")
      .arg(length, QString::number(WeaponTableOffset, 16).toUpper());
}

}  // namespace

QString WarningText(const ImageWarning& warning) {
  const QString refusal = QString::fromStdString(OsReason(warning.writeRefused));
  if (warning.kind == ImageWarning::Kind::ReadOnly) {
    return WarningAbout(
        Failure::tr("This file can be read, but not written:"), warning,
        Failure::tr("Reason: %1. Its weapons are shown, but Save cannot write to it.").arg(refusal));
  }
  QString details = LengthWarningDetails(warning);
  if (warning.writeRefused) {
    details += "\n\n" +
               Failure::tr("It can be read, but not written (%1), so Save cannot write to it.")
                   .arg(refusal);
  }
  const QString what = warning.kind == ImageWarning::Kind::CutShort
                           ? Failure::tr("This file is too short to hold the whole weapon table:")
                           : Failure::tr("This file seems to start with a 512-byte copier header:");
  return WarningAbout(what, warning, details);
}

QString FailureText(const std::exception& unexpected) {
  return Failure::tr("Something unexpected went wrong, and the command was not finished: %1")
      .arg(QString::fromUtf8(unexpected.what()));
}

}  // namespace quorvane
