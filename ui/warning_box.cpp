#include "ui/warning_box.h"

#include <QAccessible>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "ui/message_text.h"
#include "ui/warning_accessibility.h"

namespace quorvane {

namespace {

// Qt's own limit for a message box's width.
constexpr int WidestBox = 500;

}  // namespace

// Screen readers are told what the parts are before the first is made, as
// Qt hands them each part as it is made.
WarningBox::WarningBox(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent) {
  MakeWarningsHeard();
  icon_ = new QLabel(this);
  message_ = new MessageText(text, this);
  setWindowTitle(title);
  icon_->setAccessibleName(tr("Warning"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(icon_, 0, 0, Qt::AlignTop);
  layout->addWidget(message_, 0, 1);
  layout->addWidget(buttons, 1, 0, 1, 2);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setDefault(true);
  ok->setFocus();
  fitToStyleAndScreen();
}

const QString& WarningBox::text() const { return message_->text(); }

// Told as Qt tells its own message box: the alert, then what it holds.
void WarningBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

void WarningBox::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange) {
    fitToStyleAndScreen();
  }
}

// Ctrl+C copies the whole message, wherever the focus is in the box.
void WarningBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    QGuiApplication::clipboard()->setText(text());
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// The style gives the icon and the margins; what is left of the widest box
// is the message's.
void WarningBox::fitToStyleAndScreen() {
  const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon_->setPixmap(style()
                       ->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this)
                       .pixmap(QSize(iconSize, iconSize), devicePixelRatio()));
  auto* grid = static_cast<QGridLayout*>(layout());
  const QMargins margins = grid->contentsMargins();
  const int widest = std::min(screen()->availableGeometry().width() / 2, WidestBox);
  message_->setWidthLimit(widest - margins.left() - margins.right() - iconSize -
                          grid->horizontalSpacing());
}

}  // namespace quorvane
