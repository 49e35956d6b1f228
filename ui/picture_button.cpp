#include "ui/picture_button.h"

#include <QShortcutEvent>

#include "ui/pixel_icons.h"

namespace quorvane {

PictureButton::PictureButton(QWidget* parent, const char* name, const QString& caption,
                             const QString& purpose, const QIcon& picture,
                             const QKeySequence& shortcut, QKeySequence::StandardKey command)
    : QToolButton(parent) {
  setObjectName(name);
  setText(caption);
  setIcon(picture);
  setIconSize(QSize(PictureWidth, PictureHeight));
  setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  setFocusPolicy(Qt::StrongFocus);
  setShortcut(shortcut);
  QStringList keyNames{shortcut.toString(QKeySequence::NativeText)};
  for (const QKeySequence& keys : QKeySequence::keyBindings(command)) {
    grabShortcut(keys);
    keyNames.append(keys.toString(QKeySequence::NativeText));
  }
  setToolTip(tr("%1 (%2)").arg(purpose, keyNames.join(tr(" or "))));
  setAutoRepeat(false);
}

// One place serves the grabbed keys and the button's own Alt+letter alike.
bool PictureButton::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    if (!static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
      click();
      return true;
    }
  }
  return QToolButton::event(event);
}

}  // namespace quorvane
