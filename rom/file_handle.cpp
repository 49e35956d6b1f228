#include "rom/file_handle.h"

#include <unistd.h>

#include <cerrno>

namespace quorvane {

FileHandle::~FileHandle() { close(); }

int FileHandle::close() {
  if (descriptor_ < 0) return 0;
  const int result = ::close(descriptor_);
  descriptor_ = -1;
  return result == 0 ? 0 : errno;
}

}  // namespace quorvane
