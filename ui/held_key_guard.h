#pragma once

#include <QObject>
#include <QPointer>

class QKeyEvent;

namespace quorvane {

// A held key acts once: its first press does what a press does, and its
// repeats reach nothing but the text box or list that press went to, as
// typing or moving through the list. A repeat never fires a shortcut or a
// mnemonic, never presses a button or ticks a box, and never reaches a dialog
// or a warning that the first press opened.
//
// Qt marks most repeats itself. On X11 without detectable auto-repeat,
// though, each repeat arrives as a release and a press, and Qt marks the pair
// only when the press is already queued as it reads the release; otherwise it
// hands on a plain release and a fresh press. The X server gives both the
// same time, which a person's own release and next press never share. A
// button acts on the release, before the press that shows it was a repeat,
// but once the press is dropped the button is no longer down, and the rest of
// the hold clicks nothing.
class HeldKeyGuard : public QObject {
  Q_OBJECT

 public:
  // Watches the key events of every window of the application; unmarked
  // repeats are told by their time where the platform is X11's.
  explicit HeldKeyGuard(QObject* parent);
  HeldKeyGuard(QObject* parent, bool serverTimesRepeats);

  // Whether this press repeats a held key.
  bool repeats(const QKeyEvent& press) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool lets(const QKeyEvent& press);
  bool typesWhereTheKeyWent(const QKeyEvent& press) const;

  bool serverTimesRepeats_;
  quint32 releasedScanCode_ = 0;
  quint64 releasedAt_ = 0;
  QPointer<QObject> firstPressWentTo_;
};

}  // namespace quorvane
