#include "ui/key_repeat_watch.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace quorvane {

KeyRepeatWatch::KeyRepeatWatch(QObject* parent) : QObject(parent) {
  QCoreApplication::instance()->installEventFilter(this);
}

// A key event reaches its window once, before any widget sees it; a press
// shows itself there as the shortcut override that comes before a shortcut
// fires. An event that carries no time (0, as a synthetic one may) is never
// taken for a repeat.
bool KeyRepeatWatch::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWindowType()) return false;
  if (event->type() == QEvent::KeyRelease) {
    const auto* released = static_cast<QKeyEvent*>(event);
    releasedKey_ = released->key();
    releasedAt_ = released->timestamp();
  } else if (event->type() == QEvent::ShortcutOverride) {
    const auto* pressed = static_cast<QKeyEvent*>(event);
    const bool releasedWithIt = pressed->timestamp() != 0 &&
                                pressed->timestamp() == releasedAt_ &&
                                pressed->key() == releasedKey_;
    pressRepeats_ = pressed->isAutoRepeat() || releasedWithIt;
  }
  return false;
}

}  // namespace quorvane
