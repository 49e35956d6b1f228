#pragma once

#include <QLineEdit>

namespace quorvane {

// A value box: up to three digits, and a click signal that comes after the
// mouse is released, so that what the click handler selects stays selected.
// Every way text can arrive (keys, paste, middle-click, drag and drop, an
// input method) passes the same rule before the box takes it, so no other
// character is ever inserted, not even for a moment a screen reader would hear.
class ValueBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit ValueBox(QWidget* parent);

 signals:
  void clicked();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  QString takeable(const QString& offered, int replacedLength) const;
  void insertTakeable(const QString& offered);
  void pasteDigits();
};

}  // namespace quorvane
