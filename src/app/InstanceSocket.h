#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

class QSocketNotifier;

namespace tinkella::app {

// The two ends of the single-instance socket, a plain AF_UNIX stream socket in the file system
// (no toolkit network module: it would bring its proxy and authentication libraries into every
// start). Main thread only.

// What one attempt to reach the listener at a path came to.
enum class SocketAnswer {
    Answered,    // the listener took the line and answered with the expected answer
    Unreachable, // a listener is there but did not answer in time, or answered otherwise
    NoListener,  // nothing listens at the path (no file, or a file no process listens on)
};

// Connects to path, sends line and waits for answer; each step waits at most timeoutMs.
SocketAnswer askListener(const QString& path, const std::string& line, const std::string& answer,
                         int timeoutMs);

// Held by one launch at a time while it looks for a listener at a path and takes its place: an
// flock on a file of the owner's, let go when the object goes or the process ends, however it
// ends, so no stale lock is ever left to clear. Nothing is written to the file, so taking the lock
// costs no disk flush. The file stays (removing it would race a launch waiting on it). Waits at
// most timeoutMs for the launch that holds it, then goes on without it, as it does when the file
// cannot be opened.
class LaunchLock {
public:
    LaunchLock(const QString& path, int timeoutMs);
    ~LaunchLock();
    LaunchLock(const LaunchLock&) = delete;
    LaunchLock& operator=(const LaunchLock&) = delete;

    bool held() const { return descriptor_ >= 0; }

private:
    int descriptor_ = -1;
};

// Listens at a path, readable and writable by the owner only. Each connection may send one line
// of at most longestLine bytes; onLine decides what to answer (nothing: the connection is
// dropped) and runs its action after the answer has been written. A connection that sends
// nothing for idleMs, or more than longestLine without a line break, is dropped. The file is
// removed when the listener goes.
class InstanceListener : public QObject {
    Q_OBJECT

public:
    static constexpr std::size_t longestLine = 4096;
    static constexpr int idleMs = 5000;

    struct Reply {
        std::string answer;           // empty: drop the connection without answering
        std::function<void()> action; // runs once the answer is written
    };

    // Null when the path cannot be bound (too long, taken, not writable). The caller makes sure
    // no other copy listens there; a file at the path is replaced.
    static std::unique_ptr<InstanceListener>
    listen(const QString& path, std::function<Reply(const std::string&)> onLine);
    ~InstanceListener() override;
    InstanceListener(const InstanceListener&) = delete;
    InstanceListener& operator=(const InstanceListener&) = delete;

private:
    InstanceListener(int descriptor, QByteArray path,
                     std::function<Reply(const std::string&)> onLine);
    void acceptAll();

    int descriptor_;
    QByteArray path_;
    std::function<Reply(const std::string&)> onLine_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace tinkella::app
