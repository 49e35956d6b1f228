#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;

namespace quorvane {

class MessageText;

// The window's warning: an icon, the message and an OK button, in a box no
// wider than Qt lets its own message box be (half the screen, and 500 pixels
// at most), so that even a name hundreds of characters long shows whole.
// Screen readers hear it as an alert, and its message exactly as written.
class WarningBox : public QDialog {
  Q_OBJECT

 public:
  WarningBox(const QString& title, const QString& text, QWidget* parent);

  const QString& text() const;

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void fitToStyleAndScreen();

  QLabel* icon_ = nullptr;
  MessageText* message_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace quorvane
