#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

class QFileDialog;

namespace quorvane::testing {

// Closes every message box that comes up while it lives, keeping its text.
class MessageBoxCatcher {
 public:
  MessageBoxCatcher();
  const QStringList& texts() const { return texts_; }

 private:
  void closeActiveMessageBox();
  QTimer timer_;
  QStringList texts_;
};

// Once the dialog shows, types the name into it and presses Return.
void AnswerFileDialog(QFileDialog& dialog, const QString& name);

// Once the dialog shows, runs the check and cancels the dialog.
void CancelFileDialog(
    QFileDialog& dialog, const std::function<void()>& whileShown = [] {});

template <typename Widget>
Widget* Named(QWidget& window, const QString& name) {
  auto* widget = window.findChild<Widget*>(name);
  if (widget == nullptr) qFatal("no widget named %s", qPrintable(name));
  return widget;
}

}  // namespace quorvane::testing
