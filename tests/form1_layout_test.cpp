#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QToolButton>

#include "tests/window_driver.h"
#include "ui/flag_check_box.h"
#include "ui/form1.h"

namespace quorvane {
namespace {

using testing::Named;

struct Placement {
  QString name;
  int left, top, width, height;  // twips, within the parent
};

std::vector<Placement> ExpectedPlacements() {
  std::vector<Placement> table{
      {"Frame3", 0, 0, 7695, 975},       {"cmdOpen", 120, 240, 735, 615},
      {"cmdSave", 6840, 240, 735, 615},  {"lstWeapons", 0, 1080, 1455, 7785},
      {"Frame1", 1560, 960, 6135, 3255}, {"Frame2", 1560, 4200, 6135, 4695},
      {"Label3", 720, 240, 615, 255},    {"Label2", 1440, 240, 2895, 255},
      {"Label1", 4560, 240, 375, 255},   {"Line4", 720, 600, 15, 2400},
      {"Line2", 1320, 600, 15, 2400},    {"Line1", 4440, 600, 15, 2400},
      {"Line3", 5040, 600, 15, 2400},
  };
  const QStringList descriptions{"Text2", "Text4", "Text22", "Text222", "Text10", "Text12", "Text14"};
  for (int k = 0; k < 7; ++k) {
    const int top = 600 + 360 * k;
    table.push_back({QString("txtValue(%1)").arg(k), 840, top, 375, 285});
    table.push_back({descriptions[k], 1440, top, 2895, 285});
    table.push_back({QString("txtHex(%1)").arg(k), 4560, top, 375, 285});
  }
  const std::array<int, 8> flagTops{240, 840, 1440, 2040, 2520, 3000, 3480, 3960};
  for (int b = 0; b < 8; ++b) {
    const int height = (b <= 2 || b == 7) ? 615 : 495;
    table.push_back({QString("chkBits(%1)").arg(b), 240, flagTops[static_cast<std::size_t>(b)], 5655, height});
  }
  return table;
}

class WindowLayout : public ::testing::Test {
 protected:
  Form1 window;
};

TEST_F(WindowLayout, EveryControlStandsWhereTheTableSays) {
  EXPECT_EQ(window.windowTitle(), "Quorvane");
  EXPECT_EQ(window.size(), QSize(514, 595));
  // No larger than the layout with room for the scroll bars.
  const int extent = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  EXPECT_EQ(window.maximumSize(), QSize(514 + extent, 595 + extent));
  for (const Placement& p : ExpectedPlacements()) {
    const QRect shown = Named<QWidget>(window, p.name)->geometry();
    EXPECT_EQ(shown, QRect(p.left / 15, p.top / 15, p.width / 15, p.height / 15))
        << p.name.toStdString();
  }
}

TEST_F(WindowLayout, ControlsShowTheirTextsAndStartEmpty) {
  auto* list = Named<QListWidget>(window, "lstWeapons");
  ASSERT_EQ(list->count(), 91);
  EXPECT_EQ(list->item(0)->text(), "Fists");
  EXPECT_EQ(list->item(62)->text(), "Chocobo Brsh");
  EXPECT_EQ(list->item(90)->text(), "Tiger Fangs");
  EXPECT_FALSE(list->isSortingEnabled());
  EXPECT_TRUE(list->selectedItems().isEmpty());
  EXPECT_EQ(Named<QToolButton>(window, "cmdOpen")->text(), "Open");
  EXPECT_EQ(Named<QToolButton>(window, "cmdSave")->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
  EXPECT_EQ(Named<QLineEdit>(window, "Text12")->text(), "Weapon Sound Effect");
  EXPECT_EQ(Named<QLineEdit>(window, "Text14")->text(), "Unknown - Always 0");
  EXPECT_EQ(Named<QLineEdit>(window, "Text10")->text(), "Palette Used by Graphic Attack Effect");
  EXPECT_EQ(Named<QCheckBox>(window, "chkBits(3)")->text(), "Unknown 1");
  for (int k = 0; k < 7; ++k) {
    auto* value = Named<QLineEdit>(window, QString("txtValue(%1)").arg(k));
    auto* hex = Named<QLineEdit>(window, QString("txtHex(%1)").arg(k));
    EXPECT_TRUE(value->text().isEmpty() && hex->text().isEmpty()) << k;
    EXPECT_EQ(value->maxLength(), 3);
    EXPECT_FALSE(value->isReadOnly());
    EXPECT_TRUE(hex->isReadOnly());
    EXPECT_EQ(hex->alignment(), Qt::AlignCenter);
    EXPECT_FALSE(value->accessibleName().isEmpty());
  }
  for (int b = 0; b < 8; ++b) {
    EXPECT_EQ(Named<QCheckBox>(window, QString("chkBits(%1)").arg(b))->checkState(), Qt::Unchecked);
  }
}

TEST_F(WindowLayout, HeadingsAreBoldUnderlinedDarkGreyAndCentred) {
  for (const char* name : {"Label1", "Label2", "Label3"}) {
    auto* heading = Named<QLabel>(window, name);
    EXPECT_TRUE(heading->font().bold() && heading->font().underline()) << name;
    EXPECT_DOUBLE_EQ(heading->font().pointSizeF(), 8.25);
    EXPECT_EQ(heading->alignment(), Qt::AlignCenter);
  }
  const QImage shot = window.grab().toImage();
  const QRect hex = Named<QWidget>(window, "txtHex(0)")->geometry().translated(104, 64);
  const QRect text = Named<QWidget>(window, "Text2")->geometry().translated(104, 64);
  EXPECT_EQ(shot.pixelColor(hex.left() + 3, hex.center().y()), QColor(0x80, 0x80, 0x80));
  EXPECT_EQ(shot.pixelColor(text.right() - 3, text.center().y()), QColor(0xC0, 0xC0, 0xC0));
}

TEST_F(WindowLayout, FocusMovesInTheListedOrderStartingAtSave) {
  std::vector<QString> expected{"cmdSave", "cmdOpen", "txtValue(0)", "lstWeapons", "chkBits(0)",
                                "Text2",   "Text4",   "Text22",      "Text222",    "Text10",
                                "Text14",  "Text12",  "txtHex(0)"};
  for (int k = 1; k < 7; ++k) expected.push_back(QString("txtValue(%1)").arg(k));
  for (int b = 1; b < 8; ++b) expected.push_back(QString("chkBits(%1)").arg(b));
  for (int k = 1; k < 7; ++k) expected.push_back(QString("txtHex(%1)").arg(k));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  std::vector<QString> visited;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    visited.push_back(QApplication::focusWidget()->objectName());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  EXPECT_EQ(visited, expected);
}

// Made smaller than its layout, as on a small screen at a large scale, the
// window scrolls: the layout keeps its size, and a control reached by Tab
// comes into view.
TEST_F(WindowLayout, SmallerItScrollsToTheFocusedControl) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const auto shownWhole = [&](const QString& name) {
    auto* control = Named<QWidget>(window, name);
    const QRect inWindow(control->mapTo(&window, QPoint(0, 0)), control->size());
    QRegion shown(window.rect());
    const auto* view = Named<QWidget>(window, "scrollingView");
    for (auto* bar : view->findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly)) {
      if (bar->isVisible()) shown -= bar->geometry();
    }
    return (QRegion(inWindow) - shown).isEmpty();
  };
  EXPECT_TRUE(shownWhole("chkBits(7)"));
  window.resize(400, 300);
  QApplication::processEvents();
  EXPECT_FALSE(shownWhole("chkBits(7)"));
  for (QWidget* focus = QApplication::focusWidget(); focus->objectName() != "chkBits(7)";
       focus = QApplication::focusWidget()) {
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  EXPECT_TRUE(shownWhole("chkBits(7)"));
  EXPECT_EQ(Named<QWidget>(window, "chkBits(7)")->size(), QSize(377, 41));
}

TEST_F(WindowLayout, EveryTextFitsItsBox) {
  const auto inner = [](QLineEdit* box) { return box->width() - 2 * (1 + 2); };
  for (int k = 0; k < 7; ++k) {
    auto* value = Named<QLineEdit>(window, QString("txtValue(%1)").arg(k));
    EXPECT_LE(value->fontMetrics().horizontalAdvance("255"), inner(value));
    EXPECT_LE(value->fontMetrics().height(), value->height() - 2);
  }
  for (const char* name : {"Text2", "Text4", "Text22", "Text222", "Text10", "Text12", "Text14"}) {
    auto* description = Named<QLineEdit>(window, name);
    EXPECT_LE(description->fontMetrics().horizontalAdvance(description->text()), inner(description))
        << name;
  }
  for (int b = 0; b < 8; ++b) {
    auto* box = Named<FlagCheckBox>(window, QString("chkBits(%1)").arg(b));
    const QRect needed = box->fontMetrics().boundingRect(box->captionRect(), Qt::TextWordWrap, box->text());
    EXPECT_LE(needed.height(), box->captionRect().height()) << b;
  }
}

TEST_F(WindowLayout, RendersToAPicture) {
  window.show();
  EXPECT_TRUE(window.grab().save(QUORVANE_SCREENSHOT));
}

}  // namespace
}  // namespace quorvane
