#include <QApplication>

#include "ui/form1.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quorvane");
  QApplication::setDesktopFileName("io.github.quorvane.quorvane");
  quorvane::Form1 window;
  window.show();
  return QApplication::exec();
}
