#pragma once

#include <QLineEdit>

namespace quorvane {

// A box the user reads but cannot type into (a description or a hex mirror),
// centred, on its own background. Screen readers are told it is read-only and
// not editable: Qt 6.4 reports every line edit as editable.
class ReadOnlyBox : public QLineEdit {
  Q_OBJECT

 public:
  ReadOnlyBox(QWidget* parent, const QString& name, const QColor& background);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvane
