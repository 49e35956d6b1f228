#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <regex>

#include "editor/value_entry.h"
#include "tests/random_texts.h"
#include "tests/window_driver.h"
#include "ui/form1.h"

namespace quorvane {
namespace {

// Every way a text can reach a value box: a key of any kind (with AltGr, which
// arrives as Ctrl+Alt), paste from the keys, the context menu or a middle
// click, a drop, an input method's composition or commit, a call of insert()
// (which Qt's own Unicode control characters menu makes), and the program.
enum Route {
  Key,
  AltGr,
  PasteKey,
  PasteMenu,
  MiddleClick,
  Drop,
  Preedit,
  Commit,
  Insert,
  Program,
  Routes
};

struct BoxState {
  QString text;
  int selectionStart;
  int selectionLength;
  int cursor;
  bool operator==(const BoxState&) const = default;
};

BoxState StateOf(const QLineEdit& box) {
  return {box.text(), box.selectionStart(), box.selectionLength(), box.cursorPosition()};
}

void PrintTo(const BoxState& state, std::ostream* out) {
  *out << '"' << state.text.toStdString() << "\", selection " << state.selectionStart << '+'
       << state.selectionLength << ", cursor " << state.cursor;
}

void PasteFromTheContextMenu(QLineEdit& box) {
  QTimer::singleShot(0, [] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    for (QAction* action : menu->actions()) {
      if (action->text().contains("Paste")) action->trigger();
    }
    menu->close();
  });
  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2), box.mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(&box, &request);
}

// Offers the text to the box by the route; returns false where the platform
// has no such route (a selection clipboard).
bool Offer(Route route, Form1& window, ValueField field, QLineEdit& box, const QString& text,
           testing::RandomTexts& random) {
  QClipboard* clipboard = QApplication::clipboard();
  const QPoint somewhere(1 + random.below(box.width() - 2), box.height() / 2);
  switch (route) {
    case Key:
    case AltGr: {
      const auto modifiers = route == Key ? Qt::NoModifier : Qt::ControlModifier | Qt::AltModifier;
      QKeyEvent press(QEvent::KeyPress, route == Key ? Qt::Key_unknown : Qt::Key_Q, modifiers,
                      text);
      QApplication::sendEvent(&box, &press);
      return true;
    }
    case PasteKey:
      clipboard->setText(text);
      QTest::keySequence(&box, QKeySequence::Paste);
      return true;
    case PasteMenu:
      clipboard->setText(text);
      PasteFromTheContextMenu(box);
      return true;
    case MiddleClick:
      if (!clipboard->supportsSelection()) return false;
      clipboard->setText(text, QClipboard::Selection);
      QTest::mouseClick(&box, Qt::MiddleButton, {}, somewhere);
      return true;
    case Drop: {
      QMimeData dragged;
      dragged.setText(text);
      QDropEvent drop(somewhere, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
      static_cast<QObject*>(&box)->event(&drop);  // no drag is under way to deliver it
      return true;
    }
    case Preedit: {
      QInputMethodEvent composing(text, {});
      QApplication::sendEvent(&box, &composing);
      QInputMethodEvent cancelled;
      QApplication::sendEvent(&box, &cancelled);
      return true;
    }
    case Commit: {
      QInputMethodEvent commit;
      commit.setCommitString(text, random.below(9) - 4, random.below(5));
      QApplication::sendEvent(&box, &commit);
      return true;
    }
    case Insert:
      box.insert(text);
      return true;
    case Program:
      window.setValueText(field, text.toStdString());
      return true;
    case Routes:
      break;
  }
  return false;
}

// Leaves the box with no selection, all of it selected, or part of it.
void SelectAtRandom(QLineEdit& box, testing::RandomTexts& random) {
  const int length = static_cast<int>(box.text().size());
  const int start = random.below(length + 1);
  const int kind = random.below(3);
  if (kind == 0) box.setCursorPosition(start);
  if (kind == 1) box.selectAll();
  if (kind == 2) box.setSelection(start, random.below(length - start + 1));
}

// Whatever route a text takes, the box holds only digits at every moment, a
// text without a digit changes nothing at all, and the box settles into a byte.
TEST(WindowValueProperty, EveryRouteInTakesOnlyDigits) {
  testing::RandomTexts texts;
  SCOPED_TRACE("QUORVANE_SEED=" + std::to_string(texts.seed()));
  Form1 window;
  window.show();
  // Every route sends to the box itself, so the window need only be shown:
  // on X11 without a window manager it is never made active.
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  // Boxes start empty and stay so until their first change.
  for (ValueField field = 0; field < ValueFieldCount; ++field) window.setValueText(field, "1");
  QString carried;
  bool programSetting = false;
  for (ValueField field = 0; field < ValueFieldCount; ++field) {
    auto* box = testing::Named<QLineEdit>(window, QString("txtValue(%1)").arg(field));
    QObject::connect(box, &QLineEdit::textChanged, [&](const QString& text) {
      // By UTF-16 units: UTF-8 may drop half of a character.
      const bool digitsOnly = std::all_of(text.cbegin(), text.cend(),
                                          [](QChar unit) { return unit >= u'0' && unit <= u'9'; });
      if (!digitsOnly && !programSetting && carried.isEmpty()) carried = text;
    });
  }
  for (int round = 0; round < 4000; ++round) {
    const ValueField field = texts.below(ValueFieldCount);
    auto* box = testing::Named<QLineEdit>(window, QString("txtValue(%1)").arg(field));
    std::string offered = texts.next();
    if (texts.below(3) == 0) offered = std::regex_replace(offered, std::regex("[0-9]"), "");
    const QString text = QString::fromStdString(offered);
    const auto route = static_cast<Route>(texts.below(Routes));
    box->setFocus();
    SelectAtRandom(*box, texts);
    const BoxState before = StateOf(*box);
    programSetting = route == Program;
    if (!Offer(route, window, field, *box, text, texts)) continue;
    programSetting = false;
    const std::string trace =
        "after \"" + offered + "\" by route " + std::to_string(static_cast<int>(route));
    ASSERT_TRUE(carried.isEmpty()) << trace << ": the box held \"" << carried.toStdString() << "\"";
    // An empty insert() is a deletion of the selection, as Delete is.
    const bool deletion = route == Insert && offered.empty();
    if (route != Program && !deletion && DigitsOf(offered).empty()) {
      ASSERT_EQ(StateOf(*box), before) << trace << ": a text without a digit changed the box";
    }
    ASSERT_TRUE(testing::IsSettledValue(window.valueText(field), window.hexText(field))) << trace;
  }
}

}  // namespace
}  // namespace quorvane
