#include "ui/focus_frame.h"

#include <QApplication>
#include <QPainter>

namespace quorvane {

namespace {

constexpr int FrameWidth = 2;

}  // namespace

FocusFrame::FocusFrame(QWidget* window) : QWidget(window) {
  setObjectName("focusFrame");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  hide();
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* focused) { follow(focused); });
}

// Shown only while a control of this window has the focus: not while another
// window, a dialog among them, holds the keyboard.
void FocusFrame::follow(QWidget* focused) {
  QWidget* window = parentWidget();
  if (focused == nullptr || focused == window || !window->isAncestorOf(focused)) {
    hide();
    return;
  }
  setGeometry(QRect(focused->mapTo(window, QPoint(0, 0)), focused->size()));
  raise();
  show();
}

void FocusFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect edge = rect();
  painter.fillRect(edge.left(), edge.top(), edge.width(), FrameWidth, Qt::black);
  painter.fillRect(edge.left(), edge.bottom() - FrameWidth + 1, edge.width(), FrameWidth,
                   Qt::black);
  painter.fillRect(edge.left(), edge.top(), FrameWidth, edge.height(), Qt::black);
  painter.fillRect(edge.right() - FrameWidth + 1, edge.top(), FrameWidth, edge.height(), Qt::black);
}

}  // namespace quorvane
