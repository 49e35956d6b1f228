#include "ui/warning_box.h"

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QScreen>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace quorvane {

namespace {

// As wide as the text wants, up to the width a message box gives its text.
int LargestWidth(const QWidget& widget) {
  return std::min(widget.screen()->availableGeometry().width() / 2, 500);
}

// Qt's label wraps only at word boundaries, and resets any other wrap mode
// whenever it is resized; this text lays itself out anew for each width.
class WrappedText : public QWidget {
 public:
  WrappedText(const QString& text, QWidget* parent) : QWidget(parent) {
    setObjectName("messageText");
    document_.setDocumentMargin(0);
    document_.setDefaultFont(font());
    QTextOption wrapping = document_.defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document_.setDefaultTextOption(wrapping);
    document_.setPlainText(text);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
  }

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override {
    document_.setTextWidth(width);
    return static_cast<int>(std::ceil(document_.size().height()));
  }
  QSize sizeHint() const override {
    document_.setTextWidth(-1);
    const int width =
        std::min(static_cast<int>(std::ceil(document_.idealWidth())), LargestWidth(*this));
    return {width, heightForWidth(width)};
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    document_.setTextWidth(width());
    QPainter painter(this);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.palette.setColor(QPalette::Text, palette().color(QPalette::WindowText));
    document_.documentLayout()->draw(&painter, context);
  }

 private:
  mutable QTextDocument document_;
};

}  // namespace

WarningBox::WarningBox(const QString& title, const QString& text, QWidget* parent)
    : QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, parent) {
  // The box keeps its label, so that its text and its copy stay the text
  // itself; only what is shown is laid out anew.
  if (auto* label = findChild<QLabel*>("qt_msgbox_label")) {
    delete layout()->replaceWidget(label, new WrappedText(text, this));
    label->hide();
  }
}

}  // namespace quorvane
