#include "support/Unprivileged.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Gives up root for good: no extra groups, then nobody's group and user.
bool DropRoot()
{
    if (geteuid() != 0)
        return true;
    const passwd* nobody = getpwnam("nobody");
    uid_t uid = nobody != nullptr ? nobody->pw_uid : 65534;
    gid_t gid = nobody != nullptr ? nobody->pw_gid : 65534;
    return setgroups(0, nullptr) == 0 && setgid(gid) == 0 && setuid(uid) == 0 && geteuid() != 0;
}

}  // namespace

int RunUnprivileged(const std::function<int()>& work)
{
    pid_t child = fork();
    if (child < 0)
        return UNPRIVILEGED_UNAVAILABLE;
    if (child == 0)
        _exit(DropRoot() ? work() : UNPRIVILEGED_UNAVAILABLE);
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return UNPRIVILEGED_CRASHED;
    return WEXITSTATUS(status);
}
