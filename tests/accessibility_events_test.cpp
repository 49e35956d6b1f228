// What a screen reader hears of the value grid, through Qt's own AT-SPI
// bridge, which sends events only while an assistive technology listens: run
// by tests/with_screen_reader_bus.sh.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/window_driver.h"
#include "ui/form1.h"

namespace quorvane {
namespace {

using testing::Named;

QObject* Watched = nullptr;
std::vector<std::string> Heard;

void Hear(QAccessibleEvent* event) {
  if (event->object() != Watched) return;
  if (event->type() == QAccessible::TextInserted) {
    Heard.push_back("insert " +
                    static_cast<QAccessibleTextInsertEvent*>(event)->textInserted().toStdString());
  } else if (event->type() == QAccessible::TextRemoved) {
    Heard.push_back("delete " +
                    static_cast<QAccessibleTextRemoveEvent*>(event)->textRemoved().toStdString());
  } else if (event->type() == QAccessible::TextUpdated) {
    Heard.push_back("update to " +
                    static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted().toStdString());
  }
}

TEST(ScreenReader, HearsOnlyTheDigitsAValueBoxTakes) {
  Form1 window;
  window.show();
  // No window manager runs here to make the window active; keys go to the box.
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  auto* value = Named<QLineEdit>(window, "txtValue(0)");
  Watched = value;
  QAccessible::installUpdateHandler(Hear);

  QTest::mouseClick(value, Qt::LeftButton);
  QTest::keyClicks(value, "x 1.");
  QApplication::clipboard()->setText("a2b");
  QTest::keySequence(value, QKeySequence::Paste);
  QInputMethodEvent commit;
  commit.setCommitString("y");
  QApplication::sendEvent(value, &commit);
  QTest::keyClicks(value, "34");  // the box is full after the 3

  QAccessible::installUpdateHandler(nullptr);
  EXPECT_EQ(value->text().toStdString(), "123");
  EXPECT_EQ(Heard, (std::vector<std::string>{"insert 1", "insert 2", "insert 3"}));
}

TEST(ScreenReader, IsToldWhichBoxesAreReadOnly) {
  Form1 window;
  for (const char* name : {"txtHex(0)", "txtHex(6)", "Text2", "Text14"}) {
    const QAccessible::State state =
        QAccessible::queryAccessibleInterface(Named<QWidget>(window, name))->state();
    EXPECT_TRUE(state.readOnly) << name;
    EXPECT_FALSE(state.editable) << name;
  }
  const QAccessible::State value =
      QAccessible::queryAccessibleInterface(Named<QWidget>(window, "txtValue(0)"))->state();
  EXPECT_TRUE(value.editable);
  EXPECT_FALSE(value.readOnly);
}

}  // namespace
}  // namespace quorvane

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  // The bridge comes up once it has found the accessibility bus.
  if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 10000)) {
    std::fprintf(stderr, "Qt's screen-reader bridge did not come up: no AT-SPI bus was found\n");
    return 1;
  }
  return RUN_ALL_TESTS();
}
