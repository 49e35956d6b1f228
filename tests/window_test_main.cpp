#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "rom/os_file.h"

// Window tests need no display: they run on Qt's offscreen platform. They also
// keep the dialog's remembered state in a folder of their own, so no earlier
// run or other program changes how the dialog starts.
int main(int argc, char* argv[]) {
  quorvane::IgnoreFileSizeSignal();  // as the program does
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef Q_OS_WIN
  // On Windows the offscreen platform finds no fonts unless told where they
  // are, and Wine passes no QT_ variable in from outside.
  if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
    const QByteArray given = qgetenv("QUORVANE_FONT_DIR");
    qputenv("QT_QPA_FONTDIR", given.isEmpty() ? qgetenv("SystemRoot") + "\\Fonts" : given);
  }
#endif
  QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
  qputenv("XDG_RUNTIME_DIR", settings.path().toUtf8());
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
