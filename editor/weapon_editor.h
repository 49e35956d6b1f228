#pragma once

#include "editor/editor_view.h"
#include "editor/file_chooser.h"
#include "rom/weapon_table.h"

namespace quorvane {

// The window-independent editor: the working copy of the shown weapon's record
// and the handlers the window's events run. Failures are thrown to the caller
// (RomFileError, SaveRefused) with the file as it was before the failed step
// and the boxes as they were; a failed probe or load also drops the list's
// selection, so that Save cannot write what the boxes still show over another
// weapon or into another file.
class WeaponEditor {
 public:
  WeaponEditor(EditorView& view, FileChooser& chooser) : view_(view), chooser_(chooser) {}

  void cmdOpen_Click();
  void lstWeapons_Click();
  void cmdSave_Click();
  void txtValue_Change(ValueField field);
  void txtValue_Click(ValueField field);

  void LoadWeapon(WeaponIndex index);
  void SaveWeapon();

 private:
  WeaponRecord recordFromView() const;
  void forgetSelection();
  void showFirstWeapon(Probed probed);
  void warnAboutImage(const ProbedFile& probed);

  EditorView& view_;
  FileChooser& chooser_;
  WeaponRecord CurrentRecord{};
  // Set only while Open shows weapon 0 of a file it has just created, so that
  // the failing load can say why the file is empty.
  bool showingCreatedFile_ = false;
};

}  // namespace quorvane
