// The window as a desktop citizen: readable on any theme, named for screen
// readers, and worked from the keyboard.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <map>
#include <vector>

#include "tests/temp_rom.h"
#include "tests/visible.h"
#include "tests/window_driver.h"
#include "ui/flag_check_box.h"
#include "ui/form1.h"
#include "ui/pixel_icons.h"

namespace quorvane {
namespace {

using testing::Named;

using testing::Contrast;

// The contrast of the text drawn in an area of the window: the background is
// the area's commonest colour, the text its pixel that stands out most.
double TextContrast(const QImage& shot, const QRect& area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) ++counts[shot.pixel(x, y)];
  }
  const QColor background(std::max_element(counts.begin(), counts.end(), [](auto a, auto b) {
                            return a.second < b.second;
                          })->first);
  double best = 1.0;
  for (const auto& [pixel, count] : counts)
    best = std::max(best, Contrast(QColor(pixel), background));
  return best;
}

QPalette DarkDesktopPalette() {
  QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x31, 0x31, 0x31));
  dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
  dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
  dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEE));
  dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
  dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
  dark.setColor(QPalette::HighlightedText, Qt::black);
  return dark;
}

// Where each text of the window lies, in window coordinates, without frames.
std::map<std::string, QRect> TextAreas(Form1& window) {
  const auto inner = [&](const QString& name, int inset) {
    QWidget* widget = Named<QWidget>(window, name);
    return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size())
        .adjusted(inset, inset, -inset, -inset);
  };
  std::map<std::string, QRect> areas;
  for (const char* name : {"Label1", "Label2", "Label3"}) areas[name] = inner(name, 0);
  for (const char* name : {"Text2", "Text4", "Text22", "Text222", "Text10", "Text12", "Text14"}) {
    areas[name] = inner(name, 2);
  }
  for (int k = 0; k < 7; ++k) {
    areas["txtValue(" + std::to_string(k) + ")"] = inner(QString("txtValue(%1)").arg(k), 2);
    areas["txtHex(" + std::to_string(k) + ")"] = inner(QString("txtHex(%1)").arg(k), 2);
  }
  for (int b = 0; b < 8; ++b) {
    auto* box = Named<FlagCheckBox>(window, QString("chkBits(%1)").arg(b));
    areas["chkBits(" + std::to_string(b) + ")"] =
        box->captionRect().translated(box->mapTo(&window, QPoint(0, 0)));
  }
  auto* list = Named<QListWidget>(window, "lstWeapons");
  for (const int row : {0, 1}) {
    areas["lstWeapons row " + std::to_string(row)] =
        list->visualItemRect(list->item(row))
            .translated(list->viewport()->mapTo(&window, QPoint(0, 0)));
  }
  for (const char* name : {"cmdOpen", "cmdSave"}) {
    const QRect button = inner(name, 3);
    areas[name] = button.adjusted(0, button.height() / 2, 0, 0);  // the caption, under the picture
  }
  return areas;
}

class ThemedWindow : public ::testing::TestWithParam<bool> {
 protected:
  ThemedWindow() : desktop(QApplication::palette()) {
    if (GetParam()) QApplication::setPalette(DarkDesktopPalette());
  }
  ~ThemedWindow() override { QApplication::setPalette(desktop); }
  QPalette desktop;
};

TEST_P(ThemedWindow, EveryTextKeepsAtLeastAaContrast) {
  Form1 window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  for (ValueField k = 0; k < ValueFieldCount; ++k) window.setValueText(k, "188");
  window.selectWeapon(1);  // a selected row, drawn in the highlight colours
  const QImage shot = window.grab().toImage();
  for (const auto& [name, area] : TextAreas(window)) {
    EXPECT_GE(TextContrast(shot, area), 4.5) << name;
  }
}

// A person must see where the keys go: at every tab stop, taking the focus
// changes at least a frame's worth of the control's pixels by 3:1 or more.
TEST_P(ThemedWindow, EveryTabStopShowsItsFocus) {
  Form1 window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.selectWeapon(1);
  QWidget* elsewhere = Named<QWidget>(window, "txtHex(6)");
  QWidget* stop = Named<QWidget>(window, "cmdSave");
  do {
    const QRect area(stop->mapTo(&window, QPoint(0, 0)), stop->size());
    (stop == elsewhere ? Named<QWidget>(window, "cmdSave") : elsewhere)
        ->setFocus(Qt::TabFocusReason);
    const QImage unfocused = window.grab().toImage();
    stop->setFocus(Qt::TabFocusReason);
    const QImage focused = window.grab().toImage();
    EXPECT_GE(testing::VisiblyChangedPixels(unfocused, focused, area),
              2 * (area.width() + area.height()))
        << stop->objectName().toStdString();
    stop = stop->nextInFocusChain();
    while (!(stop->focusPolicy() & Qt::TabFocus) || !stop->isVisibleTo(&window))
      stop = stop->nextInFocusChain();
  } while (stop != Named<QWidget>(window, "cmdSave"));
}

INSTANTIATE_TEST_SUITE_P(LightAndDark, ThemedWindow, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Dark" : "Light"; });

TEST(WindowAccessibility, EveryControlThatTakesFocusHasAName) {
  Form1 window;
  window.show();
  int named = 0;
  for (QWidget* control : window.findChildren<QWidget*>()) {
    if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(&window)) continue;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(accessible, nullptr) << control->objectName().toStdString();
    EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
        << control->objectName().toStdString();
    ++named;
  }
  EXPECT_EQ(named, 2 + 1 + 7 * 3 + 8);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Named<QWidget>(window, "lstWeapons"))
                ->text(QAccessible::Name),
            "Weapons");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(Named<QWidget>(window, "Text12"))
                ->text(QAccessible::Name),
            "Weapon Sound Effect");
}

// A screen reader walks the whole tree, not only the tab stops: nothing it
// meets there (nothing hidden) is nameless but the grid's rules, which it is
// told are separators.
TEST(WindowAccessibility, NothingAReaderMeetsIsNameless) {
  Form1 window;
  window.show();
  std::vector<QAccessibleInterface*> unvisited{QAccessible::queryAccessibleInterface(&window)};
  int separators = 0;
  while (!unvisited.empty()) {
    QAccessibleInterface* next = unvisited.back();
    unvisited.pop_back();
    for (int i = 0; i < next->childCount(); ++i) unvisited.push_back(next->child(i));
    if (next->state().invisible) continue;
    if (next->role() == QAccessible::Separator) {
      ++separators;
      continue;
    }
    EXPECT_FALSE(next->text(QAccessible::Name).isEmpty())
        << next->object()->objectName().toStdString() << ", role " << next->role();
  }
  EXPECT_EQ(separators, 4);
}

// Title bars, task bars and window switchers each ask for another size.
// Every size the icon offers, from 16 to 256 pixels, draws a picture of
// that size, mostly opaque and of more than one colour.
TEST(WindowIcon, DrawsTheProgramIconAtEveryOfferedSize) {
  Form1 window;
  const QList<QSize> sizes = window.windowIcon().availableSizes();
  ASSERT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(256, 256)));
  for (const QSize& size : sizes) {
    SCOPED_TRACE(size.width());
    const QImage drawn = window.windowIcon().pixmap(size, 1.0).toImage();
    ASSERT_EQ(drawn.size(), size);
    int opaque = 0;
    QSet<QRgb> colours;
    for (int y = 0; y < drawn.height(); ++y) {
      for (int x = 0; x < drawn.width(); ++x) {
        opaque += qAlpha(drawn.pixel(x, y)) == 255 ? 1 : 0;
        colours.insert(drawn.pixel(x, y));
      }
    }
    EXPECT_GT(opaque, size.width() * size.height() / 4);
    EXPECT_GT(colours.size(), 1);
  }
}

// At 125 to 200 % the pictures are drawn at the largest whole multiple of
// their pixels that fits, never smoothed: only their own colours show, each
// picture pixel as a whole square.
TEST(WindowIcon, ButtonPicturesKeepTheirOwnColoursAtEveryScale) {
  const QSet<QRgb> own{qRgba(0, 0, 0, 0),     qRgb(0, 0, 0),       qRgb(0xFF, 0xFF, 0),
                       qRgb(0xC0, 0xC0, 0),   qRgb(0x80, 0x80, 0), qRgb(0xFF, 0xFF, 0xFF),
                       qRgb(0xC0, 0xC0, 0xC0)};
  const auto blackPixels = [&](const QImage& drawn) {
    int black = 0;
    for (int y = 0; y < drawn.height(); ++y) {
      for (int x = 0; x < drawn.width(); ++x) {
        EXPECT_TRUE(own.contains(drawn.pixel(x, y))) << x << "," << y;
        black += drawn.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
      }
    }
    return black;
  };
  const QSize picture(PictureWidth, PictureHeight);
  for (const QIcon& icon : {OpenFolderIcon(), DisketteIcon()}) {
    const int blackAtOne = blackPixels(icon.pixmap(picture, 1.0).toImage());
    for (const qreal scale : {1.25, 1.5, 1.75, 2.0}) {
      SCOPED_TRACE(scale);
      const QImage drawn = icon.pixmap(picture, scale).toImage();
      EXPECT_EQ(drawn.size(), picture * scale);
      const int whole = static_cast<int>(scale);
      EXPECT_EQ(blackPixels(drawn), blackAtOne * whole * whole);
    }
  }
}

// Each command's keys: its own Alt+letter, and the platform's standard keys
// (Ctrl+O and Ctrl+S here).
struct CommandKeys {
  QKeySequence open;
  QKeySequence save;
};

void PrintTo(const CommandKeys& keys, std::ostream* out) {
  *out << keys.open.toString().toStdString() << " and " << keys.save.toString().toStdString();
}

class WindowKeyboard : public ::testing::TestWithParam<CommandKeys> {};

// A shortcut acts before the next key is taken, as a person expects: a later
// key can never reach the record being saved.
TEST_P(WindowKeyboard, OpenAndSaveKeysActAsTheKeyGoesDown) {
  Form1 window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(Named<QToolButton>(window, "cmdOpen")->text(), "Open");
  EXPECT_EQ(Named<QToolButton>(window, "cmdSave")->text(), "Save");
  {
    testing::MessageBoxCatcher messages;
    QTest::keySequence(&window, GetParam().save);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith("No ROM image is open"));
  }
  // The offscreen platform gives the activation back to no one after a dialog.
  const auto reactivate = [&] {
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
  };
  ASSERT_TRUE(reactivate());
  testing::ScratchRom rom;
  testing::AnswerFileDialog(window.cdlSNES().dialog(), QString::fromStdString(rom.path));
  QTest::keySequence(&window, GetParam().open);
  ASSERT_EQ(window.selectedWeapon(), 0);
  ASSERT_TRUE(reactivate());

  auto* value = Named<QLineEdit>(window, "txtValue(0)");
  QTest::mouseClick(value, Qt::LeftButton);
  QTest::keyClicks(value, "44");
  QTest::keySequence(value, GetParam().save);
  QTest::keyClicks(value, "9");
  WeaponRecord saved = testing::RecordIn(rom.original, 0);
  saved[0] = 44;
  EXPECT_EQ(testing::ReadFile(rom.path), testing::WithRecord(rom.original, 0, saved));
}

INSTANTIATE_TEST_SUITE_P(OwnAndStandardKeys, WindowKeyboard,
                         ::testing::Values(CommandKeys{QKeySequence(Qt::ALT | Qt::Key_O),
                                                       QKeySequence(Qt::ALT | Qt::Key_S)},
                                           CommandKeys{QKeySequence(QKeySequence::Open),
                                                       QKeySequence(QKeySequence::Save)}),
                         [](const auto& info) {
                           return info.index == 0 ? "AltLetter" : "Standard";
                         });

}  // namespace
}  // namespace quorvane
