#pragma once

#include <functional>

namespace quorvane::testing {

// Runs the check in a child process, so that limits and identities it takes on
// stay there, and returns the child's exit code (-1 when it did not exit).
int ExitCodeInChild(const std::function<int()>& check);

// Root ignores file modes; a check that needs them refused becomes an ordinary
// user first. False when that failed.
bool DropRootPrivileges();

}  // namespace quorvane::testing
