#pragma once

#include <QToolButton>

namespace quorvane {

class KeyRepeatWatch;

// A button with a picture over its caption. Its keyboard shortcuts, its own
// Alt+letter and the platform's standard keys for its command, click it at
// once, as the key goes down: a plain button plays an animated click and acts
// some 100 ms later, with whatever the boxes hold by then. A held key clicks
// it once: the presses that repeat a held key are let pass.
class PictureButton : public QToolButton {
  Q_OBJECT

 public:
  PictureButton(QWidget* parent, const char* name, const QString& caption, const QIcon& picture,
                const QKeySequence& shortcut, QKeySequence::StandardKey command,
                const KeyRepeatWatch& repeats);

 protected:
  bool event(QEvent* event) override;

 private:
  const KeyRepeatWatch& repeats_;
};

}  // namespace quorvane
