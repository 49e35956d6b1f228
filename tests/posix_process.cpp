#include "tests/posix_process.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>

namespace quorvane::testing {

std::string FailureInChild(const std::function<std::string()>& check) {
  std::array<int, 2> pipeEnds{};
  if (pipe(pipeEnds.data()) != 0) return "no pipe to the child";
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    const std::string failure = check();
    const bool told =
        write(pipeEnds[1], failure.data(), failure.size()) == static_cast<ssize_t>(failure.size());
    _exit(told ? 0 : 1);
  }
  close(pipeEnds[1]);
  std::string failure;
  std::array<char, 256> chunk{};
  for (ssize_t count; (count = read(pipeEnds[0], chunk.data(), chunk.size())) > 0;)
    failure.append(chunk.data(), static_cast<std::size_t>(count));
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (WIFSIGNALED(status))
    return "the child was ended by signal " + std::to_string(WTERMSIG(status));
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "the child could not tell its outcome";
  return failure;
}

bool DropRootPrivileges() {
  constexpr uid_t nobody = 65534;
  if (geteuid() != 0) return true;
  return setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0;
}

}  // namespace quorvane::testing
