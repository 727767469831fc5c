#include "app/QuitSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace tinkella::app {

namespace {

// [0] read by the event loop, [1] written by the handler; -1 while unused.
std::array<int, 2> wakePipe{-1, -1};
constexpr std::array<int, 3> quitSignals{SIGINT, SIGTERM, SIGHUP};

void onSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakePipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void armQuitDeadline(std::chrono::milliseconds deadline) {
    std::thread([deadline] {
        std::this_thread::sleep_for(deadline);
        static constexpr char line[] = "tinkella: closing the audio and MIDI connections took "
                                       "too long; leaving them to the system\n";
        [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line, sizeof line - 1);
        std::_Exit(0);
    }).detach();
}

QuitSignals::QuitSignals() {
    if (wakePipe[0] >= 0 || ::pipe2(wakePipe.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : quitSignals) {
        ::sigaction(signal, &action, nullptr);
    }
    notifier_ = std::make_unique<QSocketNotifier>(wakePipe[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [] {
        char buffer[16];
        while (::read(wakePipe[0], buffer, sizeof buffer) > 0) {
        }
        QCoreApplication::exit(0);
    });
}

QuitSignals::~QuitSignals() {
    if (!notifier_) {
        return;
    }
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int signal : quitSignals) {
        ::sigaction(signal, &action, nullptr);
    }
    notifier_.reset();
    ::close(wakePipe[0]);
    ::close(wakePipe[1]);
    wakePipe = {-1, -1};
}

} // namespace tinkella::app
