#pragma once

#include <QObject>
#include <chrono>
#include <memory>

class QSocketNotifier;

namespace tinkella::app {

// Turns SIGINT, SIGTERM and SIGHUP into an orderly QCoreApplication::exit(0) on the main
// thread, so a program stopped from the terminal or by the session ends its notes like one
// quit from the menu. The handler only writes one byte to a pipe the event loop watches.
// One instance per process, made after the application object.
//
// armQuitDeadline() bounds what follows the event loop: the notes have been ended and the
// settings written by then, and closing the audio and MIDI clients must not hang the quit when
// their server has stopped answering (a JACK server that is stopped or frozen blocks every
// close). After the deadline the process exits with status 0 and leaves its connections to the
// system, which closes them; the server drops the clients when it runs again.
void armQuitDeadline(std::chrono::milliseconds deadline);

class QuitSignals : public QObject {
    Q_OBJECT

public:
    QuitSignals();
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // False when the pipe or a handler could not be set up; the signals then keep their
    // default effect.
    bool isActive() const { return notifier_ != nullptr; }

private:
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace tinkella::app
