#include "ui/digits_validator.h"

#include "editor/value_entry.h"

namespace quorvane {

DigitsValidator::DigitsValidator(const QString& shown, int maxLength, QObject* parent)
    : QValidator(parent), shown_(shown), maxLength_(maxLength) {}

QValidator::State DigitsValidator::validate(QString& input, int& cursor) const {
  const std::string text = input.toStdString();
  if (input.size() <= maxLength_ && DigitsOf(text) == text) return Acceptable;
  const auto edit =
      DigitEditOf(shown_.toStdString(), input.left(cursor).toStdString(),
                  input.mid(cursor).toStdString(), static_cast<std::size_t>(maxLength_));
  if (!edit) return Invalid;
  input = QString::fromStdString(edit->text);
  cursor = static_cast<int>(edit->cursor);
  return Acceptable;
}

}  // namespace quorvane
