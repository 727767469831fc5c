#include "app/InstanceSocket.h"

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace tinkella::app {

namespace {

// The socket address of path; false when it does not fit.
bool addressOf(const QByteArray& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    return true;
}

// Waits until descriptor is ready for events or the deadline passes.
bool waitFor(int descriptor, short events, std::chrono::steady_clock::time_point deadline) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return false;
        }
        pollfd entry{descriptor, events, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(left.count()));
        if (ready > 0) {
            return true;
        }
        if (ready < 0 && errno != EINTR) {
            return false;
        }
    }
}

class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

// One accepted connection: reads its line, answers once, then goes.
class Connection : public QObject {
public:
    Connection(int descriptor, std::function<InstanceListener::Reply(const std::string&)> onLine,
               QObject* parent)
        : QObject(parent), descriptor_(descriptor), onLine_(std::move(onLine)),
          notifier_(descriptor, QSocketNotifier::Read) {
        connect(&notifier_, &QSocketNotifier::activated, this, &Connection::readable);
        QTimer::singleShot(InstanceListener::idleMs, this, &Connection::drop);
    }
    ~Connection() override = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

private:
    void readable() {
        char chunk[512];
        const ssize_t got = ::recv(descriptor_.get(), chunk, sizeof chunk, 0);
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
            return;
        }
        if (got <= 0) {
            drop();
            return;
        }
        line_.append(chunk, static_cast<std::size_t>(got));
        const std::size_t end = line_.find('\n');
        if (end == std::string::npos) {
            if (line_.size() > InstanceListener::longestLine) {
                drop();
            }
            return;
        }
        notifier_.setEnabled(false);
        InstanceListener::Reply reply = onLine_(line_.substr(0, end + 1));
        if (!reply.answer.empty()) {
            // A few bytes into an empty socket buffer: written at once.
            [[maybe_unused]] const ssize_t sent =
                ::send(descriptor_.get(), reply.answer.data(), reply.answer.size(), MSG_NOSIGNAL);
        }
        drop();
        if (!reply.answer.empty() && reply.action) {
            reply.action();
        }
    }

    void drop() {
        notifier_.setEnabled(false);
        ::shutdown(descriptor_.get(), SHUT_RDWR);
        deleteLater();
    }

    Descriptor descriptor_;
    std::function<InstanceListener::Reply(const std::string&)> onLine_;
    QSocketNotifier notifier_;
    std::string line_;
};

} // namespace

LaunchLock::LaunchLock(const QString& path, int timeoutMs)
    : descriptor_(::open(QFile::encodeName(path).constData(),
                         O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600)) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (descriptor_ >= 0 && ::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline) {
            ::close(descriptor_);
            descriptor_ = -1;
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
}

LaunchLock::~LaunchLock() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

SocketAnswer askListener(const QString& path, const std::string& line, const std::string& answer,
                         int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    sockaddr_un address{};
    if (!addressOf(QFile::encodeName(path), address)) {
        return SocketAnswer::NoListener;
    }
    const Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0) {
        return SocketAnswer::Unreachable;
    }
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (errno == ECONNREFUSED || errno == ENOENT) {
            return SocketAnswer::NoListener;
        }
        // A listener whose queue is full makes the connection wait.
        int error = 0;
        socklen_t length = sizeof error;
        if (errno != EAGAIN && errno != EINPROGRESS) {
            return SocketAnswer::Unreachable;
        }
        if (!waitFor(socket.get(), POLLOUT, deadline) ||
            ::getsockopt(socket.get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
            return error == ECONNREFUSED ? SocketAnswer::NoListener : SocketAnswer::Unreachable;
        }
    }
    std::size_t written = 0;
    while (written < line.size()) {
        const ssize_t sent =
            ::send(socket.get(), line.data() + written, line.size() - written, MSG_NOSIGNAL);
        if (sent > 0) {
            written += static_cast<std::size_t>(sent);
        } else if ((sent < 0 && errno != EAGAIN && errno != EINTR) ||
                   !waitFor(socket.get(), POLLOUT, deadline)) {
            return SocketAnswer::Unreachable;
        }
    }
    std::string received;
    while (received.find('\n') == std::string::npos && received.size() <= answer.size()) {
        if (!waitFor(socket.get(), POLLIN, deadline)) {
            return SocketAnswer::Unreachable;
        }
        char chunk[64];
        const ssize_t got = ::recv(socket.get(), chunk, sizeof chunk, 0);
        if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
            break;
        }
        if (got > 0) {
            received.append(chunk, static_cast<std::size_t>(got));
        }
    }
    return received == answer ? SocketAnswer::Answered : SocketAnswer::Unreachable;
}

std::unique_ptr<InstanceListener>
InstanceListener::listen(const QString& path, std::function<Reply(const std::string&)> onLine) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (!addressOf(name, address)) {
        return nullptr;
    }
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (descriptor < 0) {
        return nullptr;
    }
    ::unlink(name.constData());
    // Bound with no access for others from the start: the owner alone may connect.
    const mode_t mask = ::umask(S_IRWXG | S_IRWXO);
    const bool bound =
        ::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::chmod(name.constData(), S_IRWXU) != 0 || ::listen(descriptor, 16) != 0) {
        ::close(descriptor);
        return nullptr;
    }
    return std::unique_ptr<InstanceListener>(
        new InstanceListener(descriptor, name, std::move(onLine)));
}

InstanceListener::InstanceListener(int descriptor, QByteArray path,
                                   std::function<Reply(const std::string&)> onLine)
    : descriptor_(descriptor), path_(std::move(path)), onLine_(std::move(onLine)),
      notifier_(std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read)) {
    connect(notifier_.get(), &QSocketNotifier::activated, this, &InstanceListener::acceptAll);
}

InstanceListener::~InstanceListener() {
    notifier_.reset();
    ::close(descriptor_);
    ::unlink(path_.constData());
}

void InstanceListener::acceptAll() {
    for (;;) {
        const int connection =
            ::accept4(descriptor_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0) {
            return;
        }
        new Connection(connection, onLine_, this);
    }
}

} // namespace tinkella::app
