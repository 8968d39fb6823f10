#include "FirstFrame.h"

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <set>
#include <stdexcept>

namespace {

using Clock = std::chrono::steady_clock;

struct Connection {
    xcb_connection_t* c;
    Connection() : c(xcb_connect(nullptr, nullptr))
    {
        if (int error = xcb_connection_has_error(c)) {
            xcb_disconnect(c);
            const char* display = std::getenv("DISPLAY");
            throw std::runtime_error(std::string("cannot connect to the X display ") +
                                     (display != nullptr ? display : "(DISPLAY unset)") + ", xcb error " +
                                     std::to_string(error));
        }
    }
    ~Connection() { xcb_disconnect(c); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
};

uint8_t DamageFirstEvent(xcb_connection_t* c)
{
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(c, &xcb_damage_id);
    if (extension == nullptr || !extension->present)
        throw std::runtime_error("the X server has no DAMAGE extension");
    // The extension answers nothing before its version has been asked.
    free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    return extension->first_event;
}

xcb_window_t WatchTopLevelWindows(xcb_connection_t* c)
{
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
    return root;
}

pid_t Start(const std::vector<std::string>& argv)
{
    pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        // Qt's default platform: the program shows itself on the X display.
        unsetenv("QT_QPA_PLATFORM");
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        std::vector<char*> args;
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    return pid;
}

long PeakKilobytesOf(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

void Kill(pid_t pid)
{
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
}

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Follows the windows that the program creates on the root: each gets a damage
// object when it is created, so that its first drawing is seen; a drawing counts once
// the window is mapped. Returns when the first such drawing is reported.
bool WaitForFirstDrawing(xcb_connection_t* c, xcb_window_t root, uint8_t damageEvent, Clock::time_point start,
                         int timeoutMilliseconds)
{
    std::set<xcb_window_t> mapped;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (MillisecondsSince(start) < timeoutMilliseconds) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            std::unique_ptr<xcb_generic_event_t, decltype(&free)> owned(event, &free);
            uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                if (created->parent == root) {
                    xcb_damage_create(c, xcb_generate_id(c), created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    xcb_flush(c);
                }
            } else if (type == XCB_MAP_NOTIFY) {
                mapped.insert(reinterpret_cast<xcb_map_notify_event_t*>(event)->window);
            } else if (type == damageEvent + XCB_DAMAGE_NOTIFY) {
                if (mapped.count(reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable) != 0)
                    return true;
            }
        }
        if (xcb_connection_has_error(c))
            throw std::runtime_error("lost the X display");
        poll(&fd, 1, 50);
    }
    return false;
}

}  // namespace

FirstFrame MeasureFirstFrame(const std::vector<std::string>& argv, int timeoutMilliseconds)
{
    Connection connection;
    uint8_t damageEvent = DamageFirstEvent(connection.c);
    xcb_window_t root = WatchTopLevelWindows(connection.c);

    Clock::time_point start = Clock::now();
    pid_t pid = Start(argv);
    bool drawn = WaitForFirstDrawing(connection.c, root, damageEvent, start, timeoutMilliseconds);
    FirstFrame frame;
    frame.milliseconds = MillisecondsSince(start);
    frame.peakKilobytes = PeakKilobytesOf(pid);
    Kill(pid);
    if (!drawn)
        throw std::runtime_error(argv[0] + " showed no frame in time");
    return frame;
}
