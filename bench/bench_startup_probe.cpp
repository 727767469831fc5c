// Times a program's start until its windows are on screen, for bench/compare-startup.
//
//   bench_startup_probe TITLES LATER -- command [arguments...]
//
// TITLES is a comma-separated list of window titles that must all be viewable (mapped, and every
// ancestor mapped: the window manager's frame too); LATER is one more title timed on its own, or
// "-". Starts the command (its standard output goes to standard error), polls the window
// manager's client list every millisecond over one X connection, then stops the command with
// SIGTERM and prints "windows_ms cpu_ms later_ms": the wall time from the fork until every title
// in TITLES was viewable, the CPU time its threads had used by then (scheduler run time, also of
// threads that ended before: each thread's last reading from the millisecond polls),
// and the wall time until LATER was viewable as well ("-" for none, "nan" when it never was).
// Exits 1 when the windows are not viewable within 20 s or the command ends first.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return value;
}

// The titles of the managed windows that are viewable now.
std::set<std::string> viewableTitles(xcb_connection_t* connection, xcb_window_t root,
                                     xcb_atom_t clientList, xcb_atom_t netName) {
    std::set<std::string> titles;
    xcb_get_property_reply_t* list = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, clientList, XCB_ATOM_WINDOW, 0, 1024),
        nullptr);
    if (list == nullptr) {
        return titles;
    }
    const auto* windows = static_cast<const xcb_window_t*>(xcb_get_property_value(list));
    const int count = xcb_get_property_value_length(list) / 4;
    std::vector<xcb_get_window_attributes_cookie_t> attributes;
    std::vector<xcb_get_property_cookie_t> names;
    for (int i = 0; i < count; ++i) {
        attributes.push_back(xcb_get_window_attributes(connection, windows[i]));
        names.push_back(xcb_get_property(connection, 0, windows[i], netName, XCB_ATOM_ANY, 0, 256));
    }
    for (int i = 0; i < count; ++i) {
        xcb_get_window_attributes_reply_t* state =
            xcb_get_window_attributes_reply(connection, attributes[i], nullptr);
        xcb_get_property_reply_t* name = xcb_get_property_reply(connection, names[i], nullptr);
        if (state != nullptr && name != nullptr && state->map_state == XCB_MAP_STATE_VIEWABLE) {
            titles.emplace(static_cast<const char*>(xcb_get_property_value(name)),
                           xcb_get_property_value_length(name));
        }
        std::free(state);
        std::free(name);
    }
    std::free(list);
    return titles;
}

// The run time the scheduler has counted for each thread of the process (first field of
// /proc/PID/task/TID/schedstat, nanoseconds), read at every poll: a thread that has ended keeps
// its last reading, at most a poll old, so work handed to a short-lived thread still counts.
class ThreadTimes {
public:
    explicit ThreadTimes(pid_t pid) : tasks_("/proc/" + std::to_string(pid) + "/task") {}

    void read() {
        std::error_code error;
        for (const auto& task : std::filesystem::directory_iterator(tasks_, error)) {
            std::ifstream stat(task.path() / "schedstat");
            double nanoseconds = 0;
            if (stat >> nanoseconds) {
                last_[task.path().filename().string()] = nanoseconds;
            }
        }
    }

    double milliseconds() const {
        double total = 0;
        for (const auto& [thread, nanoseconds] : last_) {
            total += nanoseconds;
        }
        return total / 1e6;
    }

private:
    std::filesystem::path tasks_;
    std::map<std::string, double> last_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 5 || std::strcmp(argv[3], "--") != 0) {
        std::fputs("usage: bench_startup_probe TITLES LATER -- command [arguments...]\n", stderr);
        return 2;
    }
    std::set<std::string> wanted;
    std::stringstream list(argv[1]);
    for (std::string title; std::getline(list, title, ',');) {
        wanted.insert(title);
    }
    const std::string later = argv[2];
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fputs("bench_startup_probe: no X server\n", stderr);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t clientList = atom(connection, "_NET_CLIENT_LIST");
    const xcb_atom_t netName = atom(connection, "_NET_WM_NAME");

    const Clock::time_point started = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(2, 1);
        execvp(argv[4], argv + 4);
        std::perror("bench_startup_probe: exec");
        _exit(127);
    }
    const auto elapsedMs = [started] {
        return std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    };
    ThreadTimes threads(child);
    double windowsMs = -1;
    double cpuMs = -1;
    double laterMs = -1;
    while (windowsMs < 0 || (later != "-" && laterMs < 0)) {
        if (windowsMs < 0) {
            threads.read();
        }
        const std::set<std::string> seen = viewableTitles(connection, root, clientList, netName);
        const double now = elapsedMs();
        if (windowsMs < 0 &&
            std::includes(seen.begin(), seen.end(), wanted.begin(), wanted.end())) {
            windowsMs = now;
            threads.read();
            cpuMs = threads.milliseconds();
        }
        if (laterMs < 0 && seen.count(later) != 0) {
            laterMs = now;
        }
        if (now > 20000) {
            std::fputs("bench_startup_probe: 20 s passed\n", stderr);
            break;
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "bench_startup_probe: the command ended (status %d)\n", status);
            xcb_disconnect(connection);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    if (windowsMs < 0) {
        std::fputs("bench_startup_probe: the windows were not viewable\n", stderr);
        return 1;
    }
    const std::string laterText =
        later == "-" ? "-" : (laterMs < 0 ? "nan" : std::to_string(static_cast<long>(laterMs)));
    std::printf("%ld %.1f %s\n", static_cast<long>(windowsMs), cpuMs, laterText.c_str());
    return 0;
}
