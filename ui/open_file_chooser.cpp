#include "ui/open_file_chooser.h"

namespace quorvane {

QFileDialog& OpenFileChooser::dialog() {
  if (!dialog_) {
    dialog_ = std::make_unique<QFileDialog>(parent_);
    dialog_->setObjectName("cdlSNES");
    // A name that does not exist yet may be given; opening it creates the file.
    dialog_->setFileMode(QFileDialog::AnyFile);
    dialog_->setAcceptMode(QFileDialog::AcceptOpen);
  }
  return *dialog_;
}

void OpenFileChooser::showOpen() {
  QFileDialog& shown = dialog();
  if (!fileName_.isEmpty()) shown.selectFile(fileName_);
  if (shown.exec() != QDialog::Accepted) return;
  const QStringList chosen = shown.selectedFiles();
  if (!chosen.isEmpty()) fileName_ = chosen.first();
}

// The file layer takes UTF-8 on every platform; the local 8-bit encoding would
// turn names outside the Windows code page into question marks.
std::string OpenFileChooser::fileName() const { return fileName_.toUtf8().toStdString(); }

}  // namespace quorvane
