#include "tests/fake_view.h"

#include <algorithm>
#include <exception>

namespace quorvane::testing {

void FakeView::report(const std::function<void()>& handler) {
  // The same types the window catches, in the same order.
  try {
    handler();
  } catch (const RomFileError& failure) {
    failures_.push_back({failure, std::nullopt, {}});
  } catch (const SaveRefused& refusal) {
    failures_.push_back({std::nullopt, refusal, {}});
  } catch (const std::exception& unexpected) {
    failures_.push_back({std::nullopt, std::nullopt, unexpected.what()});
  }
}

void FakeView::selectWeapon(WeaponIndex index) {
  selected_ = index;
  if (editor_ != nullptr) report([&] { editor_->lstWeapons_Click(); });
}

void FakeView::setValueText(ValueField field, const std::string& text) {
  const std::string taken = text.substr(0, static_cast<std::size_t>(valueMaxLength(field)));
  if (taken == values_.at(field)) return;
  values_.at(field) = taken;
  if (editor_ == nullptr) return;
  ++changeRuleRuns_;
  editor_->txtValue_Change(field);
}

void FakeView::selectValueRange(ValueField field, int start, int count) {
  const int length = static_cast<int>(values_.at(field).size());
  start = std::min(start, length);
  selections_.at(field) = {start, std::min(count, length - start)};
}

void FakeView::typeOverSelection(ValueField field, const std::string& typed) {
  const auto [start, length] = selections_.at(field);
  std::string text = values_.at(field);
  text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(length), typed);
  selections_.at(field) = {};
  setValueText(field, text);
}

bool FakeChooser::showOpen() {
  if (answers_.empty()) return false;
  const std::optional<std::string> answer = answers_.front();
  answers_.pop_front();
  if (answer) fileName_ = *answer;
  return answer.has_value();
}

}  // namespace quorvane::testing
