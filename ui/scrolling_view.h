#pragma once

#include <QWidget>

class QScrollBar;

namespace quorvane {

// Shows a widget of fixed size whole where there is room, and scrolls it
// where there is not: a scroll bar shows for each direction that lacks room,
// and the focused control is always brought into view. The scroll bars are
// the view's own, named for screen readers, so that nothing nameless stands
// between the window and its controls.
class ScrollingView : public QWidget {
  Q_OBJECT

 public:
  ScrollingView(QWidget* content, QWidget* parent);

  // The size that shows the most of the widget within the room given: where
  // one direction lacks room, the other makes room for its scroll bar.
  QSize sizeWithin(const QSize& room) const;
  // The widget whole with both scroll bars' room: any larger shows only
  // empty space.
  QSize largestUseful() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void placeContent();
  void bringIntoView(QWidget* focused);
  QScrollBar* scrollBar(Qt::Orientation orientation, const QString& name);

  QWidget* content_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
};

}  // namespace quorvane
