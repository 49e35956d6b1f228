// The real window saving past a file-size limit: a program of its own, which
// SizeLimitedWindow.SaveBeyondTheLimitIsToldAndTheProgramLivesOn starts under
// prlimit. Says on standard error what went wrong, and exits 0 when nothing did.
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <cstdio>

#include "rom/os_file.h"
#include "tests/window_driver.h"
#include "ui/form1.h"

namespace {

int Failed(const QString& what) {
  std::fprintf(stderr, "%s\n", qPrintable(what));
  return 1;
}

// Save must report "File too large", and the program must live on with the
// user's edit in its box.
int SaveBeyondTheLimit(const QString& image) {
  using namespace quorvane;
  Form1 window;
  window.show();
  testing::MessageBoxCatcher messages;
  testing::AnswerFileDialog(window.cdlSNES().dialog(), image);
  QTest::mouseClick(testing::Named<QToolButton>(window, "cmdOpen"), Qt::LeftButton);
  auto* value = testing::Named<QLineEdit>(window, "txtValue(0)");
  QTest::mouseClick(value, Qt::LeftButton);
  QTest::keyClicks(value, "7");
  QTest::mouseClick(testing::Named<QToolButton>(window, "cmdSave"), Qt::LeftButton);
  if (messages.texts().size() != 1) return Failed("Save showed no message, or more than one");
  if (!messages.texts()[0].endsWith("Reason: File too large."))
    return Failed("Save said: " + messages.texts()[0]);
  if (value->text() != "7") return Failed("the edit left its box: " + value->text());
  window.selectWeapon(1);
  if (messages.texts().size() != 1) return Failed("the next selection failed too");
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  quorvane::IgnoreFileSizeSignal();  // as the program does
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
  qputenv("XDG_RUNTIME_DIR", settings.path().toUtf8());
  QApplication application(argc, argv);
  if (argc != 2) return Failed("usage: quorvane_size_limited_window IMAGE");
  return SaveBeyondTheLimit(QString::fromUtf8(argv[1]));
}
