#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QProxyStyle>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "tests/temp_rom.h"
#include "tests/visible.h"
#include "tests/window_driver.h"
#include "ui/form1.h"
#include "ui/message_text.h"
#include "ui/warning_box.h"

namespace quorvane {
namespace {

using testing::Bytes;
using testing::HandlesOpenOn;
using testing::Named;
using testing::ReadFile;

// The dialog gives names with forward slashes on every platform.
bool SamePath(const std::string& a, const std::string& b) {
  return testing::PathOf(a).lexically_normal() == testing::PathOf(b).lexically_normal();
}

class Window : public ::testing::Test {
 protected:
  Window() {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  QLineEdit* value(int k) { return Named<QLineEdit>(window, QString("txtValue(%1)").arg(k)); }
  QLineEdit* hex(int k) { return Named<QLineEdit>(window, QString("txtHex(%1)").arg(k)); }
  QCheckBox* flag(int b) { return Named<QCheckBox>(window, QString("chkBits(%1)").arg(b)); }
  QListWidget* list() { return Named<QListWidget>(window, "lstWeapons"); }
  void click(const char* button) {
    QTest::mouseClick(Named<QToolButton>(window, button), Qt::LeftButton);
  }
  void cancelTheNextDialog() { testing::CancelFileDialog(window.cdlSNES().dialog()); }
  void openThroughTheDialog(const std::string& path) {
    testing::AnswerFileDialog(window.cdlSNES().dialog(), QString::fromStdString(path));
    click("cmdOpen");
  }

  Form1 window;
};

TEST_F(Window, TypicalRoadFromOpenToSaveChangesOnlyTheOneRecord) {
  testing::ScratchFolder folder;
  std::filesystem::create_directory(folder.path() / testing::PathOf("ROMs ü ロム"));
  const std::string path = folder.file("ROMs ü ロム/my game.sfc");
  const Bytes original = testing::SeededBytes(testing::RomSize, 7);
  testing::WriteFile(path, original);

  openThroughTheDialog(path);
  EXPECT_EQ(window.selectedWeapon(), 0);
  const WeaponRecord fists = testing::RecordIn(original, 0);
  EXPECT_EQ(value(0)->text(), QString::number(fists[0]));
  EXPECT_EQ(hex(5)->text(), QString("%1").arg(fists[6], 2, 16, QChar('0')).toUpper());

  list()->setFocus();
  for (int i = 0; i < 29; ++i) QTest::keyClick(list(), Qt::Key_Down);
  ASSERT_EQ(list()->currentItem()->text(), "Atma Weapon");
  WeaponRecord expected = testing::RecordIn(original, 29);
  EXPECT_EQ(value(6)->text(), QString::number(expected[7]));

  QTest::mouseClick(value(0), Qt::LeftButton);
  EXPECT_EQ(value(0)->selectedText(), value(0)->text());
  QTest::keyClicks(value(0), "9");
  EXPECT_EQ(value(0)->text(), "9");
  QTest::mouseClick(value(3), Qt::LeftButton);
  QTest::keyClicks(value(3), "999");
  EXPECT_EQ(value(3)->text(), "255");
  EXPECT_EQ(hex(3)->text(), "FF");
  const bool wasTicked = flag(4)->isChecked();
  QTest::mouseClick(flag(4), Qt::LeftButton, {}, QPoint(flag(4)->width() - 20, 10));
  EXPECT_NE(flag(4)->isChecked(), wasTicked);

  click("cmdSave");
  expected[0] = 9;
  expected[3] = 255;
  expected[5] ^= 0x10;
  EXPECT_EQ(ReadFile(path), testing::WithRecord(original, 29, expected));
  EXPECT_EQ(HandlesOpenOn(path), 0);
}

// A sparse image of 3 MiB and 512 bytes: Open shows weapon 0 and warns, once,
// of the copier header its length suggests, and changes no byte.
TEST_F(Window, OpenWarnsOfAHeaderedImageAndStillShowsWeaponZero) {
  testing::ScratchFolder folder;
  const std::string name = folder.file("headered.smc");
  testing::WriteFile(name, testing::WithRecord({}, 0, {1, 2, 3, 4, 5, 0x85, 7, 8}));
  std::filesystem::resize_file(testing::PathOf(name), testing::RomSize + 512);
  const Bytes before = ReadFile(name);
  testing::MessageBoxCatcher messages;
  openThroughTheDialog(name);
  ASSERT_EQ(messages.texts().size(), 1);
  EXPECT_EQ(messages.texts()[0],
            "This file seems to start with a 512-byte copier header:\n" +
                QDir::toNativeSeparators(QString::fromStdString(name)) +
                "\n\nIt is 3,146,240 bytes long, 512 bytes over a whole number of kibibytes, as "
                "an image with such a header is. Quorvane reads and writes the weapon table at "
                "0x2CE600 of the file as it stands, so in such an image the values shown are not "
                "the weapons', and Save would change other data. To edit this image, use a copy "
                "of it without its first 512 bytes.");
  EXPECT_EQ(window.selectedWeapon(), 0);
  EXPECT_EQ(value(6)->text(), "8");
  EXPECT_EQ(ReadFile(name), before);
  EXPECT_EQ(HandlesOpenOn(name), 0);
}

TEST_F(Window, FailuresAreShownAndTheWindowCarriesOn) {
  testing::ScratchRom rom;
  testing::MessageBoxCatcher messages;
  click("cmdSave");
  ASSERT_EQ(messages.texts().size(), 1);
  EXPECT_TRUE(messages.texts()[0].contains("No ROM image is open"))
      << messages.texts()[0].toStdString();

  openThroughTheDialog(rom.path);
  std::filesystem::remove(testing::PathOf(rom.path));
  std::filesystem::create_directory(testing::PathOf(rom.path));
  cancelTheNextDialog();
  click("cmdOpen");  // a cancel probes the current name again
  ASSERT_EQ(messages.texts().size(), 2);
  EXPECT_EQ(messages.texts()[1], "Could not open this file:\n" +
                                     QDir::toNativeSeparators(QString::fromStdString(rom.path)) +
                                     "\n\nReason: Is a directory, not a regular file. Nothing was "
                                     "read from it or written to it.");
  EXPECT_EQ(window.selectedWeapon(), -1);

  std::filesystem::remove(testing::PathOf(rom.path));
  testing::WriteFile(rom.path, rom.original);
  cancelTheNextDialog();
  click("cmdOpen");
  EXPECT_EQ(messages.texts().size(), 2);
  EXPECT_EQ(window.selectedWeapon(), 0);
  click("cmdSave");
  EXPECT_EQ(ReadFile(rom.path), rom.original);
  EXPECT_EQ(HandlesOpenOn(rom.path), 0);
}

// A folder name may be 255 characters long without a separator; the message
// breaks it wherever it must, so every character shows, in a box no wider
// than half the screen, also after the desktop hands the open box another
// style or a larger font.
TEST_F(Window, ALongNameShowsWholeInAMessage) {
  testing::ScratchFolder folder;
  std::filesystem::create_directory(folder.path() / std::string(200, 'n'));
  const std::string name = folder.file(std::string(200, 'n') + "/new.sfc");
  const QString shownName = QDir::toNativeSeparators(QString::fromStdString(name));
  // A style set on a widget stays its caller's to delete.
  const std::unique_ptr<QStyle> otherStyle(QStyleFactory::create("Windows"));
  std::vector<std::pair<int, int>> linesShownAndNeeded;
  int widest = 0;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    auto* box = qobject_cast<WarningBox*>(QApplication::activeModalWidget());
    // Measured as a person sees it: once the box has taken the size it asks
    // for, which the window system gives it a moment after a change.
    if (box == nullptr || !box->isVisible() || box->size() != box->minimumSize()) return;
    auto* text = box->findChild<MessageText*>();
    const int nameLines =
        (text->fontMetrics().horizontalAdvance(shownName) + text->width() - 1) / text->width();
    // The action, the name, the reason.
    linesShownAndNeeded.emplace_back(testing::TextLines(text->grab().toImage()), 1 + nameLines + 1);
    widest = std::max(widest, box->width());  // the frame is the window manager's
    if (linesShownAndNeeded.size() == 1) {
      box->setStyle(otherStyle.get());
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    } else if (linesShownAndNeeded.size() == 2) {
      QFont larger = box->font();
      larger.setPointSizeF(larger.pointSizeF() * 1.5);
      box->setFont(larger);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    } else {
      box->accept();
    }
  });
  watch.start(5);
  openThroughTheDialog(name);
  ASSERT_EQ(linesShownAndNeeded.size(), 3u);
  for (const auto& [shown, needed] : linesShownAndNeeded) EXPECT_GE(shown, needed);
  EXPECT_LE(widest, window.screen()->availableGeometry().width() / 2);
}

// A style that centres a message box's buttons, as some desktops' do.
class CentringStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returned) const override {
    if (hint == SH_MessageBox_CenterButtons) return 1;
    return QProxyStyle::styleHint(hint, option, widget, returned);
  }
};

// The warning looks as Qt's own message box would: the same title bar
// buttons, and its button centred where the style says so.
TEST(WarningBoxLook, IsAsQtsOwnMessageBoxWouldBe) {
  CentringStyle centring;
  WarningBox box("Quorvane", "No ROM image is open.", nullptr);
  EXPECT_EQ(box.windowFlags(), QMessageBox().windowFlags());
  const auto* buttons = box.findChild<QDialogButtonBox*>();
  EXPECT_FALSE(buttons->centerButtons());
  box.setStyle(&centring);
  EXPECT_TRUE(buttons->centerButtons());
}

TEST_F(Window, AFailedLoadUnselectsSoSaveCannotWriteTheOldValues) {
  testing::ScratchRom rom(0x2CE600 + 8 * 10);
  testing::MessageBoxCatcher messages;
  openThroughTheDialog(rom.path);
  ASSERT_EQ(messages.texts().size(), 1);  // the cut image, told at Open
  EXPECT_TRUE(messages.texts()[0].contains("Every weapon from weapon 10 (ValiantKnife) on"));
  QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                    list()->visualItemRect(list()->item(12)).center());
  ASSERT_EQ(messages.texts().size(), 2);
  EXPECT_TRUE(messages.texts()[1].contains("Could not read weapon 12 (RegalCutlass)"));
  EXPECT_EQ(window.selectedWeapon(), -1);
  QTRY_VERIFY(list()->selectedItems().isEmpty());
  click("cmdSave");
  EXPECT_EQ(messages.texts().size(), 3);
  EXPECT_EQ(ReadFile(rom.path), rom.original);
  EXPECT_EQ(HandlesOpenOn(rom.path), 0);
}

TEST_F(Window, AFailureReachedByKeyboardIsShownOnce) {
  testing::ScratchRom rom;
  testing::MessageBoxCatcher messages;
  openThroughTheDialog(rom.path);
  std::filesystem::remove(testing::PathOf(rom.path));
  std::filesystem::create_directory(testing::PathOf(rom.path));
  list()->setFocus();
  QTest::keyClick(list(), Qt::Key_Down);
  QTRY_VERIFY(list()->selectedItems().isEmpty());
  ASSERT_EQ(messages.texts().size(), 1) << messages.texts().join("\n---\n").toStdString();
  EXPECT_TRUE(messages.texts()[0].startsWith("Could not read weapon 1 (Dirk)"));
  EXPECT_EQ(window.selectedWeapon(), -1);
}

TEST_F(Window, TheDialogStartsFromTheLastNameAndCancelKeepsIt) {
  testing::ScratchRom rom;
  openThroughTheDialog(rom.path);
  QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                    list()->visualItemRect(list()->item(3)).center());
  QString startedFrom;
  QString startedIn;
  testing::CancelFileDialog(window.cdlSNES().dialog(), [&] {
    startedFrom = window.cdlSNES().dialog().selectedFiles().value(0);
    startedIn = window.cdlSNES().dialog().directory().absolutePath();
  });
  click("cmdOpen");
  EXPECT_TRUE(SamePath(startedFrom.toStdString(), rom.path)) << startedFrom.toStdString();
  EXPECT_TRUE(SamePath(startedIn.toStdString(), rom.folder.name())) << startedIn.toStdString();
  EXPECT_TRUE(SamePath(window.cdlSNES().fileName(), rom.path)) << window.cdlSNES().fileName();
  EXPECT_EQ(window.selectedWeapon(), 0);
}

TEST_F(Window, ValueBoxesTakeDigitsOnly) {
  QTest::mouseClick(value(2), Qt::LeftButton);
  QTest::keyClicks(value(2), "a-1 b2.");
  EXPECT_EQ(value(2)->text(), "12");
  QApplication::clipboard()->setText("x9");
  QTest::keySequence(value(2), QKeySequence::Paste);
  EXPECT_EQ(value(2)->text(), "129");  // a paste keeps its digits, as many as fit
  for (int i = 0; i < 3; ++i) QTest::keyClick(value(2), Qt::Key_Backspace);
  EXPECT_EQ(value(2)->text(), "0");
  EXPECT_EQ(hex(2)->text(), "00");

  // An input method may name a place past the end of the text.
  value(2)->setText("69");
  QInputMethodEvent pastTheEnd;
  pastTheEnd.setCommitString("7", 1, 0);
  QApplication::sendEvent(value(2), &pastTheEnd);
  EXPECT_EQ(value(2)->text(), "255");  // "697", with no blank padded in
  QInputMethodEvent overTheLastDigit;
  overTheLastDigit.setCommitString("x 4", -1, 1);
  QApplication::sendEvent(value(2), &overTheLastDigit);
  EXPECT_EQ(value(2)->text(), "254");

  value(2)->setText("64");
  QMimeData dragged;
  dragged.setText("a1");
  QDropEvent drop(QPointF(1, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
  static_cast<QObject*>(value(2))->event(&drop);  // no drag is under way to deliver it
  EXPECT_EQ(value(2)->text(), "164");
}

// Qt's own dialog completes the typed name in a popup list, which must not
// outlive the dialog and keep the keyboard from the window.
TEST_F(Window, AcceptingTheDialogClosesItsCompletionList) {
  testing::ScratchRom rom;
  QFileDialog& dialog = window.cdlSNES().dialog();
  QWidget* list = nullptr;
  testing::CancelFileDialog(dialog, [&] {
    QCompleter* completer = Named<QLineEdit>(dialog, "fileNameEdit")->completer();
    completer->complete();
    list = completer->popup();
  });
  click("cmdOpen");
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(list->isVisible());
}

TEST_F(Window, AFlagBoxTogglesFromItsCaptionAndFromSpace) {
  QCheckBox* box = flag(0);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() / 2, box->height() / 2));
  EXPECT_TRUE(box->isChecked());
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Space);
  EXPECT_FALSE(box->isChecked());
}

}  // namespace
}  // namespace quorvane
