#include "ui/picture_button.h"

#include <QShortcutEvent>

#include "ui/key_repeat_watch.h"
#include "ui/pixel_icons.h"

namespace quorvane {

PictureButton::PictureButton(QWidget* parent, const char* name, const QString& caption,
                             const QIcon& picture, const QKeySequence& shortcut,
                             QKeySequence::StandardKey command,
                             const KeyRepeatWatch& repeats)
    : QToolButton(parent), repeats_(repeats) {
  setObjectName(name);
  setText(caption);
  setIcon(picture);
  setIconSize(QSize(PictureWidth, PictureHeight));
  setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  setFocusPolicy(Qt::StrongFocus);
  setShortcut(shortcut);
  for (const QKeySequence& keys : QKeySequence::keyBindings(command)) grabShortcut(keys);
  setAutoRepeat(false);
}

// One place serves the grabbed keys and the button's own Alt+letter alike.
bool PictureButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    if (repeats_.pressRepeats()) return true;
    if (!static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
      click();
      return true;
    }
  }
  return QToolButton::event(event);
}

}  // namespace quorvane
