#include "ui/value_box.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <algorithm>
#include <functional>

#include "editor/value_entry.h"
#include "ui/box_look.h"
#include "ui/digits_validator.h"

namespace quorvane {

namespace {

QString Digits(const QString& text) { return QString::fromStdString(DigitsOf(text.toStdString())); }

QString SelectionClipboardText() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard->supportsSelection() ? clipboard->text(QClipboard::Selection) : QString();
}

}  // namespace

ValueBox::ValueBox(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(3);
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { shown_ = text; });
  setValidator(new DigitsValidator(shown_, maxLength(), this));
  GiveBoxLook(*this, Qt::white);
}

void ValueBox::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  PaintBoxBorder(*this);
}

// The one rule: the digits of what is offered, as many as fit once the
// replaced characters are gone.
QString ValueBox::takeable(const QString& offered, int replacedLength) const {
  const auto room = maxLength() - text().size() + replacedLength;
  return Digits(offered).left(std::max<qsizetype>(0, room));
}

// Nothing at all happens when nothing can be taken: a refused paste keeps the
// selection it would have replaced.
void ValueBox::insertTakeable(const QString& offered) {
  const QString taken = takeable(offered, selectionLength());
  if (!taken.isEmpty()) insert(taken);
}

void ValueBox::pasteDigits() { insertTakeable(QGuiApplication::clipboard()->text()); }

// The characters from start, length long, give way to the digits offered, in
// one change of the text.
void ValueBox::replaceWithDigits(int start, int length, const QString& offered) {
  const QString taken = takeable(offered, length);
  if (taken.isEmpty()) return;
  setSelection(start, length);
  insert(taken);
}

// Whatever a key means to the box (an edit, a move, a character typed with
// AltGr, which arrives as Ctrl+Alt), the only text it may bring in is its own
// digits; the line edit's own handling does the rest.
void ValueBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    pasteDigits();
    event->accept();
    return;
  }
  QKeyEvent digitsOnly(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                       event->nativeVirtualKey(), event->nativeModifiers(),
                       takeable(event->text(), selectionLength()), event->isAutoRepeat(),
                       static_cast<quint16>(event->count()));
  QLineEdit::keyPressEvent(&digitsOnly);
  event->setAccepted(digitsOnly.isAccepted());
}

// A middle click pastes where it points; with no digit to paste, it does not
// even move the cursor there.
void ValueBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && Digits(SelectionClipboardText()).isEmpty()) {
    event->accept();
    return;
  }
  QLineEdit::mousePressEvent(event);
}

void ValueBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
    replaceWithDigits(cursorPosition(), 0, SelectionClipboardText());
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit clicked();
}

// The box's own menu: Qt's standard one would paste the clipboard cut to the
// room left before the digits are picked out, and its Unicode control
// characters have no place in a number.
void ValueBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  const auto add = [&](const char* text, QKeySequence::StandardKey keys, bool enabled,
                       const std::function<void()>& command) {
    const QString shortcut = QKeySequence(keys).toString(QKeySequence::NativeText);
    QAction* action = menu.addAction(QLineEdit::tr(text) + '\t' + shortcut);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, command);
  };
  add("&Undo", QKeySequence::Undo, isUndoAvailable(), [this] { undo(); });
  add("&Redo", QKeySequence::Redo, isRedoAvailable(), [this] { redo(); });
  menu.addSeparator();
  add("Cu&t", QKeySequence::Cut, hasSelectedText(), [this] { cut(); });
  add("&Copy", QKeySequence::Copy, hasSelectedText(), [this] { copy(); });
  add("&Paste", QKeySequence::Paste, !QGuiApplication::clipboard()->text().isEmpty(),
      [this] { pasteDigits(); });
  add("Delete", QKeySequence::Delete, hasSelectedText(), [this] { del(); });
  menu.addSeparator();
  add("Select All", QKeySequence::SelectAll, selectedText() != text(), [this] { selectAll(); });
  menu.exec(event->globalPos());
}

void ValueBox::dragEnterEvent(QDragEnterEvent* event) {
  if (Digits(event->mimeData()->text()).isEmpty()) {
    event->ignore();
    return;
  }
  QLineEdit::dragEnterEvent(event);
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

// A composition is never shown: over a selection it would wipe the number
// before anything is committed. A commit replaces the selection, or else the
// range it names next to the cursor, kept within the text.
void ValueBox::inputMethodEvent(QInputMethodEvent* event) {
  event->accept();
  if (hasSelectedText()) {
    replaceWithDigits(selectionStart(), selectionLength(), event->commitString());
    return;
  }
  const int length = static_cast<int>(text().size());
  const int from = cursorPosition() + event->replacementStart();
  const int start = std::clamp(from, 0, length);
  const int end = std::clamp(from + event->replacementLength(), start, length);
  replaceWithDigits(start, end - start, event->commitString());
}

}  // namespace quorvane
