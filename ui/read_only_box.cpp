#include "ui/read_only_box.h"

#include <QAccessibleWidget>

#include "ui/box_look.h"

namespace quorvane {

namespace {

// What a screen reader learns of a read-only box: its text, its selection and
// where its characters lie, all read from the box itself.
class ReadOnlyBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ReadOnlyBoxAccessible(QLineEdit* box)
      : QAccessibleWidget(box, QAccessible::EditableText), box_(box) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    return state;
  }
  QString text(QAccessible::Text kind) const override {
    return kind == QAccessible::Value ? box_->text() : QAccessibleWidget::text(kind);
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !box_->hasSelectedText()) return;
    *start = box_->selectionStart();
    *end = box_->selectionEnd();
  }
  int selectionCount() const override { return box_->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { box_->deselect(); }
  void setSelection(int, int start, int end) override { box_->setSelection(start, end - start); }
  int cursorPosition() const override { return box_->cursorPosition(); }
  void setCursorPosition(int position) override { box_->setCursorPosition(position); }
  QString text(int start, int end) const override { return box_->text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(box_->text().size()); }
  // The text is drawn centred in the box.
  QRect characterRect(int offset) const override {
    const QString text = box_->text();
    if (offset < 0 || offset >= text.size()) return {};
    const QFontMetrics metrics = box_->fontMetrics();
    const QRect inside = box_->contentsRect();
    const int left = inside.left() + (inside.width() - metrics.horizontalAdvance(text)) / 2;
    const QRect character(left + metrics.horizontalAdvance(text.left(offset)), inside.top(),
                          metrics.horizontalAdvance(text.at(offset)), inside.height());
    return character.translated(box_->mapToGlobal(QPoint(0, 0)));
  }
  int offsetAtPoint(const QPoint& point) const override {
    return box_->cursorPositionAt(box_->mapFromGlobal(point));
  }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QLineEdit* box_;
};

QAccessibleInterface* ReadOnlyBoxAccessibility(const QString& className, QObject* object) {
  if (className != ReadOnlyBox::staticMetaObject.className()) return nullptr;
  return new ReadOnlyBoxAccessible(static_cast<ReadOnlyBox*>(object));
}

}  // namespace

ReadOnlyBox::ReadOnlyBox(QWidget* parent, const QString& name, const QColor& background)
    : QLineEdit(parent) {
  // Installing the same factory again changes nothing; it answers for this class alone.
  QAccessible::installFactory(ReadOnlyBoxAccessibility);
  setObjectName(name);
  setReadOnly(true);
  setAlignment(Qt::AlignCenter);
  GiveBoxLook(*this, background);
}

void ReadOnlyBox::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  PaintBoxBorder(*this);
}

}  // namespace quorvane
