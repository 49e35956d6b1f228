#pragma once

namespace quorvane {

// Owns one open file descriptor and closes it on every path out of scope.
class FileHandle {
 public:
  explicit FileHandle(int descriptor) : descriptor_(descriptor) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle();

  int descriptor() const { return descriptor_; }

  // Closes now and returns 0, or the errno of a failed close; the descriptor
  // is released either way.
  int close();

 private:
  int descriptor_;
};

}  // namespace quorvane
