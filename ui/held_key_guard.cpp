#include "ui/held_key_guard.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>

namespace quorvane {

HeldKeyGuard::HeldKeyGuard(QObject* parent)
    : HeldKeyGuard(parent, QGuiApplication::platformName() == QLatin1String("xcb")) {}

HeldKeyGuard::HeldKeyGuard(QObject* parent, bool serverTimesRepeats)
    : QObject(parent), serverTimesRepeats_(serverTimesRepeats) {
  QCoreApplication::instance()->installEventFilter(this);
}

// An event that carries no time (0, as a synthetic one may) is never taken
// for an unmarked repeat.
bool HeldKeyGuard::repeats(const QKeyEvent& press) const {
  if (press.isAutoRepeat()) return true;
  return serverTimesRepeats_ && press.timestamp() != 0 && press.timestamp() == releasedAt_ &&
         press.nativeScanCode() == releasedScanCode_;
}

// A key event reaches its window once, before any widget sees it. A press
// shows itself there first as the shortcut override that comes before any
// shortcut; accepted, it keeps the press from every shortcut and mnemonic,
// and the press then comes as a key press, which is dropped.
bool HeldKeyGuard::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWindowType()) return false;
  switch (event->type()) {
    case QEvent::KeyRelease: {
      const auto* released = static_cast<QKeyEvent*>(event);
      releasedScanCode_ = released->nativeScanCode();
      releasedAt_ = released->timestamp();
      return false;
    }
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
      if (lets(*static_cast<QKeyEvent*>(event))) return false;
      event->accept();
      return true;
    default:
      return false;
  }
}

bool HeldKeyGuard::lets(const QKeyEvent& press) {
  if (!repeats(press)) {
    firstPressWentTo_ = QGuiApplication::focusObject();
    return true;
  }
  return typesWhereTheKeyWent(press);
}

// Typing and moving through a list repeat as in any program. A button or a
// check box acts on the key's release, and a key with Ctrl, Alt or Meta is a
// command, so neither repeats.
bool HeldKeyGuard::typesWhereTheKeyWent(const QKeyEvent& press) const {
  QObject* focus = QGuiApplication::focusObject();
  const Qt::KeyboardModifiers commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  return focus != nullptr && focus == firstPressWentTo_ && (press.modifiers() & commands) == 0 &&
         qobject_cast<QAbstractButton*>(focus) == nullptr;
}

}  // namespace quorvane
