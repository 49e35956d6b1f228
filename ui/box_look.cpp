#include "ui/box_look.h"

#include <QLineEdit>
#include <QPainter>

namespace quorvane {

void GiveBoxLook(QLineEdit& box, const QColor& background) {
  box.setFrame(false);
  // The border's pixel; the line edit keeps its own margin inside it.
  box.setTextMargins(1, 1, 1, 1);
  QPalette palette = box.palette();
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Text, Qt::black);
  box.setPalette(palette);
  box.setAutoFillBackground(true);
}

void PaintBoxBorder(QLineEdit& box) {
  QPainter painter(&box);
  painter.setPen(QColor(0x80, 0x80, 0x80));
  painter.drawRect(box.rect().adjusted(0, 0, -1, -1));
}

}  // namespace quorvane
