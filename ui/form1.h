#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "editor/editor_view.h"
#include "editor/weapon_editor.h"
#include "ui/open_file_chooser.h"

class QGroupBox;
class QLineEdit;
class QListWidget;

namespace quorvane {

class FlagCheckBox;
class PictureButton;
class ScrollingView;
class ValueBox;

// The editor's one window: the button bar, the weapon list, the value grid and
// the flag boxes, at fixed positions in a client area of fixed size. It shows
// the editor's failures in message boxes and carries on.
//
// On a screen too small for the client area at the desktop's scale, the
// window opens inside the screen's free area and the client area scrolls,
// the focused control always in view. The window may be made smaller, down
// to a few scroll bars' room, and no larger than the client area with room
// for its scroll bars: the layout never moves or stretches, so more room
// would only show empty space.
class Form1 : public QWidget, public EditorView {
  Q_OBJECT

 public:
  Form1();

  WeaponIndex selectedWeapon() const override;
  void selectWeapon(WeaponIndex index) override;
  std::string valueText(ValueField field) const override;
  void setValueText(ValueField field, const std::string& text) override;
  int valueMaxLength(ValueField field) const override;
  void selectValueRange(ValueField field, int start, int count) override;
  std::string hexText(ValueField field) const override;
  void setHexText(ValueField field, const std::string& text) override;
  int flagState(FlagBit bit) const override;
  void setFlagState(FlagBit bit, int state) override;
  void showImageWarning(const ImageWarning& warning) override;

  OpenFileChooser& cdlSNES() { return cdlSNES_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void buildClientArea();
  void buildButtonBar();
  void buildWeaponList();
  void buildValueGrid();
  void buildValueRow(ValueField row);
  void buildGridHeadingsAndLines();
  void buildFlagBoxes();
  void placeControls();
  void setFocusOrder();
  void bindEvents();
  void runReportingFailure(const std::function<void()>& handler);
  void showWarning(const QString& message);
  void onListSelectionChanged();
  void showRow(WeaponIndex index);
  void fitToScreen();

  QWidget* clientArea_ = nullptr;
  ScrollingView* view_ = nullptr;
  QGroupBox* Frame3 = nullptr;
  QGroupBox* Frame1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  PictureButton* cmdOpen = nullptr;
  PictureButton* cmdSave = nullptr;
  QListWidget* lstWeapons = nullptr;
  std::array<ValueBox*, ValueFieldCount> txtValue{};
  std::array<QLineEdit*, ValueFieldCount> txtHex{};
  std::array<QLineEdit*, ValueFieldCount> descriptions{};
  std::array<FlagCheckBox*, FlagBitCount> chkBits{};

  bool listHandlingSelection_ = false;
  bool selectionToDrop_ = false;

  OpenFileChooser cdlSNES_;
  WeaponEditor editor_;
};

}  // namespace quorvane
