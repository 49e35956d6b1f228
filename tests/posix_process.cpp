#include "tests/posix_process.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvane::testing {

int ExitCodeInChild(const std::function<int()>& check) {
  const pid_t child = fork();
  if (child == 0) _exit(check());
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool DropRootPrivileges() {
  constexpr uid_t nobody = 65534;
  if (geteuid() != 0) return true;
  return setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0;
}

}  // namespace quorvane::testing
