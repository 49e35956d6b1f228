#include "ui/warning_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace quorvane {

namespace {

// Qt lets a line break between words and after a path's "/" (not before a
// digit), but never inside a word nor after a "\". A run longer than this
// could be wider than the box at a large font, so it may break after any of
// its characters.
constexpr qsizetype LongestUnbrokenRun = 24;
constexpr QChar BreakOpportunity(0x200B);  // zero-width space

constexpr Qt::TextInteractionFlags Selectable = Qt::TextSelectableByMouse;

bool IsSeparator(QChar c) { return c == '/' || c == '\\'; }

// Where Qt would not break after a separator, a break opportunity follows it.
bool NeedsBreakAfter(const QString& text, qsizetype at) {
  const bool nextIsDigit = at + 1 < text.size() && text[at + 1].isDigit();
  return text[at] == '\\' || (text[at] == '/' && nextIsDigit);
}

QString Breakable(const QString& text) {
  QString shown;
  qsizetype runStart = 0;
  const auto endRun = [&](qsizetype end) {
    const QString run = text.mid(runStart, end - runStart);
    for (const QChar c : run) {
      shown += c;
      if (run.size() > LongestUnbrokenRun) shown += BreakOpportunity;
    }
    runStart = end;
  };
  for (qsizetype at = 0; at < text.size(); ++at) {
    if (!text[at].isSpace() && !IsSeparator(text[at])) continue;
    endRun(at + 1);
    if (NeedsBreakAfter(text, at) && !shown.endsWith(BreakOpportunity)) {
      shown += BreakOpportunity;
    }
  }
  endRun(text.size());
  return shown;
}

}  // namespace

WarningBox::WarningBox(const QString& title, const QString& text, QWidget* parent)
    : QMessageBox(QMessageBox::Warning, title, Breakable(text), QMessageBox::Ok, parent) {
  setTextFormat(Qt::PlainText);
  setTextInteractionFlags(Selectable);
}

// A new style brings the style's own idea of a message's interaction, which
// may not include selecting it.
void WarningBox::changeEvent(QEvent* event) {
  QMessageBox::changeEvent(event);
  if (event->type() == QEvent::StyleChange) setTextInteractionFlags(Selectable);
}

// The copy holds the text as written, without the break opportunities.
void WarningBox::keyPressEvent(QKeyEvent* event) {
  QMessageBox::keyPressEvent(event);
  if (!event->matches(QKeySequence::Copy)) return;
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(clipboard->text().remove(BreakOpportunity));
}

}  // namespace quorvane
