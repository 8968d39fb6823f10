#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// How long a run that ends by itself may take.
constexpr std::chrono::seconds RUN_LIMIT{20};

constexpr char EXPECTED_LINE[] = "Quorvel needs a display: set DISPLAY or WAYLAND_DISPLAY to one that can be opened.\n";

struct Running {
    pid_t pid = 0;
    int outputFd = -1;
};

struct Outcome {
    bool exited = false;
    int status = -1;
    std::string output;  // stdout and stderr together
};

// What the program has written so far.
std::string ReadAll(int fd)
{
    std::string text;
    char buffer[256];
    for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(got));
    return text;
}

// Starts the executable with exactly the environment given and arguments of its own;
// its stdout and stderr go to one pipe.
Running StartQuorvel(std::vector<std::string> environment)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);

    // Qt's own -platform among them: taken, it would send the program to an X display
    // that the environment does not name.
    std::vector<std::string> arguments{QUORVEL_EXECUTABLE, "-platform", "xcb", "--open", "missing.svo"};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    pid_t pid = 0;
    int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return {};
    }
    return Running{pid, pipeFds[0]};
}

// Reads what the program writes until it has ended, or the time limit has passed; a
// program still running then fails the test and is killed.
Outcome WaitFor(const Running& running)
{
    Outcome outcome;
    if (running.pid == 0)
        return outcome;
    fcntl(running.outputFd, F_SETFL, O_NONBLOCK);
    int status = 0;
    pid_t ended = 0;
    auto deadline = std::chrono::steady_clock::now() + RUN_LIMIT;
    while (ended == 0 && std::chrono::steady_clock::now() < deadline) {
        outcome.output += ReadAll(running.outputFd);
        ended = waitpid(running.pid, &status, WNOHANG);
        if (ended == 0)
            usleep(20 * 1000);
    }
    if (ended == 0) {
        ADD_FAILURE() << "Quorvel was still running after " << RUN_LIMIT.count() << " s and is killed";
        kill(running.pid, SIGKILL);
        waitpid(running.pid, &status, 0);
    }
    outcome.output += ReadAll(running.outputFd);
    close(running.outputFd);
    outcome.exited = WIFEXITED(status);
    outcome.status = outcome.exited ? WEXITSTATUS(status) : -1;
    return outcome;
}

Outcome RunQuorvel(std::vector<std::string> environment)
{
    return WaitFor(StartQuorvel(std::move(environment)));
}

}  // namespace

TEST(StartUp, NoDisplayNamedEndsWithOneLineAndStatusOne)
{
    Outcome outcome = RunQuorvel({"HOME=/tmp"});
    EXPECT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.output, EXPECTED_LINE);
}

TEST(StartUp, ADisplayThatCannotBeOpenedEndsTheSameWayWithoutACrash)
{
    Outcome outcome = RunQuorvel({"HOME=/tmp", "DISPLAY=:987", "XDG_RUNTIME_DIR=/tmp"});
    EXPECT_TRUE(outcome.exited);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.output, EXPECTED_LINE);
}

TEST(StartUp, WithAScreenTheDialogRunsAndArgumentsAreIgnored)
{
    Running running = StartQuorvel({"HOME=/tmp", "QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=/tmp"});
    ASSERT_NE(running.pid, 0);
    // Nothing but the user ends the dialog, so the program is still there a while later.
    usleep(1500 * 1000);
    int status = 0;
    EXPECT_EQ(waitpid(running.pid, &status, WNOHANG), 0);
    kill(running.pid, SIGTERM);
    Outcome outcome = WaitFor(running);
    EXPECT_FALSE(outcome.exited);
    EXPECT_EQ(outcome.output, "");
}
