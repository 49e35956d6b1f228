#pragma once

#include <string>

#include "editor/image_warning.h"
#include "rom/weapon_table.h"

namespace quorvane {

// What the editor needs of the window. Implementations behave as a real window:
// a value box cuts a text to its maximum length as it takes it, setValueText
// runs the box's change rule (when the text changed) before it returns, and
// selectWeapon runs the selection handling before it returns, reporting a
// failure of that handling to the user itself rather than passing it on, and
// showImageWarning returns once the user has seen the warning.
class EditorView {
 public:
  virtual ~EditorView() = default;

  virtual WeaponIndex selectedWeapon() const = 0;
  virtual void selectWeapon(WeaponIndex index) = 0;

  virtual std::string valueText(ValueField field) const = 0;
  virtual void setValueText(ValueField field, const std::string& text) = 0;
  virtual int valueMaxLength(ValueField field) const = 0;
  virtual void selectValueRange(ValueField field, int start, int count) = 0;

  virtual std::string hexText(ValueField field) const = 0;
  virtual void setHexText(ValueField field, const std::string& text) = 0;

  // 0 clear, 1 ticked.
  virtual int flagState(FlagBit bit) const = 0;
  virtual void setFlagState(FlagBit bit, int state) = 0;

  // Tells the user what the length of the image just opened says is wrong
  // with it; the command goes on as before.
  virtual void showImageWarning(const ImageWarning& warning) = 0;
};

inline constexpr int FlagClear = 0;
inline constexpr int FlagTicked = 1;

}  // namespace quorvane
