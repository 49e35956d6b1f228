#pragma once

#include <QValidator>

namespace quorvane {

// The one digit rule, on every edit of a value box, whatever made it: Qt
// hands a line edit's validator each change before the change shows. An edit
// keeps the digits it offered, as many as fit; one that offered none is
// undone whole, so the box never shows anything but digits, not even for the
// moment a textChanged signal would carry it.
class DigitsValidator : public QValidator {
  Q_OBJECT

 public:
  // `shown` is the text the box showed before the edit, kept by the box.
  DigitsValidator(const QString& shown, int maxLength, QObject* parent);

  State validate(QString& input, int& cursor) const override;

 private:
  const QString& shown_;
  int maxLength_;
};

}  // namespace quorvane
