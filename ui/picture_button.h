#pragma once

#include <QToolButton>

namespace quorvane {

// A button with a picture over its caption. Its keyboard shortcuts, its own
// Alt+letter and the platform's standard keys for its command, click it at
// once, as the key goes down: a plain button plays an animated click and acts
// some 100 ms later, with whatever the boxes hold by then. Its tooltip names
// those keys, so that they can be found from the window.
class PictureButton : public QToolButton {
  Q_OBJECT

 public:
  PictureButton(QWidget* parent, const char* name, const QString& caption, const QString& purpose,
                const QIcon& picture, const QKeySequence& shortcut,
                QKeySequence::StandardKey command);

 protected:
  bool event(QEvent* event) override;
};

}  // namespace quorvane
