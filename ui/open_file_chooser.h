#pragma once

#include <QFileDialog>
#include <string>

#include "editor/file_chooser.h"

namespace quorvane {

// The platform's open-file dialog, one for the window's life, which holds the
// current file's name between showings.
class OpenFileChooser : public FileChooser {
 public:
  explicit OpenFileChooser(QWidget* parent);

  void showOpen() override;
  std::string fileName() const override;

  QFileDialog& dialog() { return dialog_; }

 private:
  QFileDialog dialog_;
  QString fileName_;
};

}  // namespace quorvane
