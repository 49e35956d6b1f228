#pragma once

#include <QWidget>

namespace quorvane {

// One of the value grid's one-pixel rules, in the window's text colour. A
// screen reader is told it is a separator, which it passes over, not a
// nameless filler.
class GridLine : public QWidget {
  Q_OBJECT

 public:
  GridLine(QWidget* parent, const char* name);
};

}  // namespace quorvane
