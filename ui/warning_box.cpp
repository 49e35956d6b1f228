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
#include <QWindow>

#include "ui/message_text.h"
#include "ui/warning_accessibility.h"

namespace quorvane {

namespace {

// Qt's own limit for a message box's width.
constexpr int WidestBox = 500;

}  // namespace

// Screen readers are told what the parts are before the first is made, as
// Qt hands them each part as it is made.
// The title bar offers what Qt's own message box's offers: a close button,
// and neither minimise nor maximise for a box of fixed size.
WarningBox::WarningBox(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  MakeWarningsHeard();
  icon_ = new QLabel(this);
  message_ = new MessageText(text, this);
  setWindowTitle(title);
  icon_->setAccessibleName(tr("Warning"));
  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QGridLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(icon_, 0, 0, Qt::AlignTop);
  layout->addWidget(message_, 0, 1);
  layout->addWidget(buttons_, 1, 0, 1, 2);
  QPushButton* ok = buttons_->button(QDialogButtonBox::Ok);
  ok->setDefault(true);
  ok->setFocus();
  fitToStyleAndScreen();
}

const QString& WarningBox::text() const { return message_->text(); }

// Each showing is fitted to the screen it comes up on, and sends the alert
// event once, as Qt does for its own message box; a window system's own show,
// as when the box is restored, is no new showing. Qt's AT-SPI bridge passes
// this event on to no one: on Linux a screen reader hears the box as an alert
// by its role alone, as it shows.
void WarningBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  fitToStyleAndScreen();
  connect(windowHandle(), &QWindow::screenChanged, this, &WarningBox::fitToStyleAndScreen,
          Qt::UniqueConnection);
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

bool WarningBox::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::StyleChange:
    case QEvent::FontChange:
// Qt tells a widget of a new device-pixel ratio on its own screen from 6.6
// on; before, only the move to another screen tells it.
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    case QEvent::DevicePixelRatioChange:
#endif
      fitToStyleAndScreen();
      break;
    default:
      break;
  }
  return QDialog::event(event);
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

// The style gives the icon, the margins and where the buttons stand; what is
// left of the widest box is the message's.
void WarningBox::fitToStyleAndScreen() {
  buttons_->setCenterButtons(style()->styleHint(QStyle::SH_MessageBox_CenterButtons, nullptr, this));
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
