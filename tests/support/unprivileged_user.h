#pragma once
// Root ignores every permission: a test of what permissions refuse runs its action as a user
// without privileges.

#ifndef _WIN32
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>

namespace zarq::testing {

inline constexpr uid_t kNobody = 65534;

// Runs `action` in a child process as that user, when this one is root. Empty when the child
// could not become that user.
inline std::optional<bool> asUnprivilegedUser(const std::function<bool()>& action) {
  if (::geteuid() != 0) return action();
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
      ::_exit(2);
    ::_exit(action() ? 0 : 1);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return {};
  if (WEXITSTATUS(status) == 2) return {};
  return WEXITSTATUS(status) == 0;
}

}  // namespace zarq::testing
#endif
