#include "ui/open_file_chooser.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileInfo>

namespace quorvane {

namespace {

// Qt's own dialog completes the typed name in a popup list. Return accepts the
// dialog, but the completer hides its list only once the name box has lost the
// focus, and under a window manager that comes after the dialog has closed: the
// list stayed on screen and kept the keyboard from the window.
void HideCompletionLists(const QFileDialog& dialog) {
  for (QCompleter* completer : dialog.findChildren<QCompleter*>()) completer->popup()->hide();
}

}  // namespace

QFileDialog& OpenFileChooser::dialog() {
  if (!dialog_) {
    dialog_ = std::make_unique<QFileDialog>(parent_);
    dialog_->setObjectName("cdlSNES");
    // A name that does not exist yet may be given; opening it creates the file.
    dialog_->setFileMode(QFileDialog::AnyFile);
    dialog_->setAcceptMode(QFileDialog::AcceptOpen);
    QObject::connect(dialog_.get(), &QDialog::finished, dialog_.get(),
                     [shown = dialog_.get()] { HideCompletionLists(*shown); });
  }
  return *dialog_;
}

bool OpenFileChooser::showOpen() {
  QFileDialog& shown = dialog();
  if (!fileName_.isEmpty()) {
    // Windows' own dialog takes only the name from a full path and would start
    // in the program's folder; told the folder apart, every dialog starts
    // where the user left off, with the last file selected.
    const QFileInfo last(fileName_);
    shown.setDirectory(last.absolutePath());
    shown.selectFile(last.fileName());
  }
  if (shown.exec() != QDialog::Accepted) return false;
  const QStringList chosen = shown.selectedFiles();
  if (chosen.isEmpty()) return false;
  fileName_ = chosen.first();
  return true;
}

// The file layer takes UTF-8 on every platform; the local 8-bit encoding would
// turn names outside the Windows code page into question marks.
std::string OpenFileChooser::fileName() const { return fileName_.toUtf8().toStdString(); }

}  // namespace quorvane
