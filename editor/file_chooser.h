#pragma once

#include <string>

namespace quorvane {

// The open-file dialog, which also remembers the current file's name.
class FileChooser {
 public:
  virtual ~FileChooser() = default;

  // Shows the dialog; a confirmed name becomes fileName(), a cancel keeps it.
  // True when the user confirmed a name.
  virtual bool showOpen() = 0;

  // "" until the user has confirmed a name once.
  virtual std::string fileName() const = 0;
};

}  // namespace quorvane
