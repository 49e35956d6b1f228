#pragma once

#include <QObject>

namespace quorvane {

// Tells whether the key press being handled now repeats a held key. Qt marks
// most repeats itself. On X11 without detectable auto-repeat, though, each
// repeat arrives as a release and a press, and Qt marks the pair only when the
// press is already queued as it reads the release; otherwise it hands on a
// plain release and a fresh press. The X server gives both the same time,
// which a person's own release and next press never share.
class KeyRepeatWatch : public QObject {
  Q_OBJECT

 public:
  // Watches the key events of every window of the application.
  explicit KeyRepeatWatch(QObject* parent);

  bool pressRepeats() const { return pressRepeats_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int releasedKey_ = 0;
  quint64 releasedAt_ = 0;
  bool pressRepeats_ = false;
};

}  // namespace quorvane
