// A warning as it reaches a person on an X11 desktop: what a screen reader
// finds through AT-SPI, and what each way of copying leaves on the
// clipboard, read back by other programs. Run by tests/with_screen_reader_bus.sh.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <functional>

#include "ui/failure_text.h"
#include "ui/message_text.h"
#include "ui/warning_box.h"

namespace quorvane {
namespace {

// A name of 38 characters with no space, as files are often named, and a
// name in a folder of 200 characters.
const std::vector<std::string> LongNames{"/roms/weapon_looks_and_sounds_second_try.sfc",
                                         "/roms/" + std::string(200, 'n') + "/game.sfc"};

// What Open tells of an image, so named, that ends before the table does.
ImageWarning CutImageNamed(const std::string& name) {
  return {ImageWarning::Kind::CutShort, name, 0x2CE600 + 8 * 10, 10};
}

// Runs another program and serves this one's events meanwhile, as the
// program may be asking this one for its clipboard or its accessible tree.
QString OutputOf(const QString& program, const QStringList& arguments) {
  QProcess process;
  QEventLoop serving;
  QObject::connect(&process, &QProcess::finished, &serving, &QEventLoop::quit);
  QObject::connect(&process, &QProcess::errorOccurred, &serving, &QEventLoop::quit);
  process.start(program, arguments);
  serving.exec();
  return QString::fromUtf8(process.readAllStandardOutput());
}

std::string Clipboard(const char* selection = "clipboard") {
  return OutputOf("xclip", {"-o", "-selection", selection, "-t", "UTF8_STRING"}).toStdString();
}

// What a screen reader finds of the warning showing: the alert's name, then
// the names of the labels in it.
std::vector<std::string> HeardOfTheAlert() {
  const QString pid = QString::number(QCoreApplication::applicationPid());
  std::vector<std::string> heard;
  for (const QJsonValue name :
       QJsonDocument::fromJson(OutputOf(QUORVANE_ALERT_READER, {pid}).toUtf8()).array()) {
    heard.push_back(name.toString().toStdString());
  }
  return heard;
}

// Right-clicks the text and picks the entry of its menu named so.
void PickFromTheMenu(MessageText& text, const QString& entry) {
  QTimer::singleShot(0, [entry] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
      if (action->text().remove('&').startsWith(entry)) action->trigger();
    }
    menu->close();
  });
  QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2), text.mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(text.viewport(), &request);
}

void ExpectEveryCopyHolds(WarningBox& box, const std::string& written) {
  auto* text = box.findChild<MessageText*>();
  // Plain text alone: no form of the box's own comes along into a mail.
  const auto copiedBy = [&](const char* route, const std::function<void()>& copy) {
    QGuiApplication::clipboard()->setText("nothing copied yet");
    copy();
    EXPECT_EQ(Clipboard(), written) << route;
    const QString offered = OutputOf("xclip", {"-o", "-selection", "clipboard", "-t", "TARGETS"});
    for (const char* rich : {"text/html", "markdown", "opendocument"})
      EXPECT_FALSE(offered.contains(rich, Qt::CaseInsensitive)) << route << " offers " << rich;
  };
  const auto pressCopy = [] { QTest::keySequence(QApplication::focusWidget(), QKeySequence::Copy); };
  copiedBy("Ctrl+C with nothing selected", pressCopy);
  copiedBy("a selection by mouse, then Ctrl+C", [&] {
    const QPoint end(text->width() - 1, text->height() - 1);
    QTest::mousePress(text->viewport(), Qt::LeftButton, {}, QPoint(0, 1));
    QTest::mouseMove(text->viewport(), end);
    QTest::mouseRelease(text->viewport(), Qt::LeftButton, {}, end);
    EXPECT_EQ(Clipboard("primary"), written) << "the selection by mouse itself";
    pressCopy();
  });
  copiedBy("Ctrl+C in the text with nothing selected", [&] {
    text->setFocus();
    QTextCursor caret = text->textCursor();
    caret.clearSelection();
    text->setTextCursor(caret);
    pressCopy();
  });
  copiedBy("a selection by keyboard, then Ctrl+C", [&] {
    box.findChild<QPushButton*>()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::SelectAll);
    pressCopy();
  });
  copiedBy("the menu's Select All, then its Copy", [&] {
    PickFromTheMenu(*text, "Select All");
    PickFromTheMenu(*text, "Copy");
  });
}

// The warning the window shows of a cut image, named so; the window's own
// tests show that it shows its warnings in this box.
TEST(WarningOnX11, IsHeardAsAnAlertAndCopiedAsWritten) {
  for (const std::string& name : LongNames) {
    const QString written = WarningText(CutImageNamed(name));
    WarningBox box("Quorvane", written, nullptr);
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    EXPECT_EQ(HeardOfTheAlert(), (std::vector<std::string>{"Quorvane", written.toStdString()}));
    ExpectEveryCopyHolds(box, written.toStdString());
  }
}

}  // namespace
}  // namespace quorvane
