#include "ui/focus_frame.h"

#include <QApplication>
#include <QPainter>

namespace quorvane {

namespace {

constexpr int FrameWidth = 2;

}  // namespace

FocusFrame::FocusFrame(QWidget* window) : QFocusFrame(window) {
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

// The frame is the widget's edge, FrameWidth pixels deep.
void FocusFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect inside = rect().adjusted(FrameWidth, FrameWidth, -FrameWidth, -FrameWidth);
  painter.setClipRegion(QRegion(rect()).subtracted(inside));
  painter.fillRect(rect(), Qt::black);
}

}  // namespace quorvane
