#include <QApplication>

#include "rom/os_file.h"
#include "ui/form1.h"

int main(int argc, char* argv[]) {
  // A file-size limit must fail a save with a message, not end the program
  // with the user's edits in it.
  quorvane::IgnoreFileSizeSignal();
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quorvane");
  QApplication::setDesktopFileName("io.github.quorvane.quorvane");
  quorvane::Form1 window;
  window.show();
  return QApplication::exec();
}
