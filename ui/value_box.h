#pragma once

#include <QLineEdit>

namespace quorvane {

// A value box: up to three digits, and a click signal that comes after the
// mouse is released, so that what the click handler selects stays selected.
// Every edit passes the one digit rule (DigitsValidator): only ASCII digits go
// in, as many as fit, and a text without a digit changes nothing at all, not
// even the selection. The ways a person brings text (keys of any kind, AltGr
// among them, paste from the keys, the menu or a middle click, drag and drop,
// an input method) hand the box only their digits in the first place, so
// that a screen reader never hears a character the box will not keep.
class ValueBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit ValueBox(QWidget* parent);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  QString takeable(const QString& offered, int replacedLength) const;
  void insertTakeable(const QString& offered);
  void pasteDigits();
  void replaceWithDigits(int start, int length, const QString& offered);

  QString shown_;
};

}  // namespace quorvane
