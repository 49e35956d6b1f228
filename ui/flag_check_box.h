#pragma once

#include <QCheckBox>

namespace quorvane {

// A check box whose long caption wraps within the box's width, and whose
// whole area, caption included, toggles it.
class FlagCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  FlagCheckBox(const QString& caption, QWidget* parent);

  // Where the wrapped caption is drawn.
  QRect captionRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& position) const override;

 private:
  QRect indicatorRect() const;
};

}  // namespace quorvane
