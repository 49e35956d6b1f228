#include "tests/window_driver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include "ui/warning_box.h"

namespace quorvane::testing {

MessageBoxCatcher::MessageBoxCatcher() {
  QObject::connect(&timer_, &QTimer::timeout, [this] { closeActiveMessageBox(); });
  timer_.start(5);
}

void MessageBoxCatcher::closeActiveMessageBox() {
  auto* box = qobject_cast<WarningBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  texts_ << box->text();
  box->accept();
}

namespace {

// Runs the action on the dialog's next showing, once.
void OnNextShowing(QFileDialog& dialog, const std::function<void()>& action) {
  auto* poll = new QTimer(&dialog);
  QObject::connect(poll, &QTimer::timeout, [&dialog, poll, action] {
    if (dialog.isVisible()) action();
  });
  QObject::connect(&dialog, &QDialog::finished, poll, [poll] {
    poll->stop();
    poll->deleteLater();
  });
  poll->start(5);
}

}  // namespace

void AnswerFileDialog(QFileDialog& dialog, const QString& name) {
  // Tries again on every tick until the dialog has closed: while the dialog
  // is still reading the folder, its completer may swallow a key.
  OnNextShowing(dialog, [&dialog, name] {
    auto* nameBox = dialog.findChild<QLineEdit*>("fileNameEdit");
    if (nameBox->text() != name) {
      nameBox->clear();
      // Key by key, as a user types it; keyClicks knows only ASCII.
      for (const QChar character : name) {
        QTest::sendKeyEvent(QTest::Click, nameBox, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
      }
    }
    if (QCompleter* completer = nameBox->completer()) completer->popup()->hide();
    QTest::keyClick(nameBox, Qt::Key_Return);
  });
}

void CancelFileDialog(QFileDialog& dialog, const std::function<void()>& whileShown) {
  OnNextShowing(dialog, [&dialog, whileShown] {
    whileShown();
    dialog.reject();
  });
}

}  // namespace quorvane::testing
