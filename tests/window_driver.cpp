#include "tests/window_driver.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

namespace quorvane::testing {

MessageBoxCatcher::MessageBoxCatcher() {
  QObject::connect(&timer_, &QTimer::timeout, [this] { closeActiveMessageBox(); });
  timer_.start(5);
}

void MessageBoxCatcher::closeActiveMessageBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) return;
  texts_ << box->text();
  box->done(QMessageBox::Ok);
}

void AnswerFileDialog(QFileDialog& dialog, const QString& name) {
  auto* poll = new QTimer(&dialog);
  QObject::connect(poll, &QTimer::timeout, [&dialog, name, poll] {
    if (!dialog.isVisible()) return;
    poll->deleteLater();
    auto* nameBox = dialog.findChild<QLineEdit*>("fileNameEdit");
    nameBox->clear();
    // Key by key, as a user types it; keyClicks knows only ASCII.
    for (const QChar character : name) {
      QTest::sendKeyEvent(QTest::Click, nameBox, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
    // The name box's completer may be showing its list, which would take the key.
    if (QCompleter* completer = nameBox->completer()) completer->popup()->hide();
    QTest::keyClick(nameBox, Qt::Key_Return);
  });
  poll->start(5);
}

}  // namespace quorvane::testing
