#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <vector>

#include "ui/held_key_guard.h"

namespace quorvane {
namespace {

// One key event as a window system hands it to the window: the key's scan
// code, the server's time (0 for none) and whether Qt marked it a repeat.
struct Key {
  QEvent::Type type;
  quint32 scanCode;
  quint64 time;
  bool marked = false;
};
Key Press(quint32 scanCode, quint64 time, bool marked = false) {
  return {QEvent::KeyPress, scanCode, time, marked};
}
Key Release(quint32 scanCode, quint64 time, bool marked = false) {
  return {QEvent::KeyRelease, scanCode, time, marked};
}

constexpr quint32 SpaceCode = 65;
constexpr quint32 FiveCode = 14;

class HeldKey : public ::testing::Test {
 protected:
  explicit HeldKey(bool serverTimesRepeats = true) : guard(&window, serverTimesRepeats) {
    auto* column = new QVBoxLayout(&window);
    column->addWidget(flag);
    column->addWidget(text);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    flag->setFocus();
  }

  void send(const std::vector<Key>& keys, int key, Qt::KeyboardModifiers modifiers = {}) {
    const QString typed = key == Qt::Key_5 ? "5" : " ";
    for (const Key& step : keys) {
      QKeyEvent event(step.type, key, modifiers, step.scanCode, 0, 0, typed, step.marked);
      event.setTimestamp(step.time);
      QCoreApplication::sendEvent(window.windowHandle(), &event);
    }
  }
  int togglesBy(const std::vector<Key>& keys) {
    int toggles = 0;
    const auto counting = QObject::connect(flag, &QCheckBox::toggled, [&toggles] { ++toggles; });
    send(keys, Qt::Key_Space);
    QObject::disconnect(counting);
    return toggles;
  }

  QWidget window;
  HeldKeyGuard guard;
  QCheckBox* flag = new QCheckBox("flag", &window);
  QLineEdit* text = new QLineEdit(&window);
};

// Held on X11, Space on a check box comes as a press, then a release and a
// press of the same time for each repeat: one toggle, though the box acts on
// every release that finds it down.
TEST_F(HeldKey, SpaceHeldOnACheckBoxTogglesItOnce) {
  EXPECT_EQ(togglesBy({Press(SpaceCode, 100), Release(SpaceCode, 700), Press(SpaceCode, 700),
                       Release(SpaceCode, 740), Press(SpaceCode, 740), Release(SpaceCode, 900)}),
            1);
}

TEST_F(HeldKey, RepeatsQtMarkedActNoMore) {
  EXPECT_EQ(togglesBy({Press(SpaceCode, 100), Release(SpaceCode, 700, true),
                       Press(SpaceCode, 700, true), Release(SpaceCode, 900)}),
            1);
}

// A second press at another time, a press of another key at the release's
// time, and presses with no time at all are each a person's own.
TEST_F(HeldKey, EveryFreshPressActs) {
  EXPECT_EQ(togglesBy({Press(SpaceCode, 100), Release(SpaceCode, 200), Press(SpaceCode, 300),
                       Release(SpaceCode, 400)}),
            2);
  EXPECT_EQ(togglesBy({Release(SpaceCode + 1, 500), Press(SpaceCode, 500),
                       Release(SpaceCode, 600)}),
            1);
  EXPECT_EQ(togglesBy({Press(SpaceCode, 0), Release(SpaceCode, 0), Press(SpaceCode, 0),
                       Release(SpaceCode, 0)}),
            2);
}

TEST_F(HeldKey, TypingRepeatsWhereTheKeyWentAndNowhereElse) {
  text->setFocus();
  send({Press(FiveCode, 100), Release(FiveCode, 700), Press(FiveCode, 700),
        Press(FiveCode, 740, true)},
       Qt::Key_5);
  EXPECT_EQ(text->text(), "555");
  // A press that went to the check box, and then a repeat of it once the
  // focus has moved, as it does to a dialog that the press opened.
  flag->setFocus();
  send({Press(FiveCode, 800)}, Qt::Key_5);
  text->setFocus();
  send({Press(FiveCode, 900, true)}, Qt::Key_5);
  EXPECT_EQ(text->text(), "555");
}

class HeldKeyElsewhere : public HeldKey {
 protected:
  HeldKeyElsewhere() : HeldKey(false) {}
};

// Only the X server's times tell a repeat Qt did not mark.
TEST_F(HeldKeyElsewhere, SameTimesTellNothing) {
  EXPECT_EQ(togglesBy({Press(SpaceCode, 100), Release(SpaceCode, 700), Press(SpaceCode, 700),
                       Release(SpaceCode, 900)}),
            2);
}

}  // namespace
}  // namespace quorvane
