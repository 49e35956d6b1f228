#include "ui/message_text.h"

#include <QKeyEvent>
#include <QTextDocument>
#include <cmath>
#include <memory>

namespace quorvane {

MessageText::MessageText(const QString& text, QWidget* parent) : QTextEdit(parent), text_(text) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  viewport()->setAutoFillBackground(false);
  setTabChangesFocus(true);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  document()->setDocumentMargin(0);
  setPlainText(text);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void MessageText::setWidthLimit(int pixels) {
  widthLimit_ = pixels;
  updateGeometry();
}

// Laid out on a copy of the document, so that the one shown keeps its width.
QSize MessageText::sizeHint() const {
  const std::unique_ptr<QTextDocument> measured(document()->clone());
  measured->setDefaultFont(font());
  measured->setDefaultTextOption(document()->defaultTextOption());
  measured->setTextWidth(-1);
  const int natural = static_cast<int>(std::ceil(measured->idealWidth()));
  const int width = std::min(natural, widthLimit_);
  measured->setTextWidth(width);
  return {width, static_cast<int>(std::ceil(measured->size().height()))};
}

// With nothing selected, Ctrl+C goes on to the box, which copies the whole
// message.
void MessageText::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) && !textCursor().hasSelection()) {
    event->ignore();
    return;
  }
  QTextEdit::keyPressEvent(event);
}

}  // namespace quorvane
