#pragma once

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tinkella::testing {

// A private JACK server on the dummy driver (48 kHz, 64 frames unless periodFrames says), for
// tests and benchmarks that need a real graph without hardware. The constructor points this
// process at it through JACK_DEFAULT_SERVER (and JACK_NO_START_SERVER=1), so clients never start
// another server; the destructor stops it. Tests run it synchronously: a client that a busy
// machine makes late then delays the cycle instead of losing its MIDI between clients; latency
// measurements run it as a musician's server runs, asynchronously.
class JackDummyServer {
public:
    enum class Cycle { Synchronous, Asynchronous };

    explicit JackDummyServer(const std::string& tag = "tinkella", Cycle cycle = Cycle::Synchronous,
                             int periodFrames = 64) {
        static int counter = 0;
        name_ = tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
        ::setenv("JACK_NO_START_SERVER", "1", 1);
        ::setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
        std::vector<std::string> argv{"jackd", "--no-realtime"};
        if (cycle == Cycle::Synchronous) {
            argv.push_back("--sync");
        }
        for (const char* arg : {"-n", "", "-d", "dummy", "-r", "48000", "-p"}) {
            argv.push_back(*arg != '\0' ? arg : name_);
        }
        argv.push_back(std::to_string(periodFrames));
        pid_ = spawnQuiet(argv);
        if (pid_ > 0) {
            ready_ = runQuiet({"jack_wait", "-s", name_, "-w", "-t", "10"}) == 0 && running();
        }
    }
    ~JackDummyServer() { stop(); }
    JackDummyServer(const JackDummyServer&) = delete;
    JackDummyServer& operator=(const JackDummyServer&) = delete;

    bool ready() const { return ready_; }
    const std::string& name() const { return name_; }

    // Ends the server: SIGTERM, then SIGKILL when it lingers past five seconds.
    void stop() {
        if (pid_ > 0 && !terminate(pid_)) {
            // A killed jackd keeps its slot in JACK's shared registry (eight servers at most);
            // only a server of the same name that exits cleanly frees it.
            const pid_t again = spawnQuiet(
                {"jackd", "--no-realtime", "-n", name_, "-d", "dummy", "-r", "48000", "-p", "64"});
            if (again > 0) {
                runQuiet({"jack_wait", "-s", name_, "-w", "-t", "5"});
                terminate(again);
            }
        }
        pid_ = -1;
    }

    // Runs a program with its output discarded; returns its exit status, or -1.
    static int runQuiet(const std::vector<std::string>& argv) {
        const pid_t pid = spawnQuiet(argv);
        if (pid <= 0) {
            return -1;
        }
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    static pid_t spawnQuiet(const std::vector<std::string>& argv) {
        std::vector<char*> args;
        for (const std::string& arg : argv) {
            args.push_back(const_cast<char*>(arg.c_str()));
        }
        args.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        pid_t pid = -1;
        const int r = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        return r == 0 ? pid : -1;
    }

private:
    // True when pid ended on SIGTERM within five seconds; otherwise it is killed.
    static bool terminate(pid_t pid) {
        ::kill(pid, SIGTERM);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (::waitpid(pid, nullptr, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, nullptr, 0);
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    bool running() const { return pid_ > 0 && ::waitpid(pid_, nullptr, WNOHANG) == 0; }

    std::string name_;
    pid_t pid_ = -1;
    bool ready_ = false;
};

} // namespace tinkella::testing
