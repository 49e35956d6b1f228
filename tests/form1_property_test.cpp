#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "tests/random_texts.h"
#include "tests/window_driver.h"
#include "ui/form1.h"

namespace quorvane {
namespace {

// Typed, pasted or set by the program, a value box ends up holding a byte.
TEST(WindowValueProperty, EveryWayInSettlesIntoAByte) {
  testing::RandomTexts texts;
  SCOPED_TRACE("QUORVANE_SEED=" + std::to_string(texts.seed()));
  Form1 window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  // Boxes start empty and stay so until their first change.
  for (ValueField field = 0; field < ValueFieldCount; ++field) window.setValueText(field, "1");
  for (int round = 0; round < 10000; ++round) {
    const ValueField field = texts.below(ValueFieldCount);
    auto* box = testing::Named<QLineEdit>(window, QString("txtValue(%1)").arg(field));
    const QString junk = QString::fromStdString(texts.next());
    switch (round % 3) {
      case 0: window.setValueText(field, junk.toStdString()); break;
      case 1:
        QApplication::clipboard()->setText(junk);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keySequence(box, QKeySequence::Paste);
        break;
      default:
        QTest::mouseClick(box, Qt::LeftButton);
        for (const QChar c : junk) QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), {});
    }
    ASSERT_TRUE(testing::IsSettledValue(window.valueText(field), window.hexText(field)))
        << "after \"" << junk.toStdString() << "\" (way " << round % 3 << ")";
  }
}

}  // namespace
}  // namespace quorvane
