#pragma once

#include <string>
#include <vector>

namespace quorvane::testing {

// The system calls the file layer makes on an image.
enum class SysCall { Open, Inspect, Read, Write, Sync, Truncate, Close, Count };

// One fault, on the given occurrence (1 for the first) of a call on the image:
// either the call fails with the errno given, or the real call is made with
// its byte count cut to shortCount.
struct Fault {
  SysCall call;
  int occurrence = 1;
  int error = 0;
  int shortCount = -1;
};

// While it lives, the real libc calls that name the image, or a descriptor
// opened on it, go through the injector, which applies the faults and counts
// the calls. The test binary is linked with --wrap for each call, so the
// faults come out of the very calls the file layer makes.
class FaultPlan {
 public:
  FaultPlan(std::string path, std::vector<Fault> faults);
  ~FaultPlan();
  FaultPlan(const FaultPlan&) = delete;
  FaultPlan& operator=(const FaultPlan&) = delete;

  int calls(SysCall call) const;
};

}  // namespace quorvane::testing
