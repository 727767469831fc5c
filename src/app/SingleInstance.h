#pragma once

#include "app/InstanceKey.h"

#include <QObject>
#include <functional>
#include <memory>
#include <string>

namespace tinkella::app {

class InstanceListener;

// One running copy per settings file. The first launch listens on an owner-only local socket
// named by its settings file; a later launch with the same settings file asks that copy to come
// forward and gives way, one with another settings file runs beside it. The first copy on the
// session bus also owns com.quorvin.Tinkella, with org.freedesktop.Application at
// /com/quorvin/Tinkella, through which the desktop starts and activates the program. Every
// wait for another process is bounded by answerTimeoutMs: a copy that does not answer counts
// as absent and the new one runs alone. A socket left by a crashed copy is replaced. Main
// thread only; made after the application object and before anything heavy.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    enum class Role {
        // This copy holds the key; later launches reach onActivate.
        First,
        // A running copy answered and comes forward; this one should exit at once.
        HandedOver,
        // No key (asked to run alone), or the key's holder is unreachable: runs on its own.
        Alone,
    };

    static constexpr int answerTimeoutMs = 1000;

    // Decides for this process: its settings file, the session bus, $XDG_RUNTIME_DIR.
    // onActivate runs on the main thread for each later launch that gives way.
    static std::unique_ptr<SingleInstance> claim(bool runAlone, std::function<void()> onActivate);
    // The same for a given key; the launcher's tokens come from this process's environment.
    static std::unique_ptr<SingleInstance> claim(const InstanceKey& key,
                                                 std::function<void()> onActivate);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Role role() const { return role_; }
    bool handedOver() const { return role_ == Role::HandedOver; }

    // Brings this copy forward on behalf of a launch: hands the desktop the launch's token,
    // then runs onActivate.
    void activate(const Activation& activation);

    // A first copy that holds the socket asks for the bus name only now: it is called once the
    // windows are up, as connecting to the bus would hold up their first showing and its answer
    // decides nothing (the socket does). Later calls, and calls in any other role, do nothing.
    void takeBusName();

private:
    explicit SingleInstance(std::function<void()> onActivate);

    Role role_ = Role::Alone;
    std::function<void()> onActivate_;
    // The bus name takeBusName asks for; empty when there is none to ask for.
    std::string pendingBusName_;
    // Answers the launches that connect to the socket; goes first, before onActivate_.
    std::unique_ptr<InstanceListener> listener_;
};

} // namespace tinkella::app
