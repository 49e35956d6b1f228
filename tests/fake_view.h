#pragma once

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/editor_view.h"
#include "editor/file_chooser.h"
#include "editor/save_refused.h"
#include "editor/weapon_editor.h"
#include "rom/rom_file_error.h"

namespace quorvane::testing {

// One failure the view reported, as the window would have shown it: a file
// operation's, a refused save, or something unexpected (its what()).
struct ReportedFailure {
  std::optional<RomFileError> file;
  std::optional<SaveRefused> refusal;
  std::string unexpected;
};

// Behaves as the window does: a changed value text runs the change rule nested,
// a selection runs the selection handling, and a failing handler is reported
// (collected here) instead of escaping the event. Until attached to an editor
// it only keeps what it is given.
class FakeView : public EditorView {
 public:
  void attach(WeaponEditor& editor) { editor_ = &editor; }

  WeaponIndex selectedWeapon() const override { return selected_; }
  void selectWeapon(WeaponIndex index) override;
  std::string valueText(ValueField field) const override { return values_.at(field); }
  void setValueText(ValueField field, const std::string& text) override;
  int valueMaxLength(ValueField) const override { return 3; }
  void selectValueRange(ValueField field, int start, int count) override;
  std::string hexText(ValueField field) const override { return hexes_.at(field); }
  void setHexText(ValueField field, const std::string& text) override { hexes_.at(field) = text; }
  int flagState(FlagBit bit) const override { return flags_.at(bit); }
  void setFlagState(FlagBit bit, int state) override { flags_.at(bit) = state; }
  void showImageWarning(const ImageWarning& warning) override { warnings_.push_back(warning); }

  // What a user does in the window.
  void clickOpen() {
    report([&] { editor_->cmdOpen_Click(); });
  }
  void clickSave() {
    report([&] { editor_->cmdSave_Click(); });
  }
  void clickValue(ValueField field) { editor_->txtValue_Click(field); }
  void typeValue(ValueField field, const std::string& text) { setValueText(field, text); }
  // The text that typing over the current selection would leave.
  void typeOverSelection(ValueField field, const std::string& typed);

  const std::vector<ReportedFailure>& reportedFailures() const { return failures_; }
  const std::vector<ImageWarning>& imageWarnings() const { return warnings_; }
  int selectionStart(ValueField field) const { return selections_.at(field).first; }
  int selectionLength(ValueField field) const { return selections_.at(field).second; }
  int changeRuleRuns() const { return changeRuleRuns_; }

 private:
  void report(const std::function<void()>& handler);

  WeaponEditor* editor_ = nullptr;
  WeaponIndex selected_ = NoWeapon;
  std::array<std::string, ValueFieldCount> values_{};
  std::array<std::string, ValueFieldCount> hexes_{};
  std::array<int, FlagBitCount> flags_{};
  std::array<std::pair<int, int>, ValueFieldCount> selections_{};
  std::vector<ReportedFailure> failures_;
  std::vector<ImageWarning> warnings_;
  int changeRuleRuns_ = 0;
};

// The dialog, scripted: each showing takes the next answer; nothing means Cancel.
class FakeChooser : public FileChooser {
 public:
  void willAnswer(std::optional<std::string> answer) { answers_.push_back(std::move(answer)); }
  bool showOpen() override;
  std::string fileName() const override { return fileName_; }

 private:
  std::deque<std::optional<std::string>> answers_;
  std::string fileName_;
};

// A view, a chooser and the editor between them, wired up.
struct EditorRig {
  EditorRig() { view.attach(editor); }
  FakeView view;
  FakeChooser chooser;
  WeaponEditor editor{view, chooser};
};

}  // namespace quorvane::testing
