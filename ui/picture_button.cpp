#include "ui/picture_button.h"

#include <QShortcutEvent>

#include "ui/pixel_icons.h"

namespace quorvane {

PictureButton::PictureButton(QWidget* parent, const char* name, const QString& caption,
                             const QIcon& picture, const QKeySequence& shortcut,
                             QKeySequence::StandardKey command)
    : QToolButton(parent) {
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

// A held key acts once: the shortcut that fired is told not to repeat. This
// one place serves the grabbed keys and the button's own Alt+letter alike,
// whose id only Qt knows.
bool PictureButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    const auto* shortcut = static_cast<QShortcutEvent*>(event);
    setShortcutAutoRepeat(shortcut->shortcutId(), false);
    if (!shortcut->isAmbiguous()) {
      click();
      return true;
    }
  }
  return QToolButton::event(event);
}

}  // namespace quorvane
