#pragma once

#include <string>

namespace quorvane {

// The open-file dialog, which also remembers the current file's name.
class FileChooser {
 public:
  virtual ~FileChooser() = default;

  // Shows the dialog; a confirmed name becomes fileName(), a cancel keeps it.
  virtual void showOpen() = 0;

  // "" until the user has confirmed a name once.
  virtual std::string fileName() const = 0;
};

}  // namespace quorvane
