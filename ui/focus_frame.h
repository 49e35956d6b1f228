#pragma once

#include <QFocusFrame>

namespace quorvane {

// A black frame, two pixels wide, drawn over the edge of whichever control of
// the window holds the keyboard focus, so that every tab stop shows where the
// keys go: the list, for one, shows its focus no other way, and Down there
// loads the next weapon. Black stands far above 3:1 against every colour the
// frame covers (the grey borders, white, the light greys and the face), and
// the window keeps its own palette on light and dark desktops alike. It is a
// QFocusFrame, which screen readers are not shown: it is a mark, not a control.
class FocusFrame : public QFocusFrame {
  Q_OBJECT

 public:
  explicit FocusFrame(QWidget* window);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void follow(QWidget* focused);
};

}  // namespace quorvane
