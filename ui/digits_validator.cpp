#include "ui/digits_validator.h"

#include <algorithm>

#include "editor/value_entry.h"

namespace quorvane {

namespace {

// Judged by the text's own UTF-16 units, not through UTF-8: insert() cuts
// what it is given to the room left, which may leave half of a character
// that takes two units, and Qt 6.4 writes such a half as '?' in UTF-8 where
// Qt 6.11 leaves it out, so that "6", half an emoji and "0" read as "60".
bool OnlyAsciiDigits(const QString& text) {
  return std::all_of(text.cbegin(), text.cend(),
                     [](QChar unit) { return unit >= u'0' && unit <= u'9'; });
}

}  // namespace

DigitsValidator::DigitsValidator(const QString& shown, int maxLength, QObject* parent)
    : QValidator(parent), shown_(shown), maxLength_(maxLength) {}

QValidator::State DigitsValidator::validate(QString& input, int& cursor) const {
  if (input.size() <= maxLength_ && OnlyAsciiDigits(input)) return Acceptable;
  const auto edit =
      DigitEditOf(shown_.toStdString(), input.left(cursor).toStdString(),
                  input.mid(cursor).toStdString(), static_cast<std::size_t>(maxLength_));
  if (!edit) return Invalid;
  input = QString::fromStdString(edit->text);
  cursor = static_cast<int>(edit->cursor);
  return Acceptable;
}

}  // namespace quorvane
