#include "ui/warning_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/message_text.h"
#include "ui/warning_box.h"

namespace quorvane {

namespace {

// The message is read as one label, as a message box's is: no caret, no
// inner parts, no scroll bars.
class MessageTextAccessible : public QAccessibleWidget {
 public:
  explicit MessageTextAccessible(MessageText* text)
      : QAccessibleWidget(text, QAccessible::StaticText) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return static_cast<MessageText*>(widget())->text();
    return QAccessibleWidget::text(kind);
  }
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

QAccessibleInterface* WarningInterface(const QString&, QObject* object) {
  if (auto* text = qobject_cast<MessageText*>(object)) return new MessageTextAccessible(text);
  if (auto* box = qobject_cast<WarningBox*>(object)) {
    return new QAccessibleWidget(box, QAccessible::AlertMessage);
  }
  return nullptr;
}

}  // namespace

void MakeWarningsHeard() {
  static bool installed = false;
  if (installed) return;
  QAccessible::installFactory(WarningInterface);
  installed = true;
}

}  // namespace quorvane
