#pragma once

#include <QLineEdit>

namespace quorvane {

// A value box: up to three digits, and a click signal that comes after the
// mouse is released, so that what the click handler selects stays selected.
class ValueBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit ValueBox(QWidget* parent);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quorvane
