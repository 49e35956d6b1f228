#include "tests/fault_injector.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdarg>
#include <memory>
#include <set>

extern "C" {
int __real_open(const char* path, int flags, ...);
int __real_statx(int descriptor, const char* path, int flags, unsigned int mask,
                 struct statx* info);
ssize_t __real_pread(int descriptor, void* buffer, size_t count, off_t offset);
ssize_t __real_pwrite(int descriptor, const void* buffer, size_t count, off_t offset);
int __real_fdatasync(int descriptor);
int __real_ftruncate(int descriptor, off_t length);
int __real_close(int descriptor);
}

namespace quorvane::testing {

namespace {

struct ActivePlan {
  std::string path;
  std::vector<Fault> faults;
  std::set<int> descriptors{};
  std::array<int, static_cast<std::size_t>(SysCall::Count)> counts{};
};

std::unique_ptr<ActivePlan> active;

bool Watched(int descriptor) {
  return active != nullptr && active->descriptors.contains(descriptor);
}

// Counts the call and returns the fault planned for this occurrence, if any.
const Fault* Next(SysCall call) {
  const int occurrence = ++active->counts[static_cast<std::size_t>(call)];
  const auto planned =
      std::find_if(active->faults.begin(), active->faults.end(),
                   [&](const Fault& f) { return f.call == call && f.occurrence == occurrence; });
  return planned == active->faults.end() ? nullptr : &*planned;
}

int Failing(int error) {
  errno = error;
  return -1;
}

// Makes the real call on a descriptor opened on the image, unless the plan has
// it fail; the call is handed the planned fault, so that it can be cut short.
template <typename Real>
auto OnDescriptor(int descriptor, SysCall call, Real real) -> decltype(real(nullptr)) {
  if (!Watched(descriptor)) return real(nullptr);
  const Fault* fault = Next(call);
  if (fault != nullptr && fault->error != 0) return Failing(fault->error);
  return real(fault);
}

size_t Shortened(const Fault* fault, size_t count) {
  if (fault == nullptr || fault->shortCount < 0) return count;
  return std::min(count, static_cast<size_t>(fault->shortCount));
}

}  // namespace

FaultPlan::FaultPlan(std::string path, std::vector<Fault> faults) {
  active = std::make_unique<ActivePlan>(std::move(path), std::move(faults));
}

FaultPlan::~FaultPlan() { active.reset(); }

int FaultPlan::calls(SysCall call) const { return active->counts[static_cast<std::size_t>(call)]; }

}  // namespace quorvane::testing

using quorvane::testing::Fault;
using quorvane::testing::SysCall;
namespace injector = quorvane::testing;

extern "C" {

int __wrap_open(const char* path, int flags, ...) {
  mode_t mode = 0;
  if ((flags & O_CREAT) != 0) {
    va_list arguments;
    va_start(arguments, flags);
    mode = static_cast<mode_t>(va_arg(arguments, int));
    va_end(arguments);
  }
  if (injector::active == nullptr || injector::active->path != path)
    return __real_open(path, flags, mode);
  const Fault* fault = injector::Next(SysCall::Open);
  if (fault != nullptr && fault->error != 0) return injector::Failing(fault->error);
  const int descriptor = __real_open(path, flags, mode);
  if (descriptor >= 0) injector::active->descriptors.insert(descriptor);
  return descriptor;
}

int __wrap_statx(int descriptor, const char* path, int flags, unsigned int mask,
                 struct statx* info) {
  return injector::OnDescriptor(descriptor, SysCall::Inspect, [&](const Fault*) {
    return __real_statx(descriptor, path, flags, mask, info);
  });
}

ssize_t __wrap_pread(int descriptor, void* buffer, size_t count, off_t offset) {
  return injector::OnDescriptor(descriptor, SysCall::Read, [&](const Fault* fault) {
    return __real_pread(descriptor, buffer, injector::Shortened(fault, count), offset);
  });
}

ssize_t __wrap_pwrite(int descriptor, const void* buffer, size_t count, off_t offset) {
  return injector::OnDescriptor(descriptor, SysCall::Write, [&](const Fault* fault) {
    return __real_pwrite(descriptor, buffer, injector::Shortened(fault, count), offset);
  });
}

int __wrap_fdatasync(int descriptor) {
  return injector::OnDescriptor(descriptor, SysCall::Sync,
                                [&](const Fault*) { return __real_fdatasync(descriptor); });
}

int __wrap_ftruncate(int descriptor, off_t length) {
  return injector::OnDescriptor(descriptor, SysCall::Truncate,
                                [&](const Fault*) { return __real_ftruncate(descriptor, length); });
}

// Linux releases the descriptor even when close reports an error, so the real
// close always runs; a planned fault is reported after it.
int __wrap_close(int descriptor) {
  if (!injector::Watched(descriptor)) return __real_close(descriptor);
  const Fault* fault = injector::Next(SysCall::Close);
  injector::active->descriptors.erase(descriptor);
  const int result = __real_close(descriptor);
  if (fault != nullptr && fault->error != 0) return injector::Failing(fault->error);
  return result;
}

}  // extern "C"
