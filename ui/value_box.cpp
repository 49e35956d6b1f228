#include "ui/value_box.h"

#include <QMouseEvent>
#include <QRegularExpressionValidator>

namespace quorvane {

ValueBox::ValueBox(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(3);
  // Refuses anything but digits as it is typed or pasted.
  setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,3}"), this));
}

void ValueBox::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit clicked();
}

}  // namespace quorvane
