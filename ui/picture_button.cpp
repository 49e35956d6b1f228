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

bool PictureButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
    click();
    return true;
  }
  return QToolButton::event(event);
}

}  // namespace quorvane
