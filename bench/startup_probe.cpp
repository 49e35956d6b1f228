// Starts, shows one window and quits on its first paint: "form1" shows the
// editor's window, "bare" a plain Qt window holding as many controls.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QToolButton>
#include <cstring>
#include <memory>

#include "ui/form1.h"

namespace {

class QuitOnFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QObject::eventFilter(watched, event);
  }
};

std::unique_ptr<QWidget> BareWindow() {
  auto window = std::make_unique<QWidget>();
  window->setFixedSize(514, 595);
  for (int i = 0; i < 3; ++i) new QGroupBox(window.get());
  for (int i = 0; i < 2; ++i) new QToolButton(window.get());
  auto* list = new QListWidget(window.get());
  for (int i = 0; i < 91; ++i) list->addItem(QString::number(i));
  for (int i = 0; i < 3; ++i) new QLabel("Label", window.get());
  for (int i = 0; i < 4; ++i) new QWidget(window.get());
  for (int i = 0; i < 21; ++i) new QLineEdit(window.get());
  for (int i = 0; i < 8; ++i) new QCheckBox("Flag", window.get());
  return window;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
  std::unique_ptr<QWidget> window = bare ? BareWindow() : std::make_unique<quorvane::Form1>();
  QuitOnFirstPaint quitter;
  window->installEventFilter(&quitter);
  window->show();
  return QApplication::exec();
}
