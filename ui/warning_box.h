#pragma once

#include <QMessageBox>

namespace quorvane {

// The window's warning: Qt's own message box, which screen readers announce
// as an alert and whose text they read, with the text selectable by mouse.
// The text may break anywhere a long run of characters needs it, such as a
// folder name hundreds of characters long, so that every character shows in
// a box no wider than half the screen (Qt's limit for a message box).
class WarningBox : public QMessageBox {
  Q_OBJECT

 public:
  WarningBox(const QString& title, const QString& text, QWidget* parent);

 protected:
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace quorvane
