#pragma once

#include <QTextEdit>

namespace quorvane {

// A warning's words, exactly as written, shown, heard and copied alike. A
// label breaks lines only between words, so a long name (a folder of 200
// characters, a file named with underscores) would run out of the box; this
// text breaks between words where it can and inside a word where it must,
// without putting anything into the text. It can be selected by mouse and
// keyboard; every copy holds the words as written, and Ctrl+C with nothing
// selected is left to the box, which copies them all; a copy is plain text,
// which takes no form of the box's own into a mail or a post. Screen readers
// are told it is a label whose name is the message.
class MessageText : public QTextEdit {
  Q_OBJECT

 public:
  MessageText(const QString& text, QWidget* parent);

  const QString& text() const { return text_; }

  // The widest the text may be; it is as wide as its longest line up to that.
  void setWidthLimit(int pixels);

  QSize sizeHint() const override { return fitted_; }
  QSize minimumSizeHint() const override { return fitted_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  QMimeData* createMimeDataFromSelection() const override;

 private:
  void fit();

  QString text_;
  int widthLimit_ = QWIDGETSIZE_MAX;
  QSize fitted_;
};

}  // namespace quorvane
