#include "ui/flag_check_box.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quorvane {

namespace {
constexpr int CaptionGap = 4;
const QColor FlagBackground(0xC0, 0xC0, 0xC0);
}  // namespace

FlagCheckBox::FlagCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {}

QRect FlagCheckBox::indicatorRect() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  QRect indicator = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
  indicator.moveTop((height() - indicator.height()) / 2);
  return indicator;
}

QRect FlagCheckBox::captionRect() const {
  return rect().adjusted(indicatorRect().right() + 1 + CaptionGap, 0, 0, 0);
}

void FlagCheckBox::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  painter.fillRect(rect(), FlagBackground);
  QStyleOptionButton option;
  initStyleOption(&option);
  option.rect = indicatorRect();
  painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
  const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(captionRect(), flags, text());
}

bool FlagCheckBox::hitButton(const QPoint& position) const { return rect().contains(position); }

}  // namespace quorvane
