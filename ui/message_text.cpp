#include "ui/message_text.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocumentFragment>
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
  fit();
}

void MessageText::setWidthLimit(int pixels) {
  widthLimit_ = pixels;
  fit();
}

void MessageText::changeEvent(QEvent* event) {
  QTextEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) fit();
}

QMimeData* MessageText::createMimeDataFromSelection() const {
  auto* copied = new QMimeData;
  copied->setText(textCursor().selection().toPlainText());
  return copied;
}

// Laid out on a copy of the document, so that the one shown keeps its width;
// once for each width limit and font, not for each question of its size.
void MessageText::fit() {
  const std::unique_ptr<QTextDocument> measured(document()->clone());
  measured->setDefaultFont(font());
  measured->setDefaultTextOption(document()->defaultTextOption());
  measured->setTextWidth(-1);
  const int natural = static_cast<int>(std::ceil(measured->idealWidth()));
  const int width = std::min(natural, widthLimit_);
  measured->setTextWidth(width);
  fitted_ = QSize(width, static_cast<int>(std::ceil(measured->size().height())));
  updateGeometry();
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
