#pragma once

#include <stdexcept>

namespace quorvane {

// Save found nothing sound to write; the file was not touched.
class SaveRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace quorvane
