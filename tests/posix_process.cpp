#include "tests/posix_process.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <exception>

namespace quorvane::testing {

namespace {

// How a child ends, always through _exit: neither a throw nor a return may
// take it back into the test suite, which it would then run a second time.
enum ChildStatus { Told = 0, CouldNotTell = 1, Threw = 2 };

[[noreturn]] void RunInChild(const std::function<std::string()>& check, int toParent) {
  std::string failure;
  ChildStatus status = Told;
  try {
    failure = check();
  } catch (const std::exception& thrown) {
    failure = std::string("the check threw: ") + thrown.what();
    status = Threw;
  } catch (...) {
    failure = "the check threw something that is not a std::exception";
    status = Threw;
  }
  const bool told =
      write(toParent, failure.data(), failure.size()) == static_cast<ssize_t>(failure.size());
  _exit(told ? status : CouldNotTell);
}

}  // namespace

std::string FailureInChild(const std::function<std::string()>& check) {
  std::array<int, 2> pipeEnds{};
  if (pipe(pipeEnds.data()) != 0) return "no pipe to the child";
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    RunInChild(check, pipeEnds[1]);
  }
  close(pipeEnds[1]);
  if (child < 0) {
    close(pipeEnds[0]);
    return "no child could be started";
  }
  std::string failure;
  std::array<char, 256> chunk{};
  for (;;) {
    const ssize_t count = read(pipeEnds[0], chunk.data(), chunk.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) break;
    failure.append(chunk.data(), static_cast<std::size_t>(count));
  }
  close(pipeEnds[0]);
  int status = 0;
  pid_t ended = 0;
  do {
    ended = waitpid(child, &status, 0);
  } while (ended < 0 && errno == EINTR);
  if (ended != child) return "the child's end could not be waited for";
  if (WIFSIGNALED(status))
    return "the child was ended by signal " + std::to_string(WTERMSIG(status));
  if (!WIFEXITED(status) || (WEXITSTATUS(status) != Told && WEXITSTATUS(status) != Threw))
    return "the child could not tell its outcome";
  return failure;
}

bool DropRootPrivileges() {
  constexpr uid_t nobody = 65534;
  if (geteuid() != 0) return true;
  return setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0;
}

}  // namespace quorvane::testing
