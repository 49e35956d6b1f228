#include "ui/open_file_chooser.h"

#include <QFile>

namespace quorvane {

OpenFileChooser::OpenFileChooser(QWidget* parent) : dialog_(parent) {
  dialog_.setObjectName("cdlSNES");
  // A name that does not exist yet may be given; opening it creates the file.
  dialog_.setFileMode(QFileDialog::AnyFile);
  dialog_.setAcceptMode(QFileDialog::AcceptOpen);
}

void OpenFileChooser::showOpen() {
  if (!fileName_.isEmpty()) dialog_.selectFile(fileName_);
  if (dialog_.exec() != QDialog::Accepted) return;
  const QStringList chosen = dialog_.selectedFiles();
  if (!chosen.isEmpty()) fileName_ = chosen.first();
}

std::string OpenFileChooser::fileName() const { return QFile::encodeName(fileName_).toStdString(); }

}  // namespace quorvane
