#pragma once

#include "editor/editor_view.h"
#include "editor/file_chooser.h"
#include "rom/weapon_table.h"

namespace quorvane {

// The window-independent editor: the working copy of the shown weapon's record
// and the handlers the window's events run. Failures are thrown to the caller
// (RomFileError, SaveRefused) with the view and the file as they were before
// the failed step.
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

  EditorView& view_;
  FileChooser& chooser_;
  WeaponRecord CurrentRecord{};
};

}  // namespace quorvane
