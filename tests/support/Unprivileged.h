// Runs a piece of a test in a child process as a user whom permission bits bind:
// nobody, when the tests run as root (root passes any folder's or file's bits), or
// the user the tests already run as.
#pragma once

#include <functional>

// The exit code (0-99) that work returns in the child, or UNPRIVILEGED_UNAVAILABLE when
// the child could not give up root, or UNPRIVILEGED_CRASHED.
int RunUnprivileged(const std::function<int()>& work);

constexpr int UNPRIVILEGED_UNAVAILABLE = 100;
constexpr int UNPRIVILEGED_CRASHED = 101;
