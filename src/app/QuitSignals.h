#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

namespace tinkella::app {

// Turns SIGINT, SIGTERM and SIGHUP into an orderly QCoreApplication::exit(0) on the main
// thread, so a program stopped from the terminal or by the session ends its notes like one
// quit from the menu. The handler only writes one byte to a pipe the event loop watches.
// One instance per process, made after the application object.
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
