#include "ui/scrolling_view.h"

#include <QApplication>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>

namespace quorvane {

namespace {

// An arrow or a notch of the wheel moves about one row of the value grid.
constexpr int StepPixels = 24;

int Extent(const QWidget* widget) {
  return widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, widget);
}

// Moves the bar as little as it takes to show the run from start, length
// long, in room pixels; where the run is longer than the room, its start.
void Reveal(QScrollBar* bar, int start, int length, int room) {
  if (start + length > bar->value() + room) bar->setValue(start + length - room);
  if (start < bar->value()) bar->setValue(start);
}

}  // namespace

ScrollingView::ScrollingView(QWidget* content, QWidget* parent)
    : QWidget(parent), content_(content) {
  content_->setParent(this);
  horizontal_ = scrollBar(Qt::Horizontal, tr("Scroll left and right"));
  vertical_ = scrollBar(Qt::Vertical, tr("Scroll up and down"));
  connect(qApp, &QApplication::focusChanged, this,
          [this](QWidget*, QWidget* focused) { bringIntoView(focused); });
}

QScrollBar* ScrollingView::scrollBar(Qt::Orientation orientation, const QString& name) {
  auto* bar = new QScrollBar(orientation, this);
  bar->setAccessibleName(name);
  // Tab moves between the controls; the bars follow the focus.
  bar->setFocusPolicy(Qt::NoFocus);
  bar->setSingleStep(StepPixels);
  bar->hide();
  connect(bar, &QScrollBar::valueChanged, this, &ScrollingView::placeContent);
  return bar;
}

QSize ScrollingView::sizeWithin(const QSize& room) const {
  const QSize whole = content_->size();
  const int extent = Extent(this);
  const QSize barsRoom(whole.height() > room.height() ? extent : 0,
                       whole.width() > room.width() ? extent : 0);
  return (whole + barsRoom).boundedTo(room);
}

QSize ScrollingView::largestUseful() const { return content_->size() + QSize(1, 1) * Extent(this); }

QSize ScrollingView::sizeHint() const { return content_->size(); }

QSize ScrollingView::minimumSizeHint() const { return QSize(3, 3) * Extent(this); }

// A bar that shows takes room from the other direction, which may then
// lack room too.
void ScrollingView::resizeEvent(QResizeEvent*) {
  const QSize whole = content_->size();
  const int extent = Extent(this);
  bool acrossLacks = width() < whole.width();
  const bool downLacks = height() < whole.height() ||
                         (acrossLacks && height() - extent < whole.height());
  acrossLacks = acrossLacks || (downLacks && width() - extent < whole.width());
  const QSize view(width() - (downLacks ? extent : 0), height() - (acrossLacks ? extent : 0));
  horizontal_->setGeometry(0, view.height(), view.width(), extent);
  vertical_->setGeometry(view.width(), 0, extent, view.height());
  horizontal_->setRange(0, std::max(0, whole.width() - view.width()));
  vertical_->setRange(0, std::max(0, whole.height() - view.height()));
  horizontal_->setPageStep(view.width());
  vertical_->setPageStep(view.height());
  horizontal_->setVisible(acrossLacks);
  vertical_->setVisible(downLacks);
  placeContent();
}

void ScrollingView::wheelEvent(QWheelEvent* event) {
  QScrollBar* bar = vertical_->isVisibleTo(this) ? vertical_ : horizontal_;
  if (!bar->isVisibleTo(this)) {
    event->ignore();
    return;
  }
  QCoreApplication::sendEvent(bar, event);
}

void ScrollingView::placeContent() { content_->move(-horizontal_->value(), -vertical_->value()); }

void ScrollingView::bringIntoView(QWidget* focused) {
  if (focused == nullptr || !content_->isAncestorOf(focused)) return;
  const QRect shown(focused->mapTo(content_, QPoint(0, 0)), focused->size());
  Reveal(horizontal_, shown.left(), shown.width(), vertical_->x());
  Reveal(vertical_, shown.top(), shown.height(), horizontal_->y());
}

}  // namespace quorvane
