#pragma once

#include <QFileDialog>
#include <memory>
#include <string>

#include "editor/file_chooser.h"

namespace quorvane {

// The platform's open-file dialog, which holds the current file's name
// between showings. It is made on first use and then kept for the window's
// life: building it costs more than the whole rest of the window.
class OpenFileChooser : public FileChooser {
 public:
  explicit OpenFileChooser(QWidget* parent) : parent_(parent) {}

  bool showOpen() override;
  std::string fileName() const override;

  QFileDialog& dialog();

 private:
  QWidget* parent_;
  std::unique_ptr<QFileDialog> dialog_;
  QString fileName_;
};

}  // namespace quorvane
