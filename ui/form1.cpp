#include "ui/form1.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/classic_palette.h"
#include "ui/failure_text.h"
#include "ui/flag_check_box.h"
#include "ui/focus_frame.h"
#include "ui/form1_layout.h"
#include "ui/grid_line.h"
#include "ui/held_key_guard.h"
#include "ui/picture_button.h"
#include "ui/pixel_icons.h"
#include "ui/read_only_box.h"
#include "ui/scrolling_view.h"
#include "ui/value_box.h"
#include "ui/warning_box.h"
#include "ui/window_fonts.h"

namespace quorvane {

namespace {

using layout::TwipsPerPixel;
// QLineEdit keeps 2 pixels either side of its text, inside a 1-pixel frame.
constexpr int LineEditTextInset = 2 * (1 + 2);

const QColor DescriptionBackground(0xC0, 0xC0, 0xC0);
const QColor HexBackground(0x80, 0x80, 0x80);

QRect Pixels(layout::Twips at) {
  return {at.left / TwipsPerPixel, at.top / TwipsPerPixel, at.width / TwipsPerPixel,
          at.height / TwipsPerPixel};
}

layout::Twips InRow(layout::Column column, int row) {
  return {column.left, layout::Rows.top + layout::Rows.pitch * row, column.width,
          layout::Rows.height};
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString FieldLabel(ValueField field) {
  return Text(ValueFieldLabels[static_cast<std::size_t>(field)]);
}

QString WidestFieldLabel() {
  QString widest;
  for (const auto label : ValueFieldLabels) {
    if (label.size() > static_cast<std::size_t>(widest.size())) widest = Text(label);
  }
  return widest;
}

// A frame has no caption; its name tells a screen reader what it holds.
QGroupBox* Frame(QWidget* parent, const char* name, const QString& holds) {
  auto* frame = new QGroupBox(parent);
  frame->setObjectName(name);
  frame->setAccessibleName(holds);
  return frame;
}

}  // namespace

Form1::Form1() : cdlSNES_(this), editor_(*this, cdlSNES_) {
  setObjectName("Form1");
  setWindowTitle("Quorvane");
  setWindowIcon(ProgramIcon());
  setPalette(ClassicPalette());
  setFont(ControlFont(WidestFieldLabel(),
                      layout::Rows.description.width / TwipsPerPixel - LineEditTextInset));
  buildClientArea();
  buildButtonBar();
  buildWeaponList();
  buildValueGrid();
  buildFlagBoxes();
  placeControls();
  setFocusOrder();
  new FocusFrame(this);
  new HeldKeyGuard(this);
  bindEvents();
}

void Form1::buildClientArea() {
  clientArea_ = new QWidget;
  clientArea_->setObjectName("clientArea");
  clientArea_->setFixedSize(Pixels(layout::ClientArea).size());
  clientArea_->setAutoFillBackground(true);
  view_ = new ScrollingView(clientArea_, this);
  view_->setObjectName("scrollingView");
  view_->setAccessibleName(tr("Weapon editor"));
  clientArea_->setAccessibleName(tr("Weapon editor"));
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  fill->addWidget(view_);
  setMaximumSize(view_->largestUseful());
  resize(clientArea_->size());
}

void Form1::buildButtonBar() {
  Frame3 = Frame(clientArea_, "Frame3", "Open and Save");
  // Alt+O and Alt+S press the buttons, so the whole editor works from the
  // keyboard, while the captions stay "Open" and "Save"; so do the keys every
  // desktop program opens and saves with (Ctrl+O and Ctrl+S).
  cmdOpen = new PictureButton(Frame3, "cmdOpen", "Open", tr("Open a ROM image"), OpenFolderIcon(),
                              Qt::ALT | Qt::Key_O, QKeySequence::Open);
  cmdSave = new PictureButton(Frame3, "cmdSave", "Save", tr("Save the weapon shown"),
                              DisketteIcon(), Qt::ALT | Qt::Key_S, QKeySequence::Save);
}

void Form1::buildWeaponList() {
  lstWeapons = new QListWidget(clientArea_);
  lstWeapons->setObjectName("lstWeapons");
  lstWeapons->setAccessibleName("Weapons");
  lstWeapons->setSelectionMode(QAbstractItemView::SingleSelection);
  lstWeapons->setSortingEnabled(false);
  for (const auto name : WeaponNames) lstWeapons->addItem(Text(name));
}

void Form1::buildValueGrid() {
  Frame1 = Frame(clientArea_, "Frame1", "Values");
  buildGridHeadingsAndLines();
  for (ValueField row = 0; row < ValueFieldCount; ++row) buildValueRow(row);
}

void Form1::buildGridHeadingsAndLines() {
  const QFont headingFont = HeadingFont(font());
  const auto heading = [&](const char* name, const char* text) {
    auto* label = new QLabel(text, Frame1);
    label->setObjectName(name);
    label->setFont(headingFont);
    label->setAlignment(Qt::AlignCenter);
    QPalette dark = label->palette();
    dark.setColor(QPalette::WindowText, QColor(0x40, 0x40, 0x40));
    label->setPalette(dark);
  };
  heading("Label3", "Value");
  heading("Label2", "Description");
  heading("Label1", "Hex");
  for (const char* name : {"Line4", "Line2", "Line1", "Line3"}) new GridLine(Frame1, name);
}

void Form1::buildValueRow(ValueField row) {
  static constexpr std::array<const char*, ValueFieldCount> DescriptionNames{
      "Text2", "Text4", "Text22", "Text222", "Text10", "Text12", "Text14"};
  const QString label = FieldLabel(row);
  auto* value = new ValueBox(Frame1);
  value->setObjectName(QString("txtValue(%1)").arg(row));
  value->setAccessibleName(label + " value");
  value->setGeometry(Pixels(InRow(layout::Rows.value, row)));
  txtValue[static_cast<std::size_t>(row)] = value;

  auto* description = new ReadOnlyBox(Frame1, DescriptionNames[static_cast<std::size_t>(row)],
                                      DescriptionBackground);
  description->setText(label);
  description->setAccessibleName(label);
  description->setCursorPosition(0);
  description->setGeometry(Pixels(InRow(layout::Rows.description, row)));
  descriptions[static_cast<std::size_t>(row)] = description;

  auto* hex = new ReadOnlyBox(Frame1, QString("txtHex(%1)").arg(row), HexBackground);
  hex->setAccessibleName(label + " in hexadecimal");
  hex->setGeometry(Pixels(InRow(layout::Rows.hex, row)));
  txtHex[static_cast<std::size_t>(row)] = hex;
}

void Form1::buildFlagBoxes() {
  Frame2 = Frame(clientArea_, "Frame2", "Flags");
  for (FlagBit bit = 0; bit < FlagBitCount; ++bit) {
    auto* box = new FlagCheckBox(Text(FlagBitLabels[static_cast<std::size_t>(bit)]), Frame2);
    box->setObjectName(QString("chkBits(%1)").arg(bit));
    const layout::FlagRow flagRow = layout::FlagRows[static_cast<std::size_t>(bit)];
    box->setGeometry(
        Pixels({layout::FlagColumn.left, flagRow.top, layout::FlagColumn.width, flagRow.height}));
    chkBits[static_cast<std::size_t>(bit)] = box;
  }
}

// The controls that stand alone are made first, then placed from the table.
void Form1::placeControls() {
  for (const layout::Placement& placement : layout::Controls) {
    auto* control = findChild<QWidget*>(Text(placement.name));
    Q_ASSERT(control != nullptr && control->parentWidget()->objectName() == Text(placement.parent));
    control->setGeometry(Pixels(placement.at));
  }
}

void Form1::setFocusOrder() {
  std::vector<QWidget*> order{cmdSave, cmdOpen, txtValue[0], lstWeapons, chkBits[0]};
  for (const std::size_t row : {0, 1, 2, 3, 4, 6, 5}) order.push_back(descriptions[row]);
  order.push_back(txtHex[0]);
  order.insert(order.end(), txtValue.begin() + 1, txtValue.end());
  order.insert(order.end(), chkBits.begin() + 1, chkBits.end());
  order.insert(order.end(), txtHex.begin() + 1, txtHex.end());
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  cmdSave->setFocus();
}

// Every handler runs through the one failure path, so nothing escapes into Qt.
void Form1::bindEvents() {
  const auto reporting = [this](std::function<void()> handler) {
    return [this, handler] { runReportingFailure(handler); };
  };
  connect(cmdOpen, &PictureButton::clicked, this, reporting([this] { editor_.cmdOpen_Click(); }));
  connect(cmdSave, &PictureButton::clicked, this, reporting([this] { editor_.cmdSave_Click(); }));
  connect(lstWeapons, &QListWidget::itemSelectionChanged, this, &Form1::onListSelectionChanged);
  for (ValueField field = 0; field < ValueFieldCount; ++field) {
    ValueBox* box = txtValue[static_cast<std::size_t>(field)];
    connect(box, &QLineEdit::textChanged, this,
            reporting([this, field] { editor_.txtValue_Change(field); }));
    connect(box, &ValueBox::clicked, this,
            reporting([this, field] { editor_.txtValue_Click(field); }));
  }
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  fitToScreen();
  connect(windowHandle(), &QWindow::screenChanged, this, &Form1::fitToScreen,
          Qt::UniqueConnection);
}

// The window system tells the frame's size once it has framed the window,
// which it then moves into place.
void Form1::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  fitToScreen();
}

// Only a window that does not fit the screen's free area, frame and all, is
// made smaller, and moved wholly into that area; any other is left where the
// window system or the user put it.
void Form1::fitToScreen() {
  if (windowHandle() == nullptr) return;
  const QRect available = screen()->availableGeometry();
  const QMargins frame = windowHandle()->frameMargins();
  // At a scale of a fraction, the frame's width in device pixels was rounded
  // to whole logical ones, perhaps down.
  const int rounding = devicePixelRatio() == std::floor(devicePixelRatio()) ? 0 : 1;
  const QSize room = available.size().shrunkBy(frame) - QSize(rounding, rounding);
  if (width() <= room.width() && height() <= room.height()) return;
  resize(view_->sizeWithin(room));
  // Until the window system has framed the window, it places it itself.
  if (frame.isNull()) return;
  const QSize framed = size().grownBy(frame);
  // Where even that is too large, its top left corner stays on the screen.
  move(std::max(available.left(), std::min(x(), available.right() + 1 - framed.width())),
       std::max(available.top(), std::min(y(), available.bottom() + 1 - framed.height())));
}

void Form1::runReportingFailure(const std::function<void()>& handler) {
  QString message;
  try {
    handler();
    return;
  } catch (const RomFileError& failure) {
    message = FailureText(failure);
  } catch (const SaveRefused& refusal) {
    message = FailureText(refusal);
  } catch (const std::exception& unexpected) {
    message = FailureText(unexpected);
  }
  showWarning(message);
}

void Form1::showWarning(const QString& message) {
  WarningBox box(windowTitle(), message, this);
  box.exec();
}

void Form1::showImageWarning(const ImageWarning& warning) { showWarning(WarningText(warning)); }

// A selection the user makes is still being handled by the list when the
// editor asks to drop it: cleared there and then, the list would select the
// row again as it finishes the key press, and the failure would be shown a
// second time. So the selection reads as dropped at once, and the list shows
// it dropped just after it has finished, before any other input is taken.
void Form1::onListSelectionChanged() {
  listHandlingSelection_ = true;
  runReportingFailure([this] { editor_.lstWeapons_Click(); });
  listHandlingSelection_ = false;
  if (!selectionToDrop_) return;
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (selectionToDrop_) showRow(NoWeapon);
      },
      Qt::QueuedConnection);
}

void Form1::showRow(WeaponIndex index) {
  selectionToDrop_ = false;
  const QSignalBlocker quiet(lstWeapons);
  lstWeapons->clearSelection();
  lstWeapons->setCurrentRow(index);
}

WeaponIndex Form1::selectedWeapon() const {
  const QList<QListWidgetItem*> selected = lstWeapons->selectedItems();
  if (selectionToDrop_ || selected.isEmpty()) return NoWeapon;
  return static_cast<WeaponIndex>(lstWeapons->row(selected.first()));
}

// The selection handling runs exactly once, also when the row does not change
// (opening a file reloads weapon 0 even when it is already selected).
void Form1::selectWeapon(WeaponIndex index) {
  if (index == NoWeapon && listHandlingSelection_) {
    selectionToDrop_ = true;
    return;
  }
  showRow(index);
  runReportingFailure([this] { editor_.lstWeapons_Click(); });
}

std::string Form1::valueText(ValueField field) const {
  return txtValue[static_cast<std::size_t>(field)]->text().toStdString();
}

void Form1::setValueText(ValueField field, const std::string& text) {
  txtValue[static_cast<std::size_t>(field)]->setText(QString::fromStdString(text));
}

int Form1::valueMaxLength(ValueField field) const {
  return txtValue[static_cast<std::size_t>(field)]->maxLength();
}

void Form1::selectValueRange(ValueField field, int start, int count) {
  ValueBox* box = txtValue[static_cast<std::size_t>(field)];
  box->setSelection(start, std::min(count, static_cast<int>(box->text().size()) - start));
}

std::string Form1::hexText(ValueField field) const {
  return txtHex[static_cast<std::size_t>(field)]->text().toStdString();
}

void Form1::setHexText(ValueField field, const std::string& text) {
  txtHex[static_cast<std::size_t>(field)]->setText(QString::fromStdString(text));
}

int Form1::flagState(FlagBit bit) const {
  return chkBits[static_cast<std::size_t>(bit)]->isChecked() ? FlagTicked : FlagClear;
}

void Form1::setFlagState(FlagBit bit, int state) {
  chkBits[static_cast<std::size_t>(bit)]->setChecked(state == FlagTicked);
}

}  // namespace quorvane
