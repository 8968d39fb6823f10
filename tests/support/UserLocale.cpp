#include "support/UserLocale.h"

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <spawn.h>
#include <time.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "support/ScratchFolder.h"

extern char** environ;

namespace {

constexpr time_t LOCALEDEF_SECONDS = 120;

time_t MonotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec;
}

// The folder the process's locales are built into, removed when the process ends.
const ScratchFolder& LocaleFolder()
{
    static ScratchFolder folder;
    return folder;
}

// Runs localedef for one locale; empty when it ran, otherwise why not. A locale built
// once serves the rest of the process.
std::string BuildLocale(const std::string& name)
{
    static std::map<std::string, std::string> built;
    auto found = built.find(name);
    if (found != built.end())
        return found->second;

    size_t dot = name.find('.');
    std::string source = name.substr(0, dot);
    std::string charmap = dot == std::string::npos ? "UTF-8" : name.substr(dot + 1);
    std::string output = LocaleFolder().PathOf(name);
    std::string program = "localedef";
    std::string inputOption = "-i";
    std::string charmapOption = "-f";
    std::vector<char*> argv{program.data(), inputOption.data(), source.data(), charmapOption.data(),
                            charmap.data(), output.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int spawned = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return built[name] = "localedef could not be started (is the locales package installed?)";

    time_t deadline = MonotonicSeconds() + LOCALEDEF_SECONDS;
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(pid, &status, WNOHANG)) == 0 && MonotonicSeconds() < deadline)
        usleep(20 * 1000);
    if (ended == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return built[name] = "localedef did not finish within two minutes";
    }
    // Exit status 1 only means warnings; whether the locale is usable shows when it is set.
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1)
        return built[name] = "localedef failed to build " + name + " from /usr/share/i18n";
    return built[name] = "";
}

}  // namespace

UserLocale::UserLocale(const std::string& name)
{
    if (const char* locpath = std::getenv("LOCPATH"))
        m_previousLocpath = locpath;
    m_failure = BuildLocale(name);
    if (!m_failure.empty())
        return;
    setenv("LOCPATH", LocaleFolder().Path().c_str(), 1);
    if (std::setlocale(LC_ALL, name.c_str()) == nullptr)
        m_failure = "setlocale(LC_ALL, \"" + name + "\") failed with LOCPATH=" + LocaleFolder().Path();
}

UserLocale::~UserLocale()
{
    std::setlocale(LC_ALL, "C");
    if (m_previousLocpath)
        setenv("LOCPATH", m_previousLocpath->c_str(), 1);
    else
        unsetenv("LOCPATH");
}
