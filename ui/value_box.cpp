#include "ui/value_box.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <algorithm>
#include <iterator>
#include <memory>

namespace quorvane {

namespace {

bool IsTypedText(const QString& text) {
  return !text.isEmpty() &&
         std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

}  // namespace

ValueBox::ValueBox(QWidget* parent) : QLineEdit(parent) { setMaxLength(3); }

// The one rule: the digits of what is offered, as many as fit once the
// replaced characters are gone.
QString ValueBox::takeable(const QString& offered, int replacedLength) const {
  QString digits;
  std::copy_if(offered.begin(), offered.end(), std::back_inserter(digits),
               [](QChar c) { return c >= '0' && c <= '9'; });
  return digits.left(std::max(0, maxLength() - static_cast<int>(text().size()) + replacedLength));
}

// Nothing at all happens when nothing can be taken: a refused key keeps the
// selection it would have replaced.
void ValueBox::insertTakeable(const QString& offered) {
  const QString taken = takeable(offered, static_cast<int>(selectedText().size()));
  if (!taken.isEmpty()) insert(taken);
}

void ValueBox::pasteDigits() { insertTakeable(QGuiApplication::clipboard()->text()); }

void ValueBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    pasteDigits();
  } else if (IsTypedText(event->text()) && !(event->modifiers() & Qt::ControlModifier)) {
    insertTakeable(event->text());
  } else {
    QLineEdit::keyPressEvent(event);
    return;
  }
  event->accept();
}

void ValueBox::mouseReleaseEvent(QMouseEvent* event) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
    deselect();
    insertTakeable(clipboard->text(QClipboard::Selection));
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit clicked();
}

void ValueBox::contextMenuEvent(QContextMenuEvent* event) {
  const std::unique_ptr<QMenu> menu(createStandardContextMenu());
  if (auto* paste = menu->findChild<QAction*>("edit-paste")) {
    paste->disconnect(this);
    connect(paste, &QAction::triggered, this, &ValueBox::pasteDigits);
  }
  menu->exec(event->globalPos());
}

void ValueBox::dropEvent(QDropEvent* event) {
  QMimeData digits;
  digits.setText(takeable(event->mimeData()->text(), 0));
  if (digits.text().isEmpty()) {
    event->ignore();
    return;
  }
  QDropEvent taken(event->position(), event->possibleActions(), &digits, event->buttons(),
                   event->modifiers());
  taken.setDropAction(event->dropAction());
  QLineEdit::dropEvent(&taken);
  event->setDropAction(taken.dropAction());
  event->setAccepted(taken.isAccepted());
}

// An input method may name a replacement outside the text; it is kept within
// it, so the box never pads the text with blanks to reach the named place.
void ValueBox::inputMethodEvent(QInputMethodEvent* event) {
  const int cursor = cursorPosition();
  const int length = static_cast<int>(text().size());
  const int start = std::clamp(cursor + event->replacementStart(), 0, length);
  const int end =
      std::clamp(cursor + event->replacementStart() + event->replacementLength(), start, length);
  const int replaced = end > start ? end - start : static_cast<int>(selectedText().size());
  QInputMethodEvent taken(event->preeditString(), event->attributes());
  taken.setCommitString(takeable(event->commitString(), replaced), start - cursor, end - start);
  QLineEdit::inputMethodEvent(&taken);
  event->setAccepted(taken.isAccepted());
}

}  // namespace quorvane
