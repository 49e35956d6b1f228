#include "ui/open_file_chooser.h"

#include <QFile>

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

std::string OpenFileChooser::fileName() const { return QFile::encodeName(fileName_).toStdString(); }

}  // namespace quorvane
