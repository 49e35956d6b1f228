#pragma once

#include <stdexcept>
#include <string>

namespace quorvane {

// A file operation that failed: what was being done, to which file, and why
// (usually the operating system's own words).
class RomFileError : public std::runtime_error {
 public:
  RomFileError(std::string action, std::string fileName, std::string reason);

  const std::string& action() const { return action_; }
  const std::string& fileName() const { return fileName_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string action_;
  std::string fileName_;
  std::string reason_;
};

}  // namespace quorvane
