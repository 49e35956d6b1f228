#include "editor/weapon_editor.h"

#include <string>

#include "editor/save_refused.h"
#include "editor/value_entry.h"
#include "rom/rom_file_error.h"

namespace quorvane {

void WeaponEditor::cmdOpen_Click() {
  const bool confirmed = chooser_.showOpen();
  if (chooser_.fileName().empty()) return;
  ProbedFile probed{};
  try {
    // A cancelled dialog reopens the earlier name; should that file have gone
    // meanwhile, it is reported, not made again under the old name.
    probed = confirmed ? CheckFileOpens(chooser_.fileName())
                       : CheckExistingFileOpens(chooser_.fileName());
  } catch (...) {
    // The chooser keeps the unusable name, so what the boxes show no longer
    // belongs to the current file; unselecting keeps Save from writing it there.
    forgetSelection();
    throw;
  }
  showFirstWeapon(probed.origin);
  warnAboutImage(probed);
}

// Once per Open, and only with weapon 0 shown: a failed load has said its
// own word, and one Open shows one message.
void WeaponEditor::warnAboutImage(const ProbedFile& probed) {
  if (view_.selectedWeapon() != 0) return;
  if (const auto warning = ImageWarningFor(chooser_.fileName(), probed)) {
    view_.showImageWarning(*warning);
  }
}

// The selection handling reports its own failures, so the command always ends
// normally once the file has been proven to open.
void WeaponEditor::showFirstWeapon(Probed probed) {
  showingCreatedFile_ = probed == Probed::CreatedFile;
  try {
    view_.selectWeapon(0);
  } catch (...) {
    showingCreatedFile_ = false;
    throw;
  }
  showingCreatedFile_ = false;
}

void WeaponEditor::lstWeapons_Click() {
  if (chooser_.fileName().empty() || view_.selectedWeapon() == NoWeapon) return;
  try {
    LoadWeapon(view_.selectedWeapon());
  } catch (const RomFileError& failure) {
    // The boxes still show the previous weapon; leaving the new one selected
    // would let Save write those values over it.
    forgetSelection();
    if (showingCreatedFile_) throw failure.ofCreatedFile();
    throw;
  } catch (...) {
    forgetSelection();
    throw;
  }
}

void WeaponEditor::cmdSave_Click() { SaveWeapon(); }

void WeaponEditor::txtValue_Change(ValueField field) { NormalizeValueText(view_, field); }

void WeaponEditor::txtValue_Click(ValueField field) { SelectAllOnClick(view_, field); }

void WeaponEditor::LoadWeapon(WeaponIndex index) {
  CurrentRecord = ReadWeaponRecord(chooser_.fileName(), index);
  for (ValueField field = 0; field < ValueFieldCount; ++field) {
    view_.setValueText(field, std::to_string(CurrentRecord[RecordByteOf(field)]));
  }
  for (FlagBit bit = 0; bit < FlagBitCount; ++bit) {
    const bool set = (CurrentRecord[FlagByte] & FlagMask(bit)) == FlagMask(bit);
    view_.setFlagState(bit, set ? FlagTicked : FlagClear);
  }
}

void WeaponEditor::SaveWeapon() {
  if (chooser_.fileName().empty()) {
    throw SaveRefused(Refusal::NoFileOpen);
  }
  if (view_.selectedWeapon() == NoWeapon) {
    throw SaveRefused(Refusal::NoWeaponSelected);
  }
  const WeaponRecord record = recordFromView();
  WriteWeaponRecord(chooser_.fileName(), view_.selectedWeapon(), record);
  CurrentRecord = record;
}

WeaponRecord WeaponEditor::recordFromView() const {
  WeaponRecord record{};
  for (ValueField field = 0; field < ValueFieldCount; ++field) {
    const std::string text = view_.valueText(field);
    const std::optional<int> value = ByteValueOf(text);
    if (!value) throw SaveRefused(Refusal::NotAByte, field, text);
    record[RecordByteOf(field)] = static_cast<std::uint8_t>(*value);
  }
  for (FlagBit bit = 0; bit < FlagBitCount; ++bit) {
    // Only a ticked box sets its bit; any other state a view reports is clear.
    if (view_.flagState(bit) == FlagTicked) record[FlagByte] |= FlagMask(bit);
  }
  return record;
}

void WeaponEditor::forgetSelection() { view_.selectWeapon(NoWeapon); }

}  // namespace quorvane
