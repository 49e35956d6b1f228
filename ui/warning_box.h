#pragma once

#include <QMessageBox>

namespace quorvane {

// A warning that shows its whole text: a line breaks wherever it must, not
// only where Qt's label allows (between words, and in a path at its
// separators), so a folder name hundreds of characters long shows every
// character, in a box no wider than half the screen. text() and the copy
// that Ctrl+C makes are the text itself.
class WarningBox : public QMessageBox {
  Q_OBJECT

 public:
  WarningBox(const QString& title, const QString& text, QWidget* parent);
};

}  // namespace quorvane
