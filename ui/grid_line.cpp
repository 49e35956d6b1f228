#include "ui/grid_line.h"

#include <QAccessibleWidget>

namespace quorvane {

namespace {

QAccessibleInterface* SeparatorFor(const QString& className, QObject* object) {
  if (className != GridLine::staticMetaObject.className()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Separator);
}

}  // namespace

GridLine::GridLine(QWidget* parent, const char* name) : QWidget(parent) {
  static const bool told = [] {
    QAccessible::installFactory(SeparatorFor);
    return true;
  }();
  Q_UNUSED(told);
  setObjectName(name);
  QPalette ink = palette();
  ink.setColor(QPalette::Window, ink.color(QPalette::WindowText));
  setPalette(ink);
  setAutoFillBackground(true);
}

}  // namespace quorvane
