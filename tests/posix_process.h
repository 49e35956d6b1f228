#pragma once

#include <functional>
#include <string>

namespace quorvane::testing {

// Runs the check in a child process, so that limits and identities it takes on
// stay there. The check returns "" when all went as it should, or what went
// wrong; that text comes back here, or what the check threw, or why the child
// gave none. The child ends when the check does, whatever it did.
std::string FailureInChild(const std::function<std::string()>& check);

// Root ignores file modes; a check that needs them refused becomes an ordinary
// user first. False when that failed.
bool DropRootPrivileges();

}  // namespace quorvane::testing
