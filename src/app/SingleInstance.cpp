#include "app/SingleInstance.h"

#include "adapters/qt/QtSettingsStore.h"
#include "app/AppInfo.h"
#include "app/FreedesktopApplication.h"
#include "app/InstanceSocket.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <unistd.h>

namespace tinkella::app {

namespace {

// org.freedesktop.DBus.RequestName: fail rather than wait in the owner's queue.
constexpr uint doNotQueue = 4;
constexpr uint primaryOwner = 1;
constexpr uint alreadyOwner = 4;
constexpr char answerLine[] = "ok\n";

enum class Claim {
    Owned,       // this copy now holds the key
    Answered,    // the holder answered and comes forward
    Unreachable, // a holder exists but cannot be reached in time
    Unavailable, // this way of meeting cannot be used at all
};

Activation launchActivation() {
    return {qEnvironmentVariable("XDG_ACTIVATION_TOKEN").toStdString(),
            qEnvironmentVariable("DESKTOP_STARTUP_ID").toStdString()};
}

// Listens on path, replacing a socket whose copy is gone; a live copy is asked instead. Listening
// replaces any file at path, so the check comes first, under a lock file that keeps two launches
// from both finding the place free.
Claim claimSocket(const QString& path, SingleInstance& instance,
                  std::unique_ptr<InstanceListener>& listener) {
    const LaunchLock lock(path + QStringLiteral(".lock"), SingleInstance::answerTimeoutMs);
    const QFileInfo existing(path);
    if (existing.exists()) {
        // Another user's file at our name (possible in /tmp) is neither trusted nor removed.
        if (existing.ownerId() != ::getuid()) {
            return Claim::Unreachable;
        }
        switch (askListener(path, activationLine(launchActivation()), answerLine,
                            SingleInstance::answerTimeoutMs)) {
        case SocketAnswer::Answered:
            return Claim::Answered;
        case SocketAnswer::Unreachable:
            return Claim::Unreachable;
        case SocketAnswer::NoListener:
            break;
        }
    }
    listener = InstanceListener::listen(path, [&instance](const std::string& line) {
        const std::optional<Activation> activation = parseActivationLine(line);
        if (!activation) {
            return InstanceListener::Reply{};
        }
        return InstanceListener::Reply{answerLine, [&instance, activation] {
                                           instance.activate(*activation);
                                       }};
    });
    return listener != nullptr ? Claim::Owned : Claim::Unreachable;
}

// Whether a reply to RequestName made this connection the name's owner.
bool nameGranted(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        return false;
    }
    const uint result = reply.arguments().constFirst().toUInt();
    return result == primaryOwner || result == alreadyOwner;
}

// Asks for the bus name with the application object behind it when the name is free; a name
// another copy owns is left to it (that copy may use another settings file). With wait false
// the answer comes through the event loop (the caller's role does not hang on it) and true is
// returned when the request was sent; with wait true it is the answer.
bool ownBusName(SingleInstance& instance, const QString& name, bool wait) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    auto* exported = new QObject(&instance);
    new FreedesktopApplication(exported, instance);
    const QString path = QString::fromLatin1(applicationObjectPath);
    bus.registerObject(path, exported, QDBusConnection::ExportAdaptors);
    QDBusMessage request = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("RequestName"));
    request << name << doNotQueue;
    const auto refused = [path, exported] {
        QDBusConnection::sessionBus().unregisterObject(path);
        delete exported;
    };
    if (wait) {
        if (nameGranted(bus.call(request, QDBus::Block, SingleInstance::answerTimeoutMs))) {
            return true;
        }
        refused();
        return false;
    }
    auto* watcher = new QDBusPendingCallWatcher(
        bus.asyncCall(request, SingleInstance::answerTimeoutMs), &instance);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &instance, [watcher, refused] {
        watcher->deleteLater();
        if (!nameGranted(watcher->reply())) {
            refused();
        }
    });
    return true;
}

} // namespace

SingleInstance::SingleInstance(std::function<void()> onActivate)
    : onActivate_(std::move(onActivate)) {}

SingleInstance::~SingleInstance() = default;

std::unique_ptr<SingleInstance> SingleInstance::claim(bool runAlone,
                                                      std::function<void()> onActivate) {
    LaunchPlace place;
    place.settingsFile =
        QDir::cleanPath(QtSettingsStore::userFilePath(organizationName, applicationName))
            .toStdString();
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    place.runtimeDir = runtimeDir.toStdString();
    // Without an address the bus library would guess, perhaps by starting a bus of its own.
    place.sessionBus = !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") ||
                       (runtimeDir.startsWith(QLatin1Char('/')) &&
                        QFileInfo::exists(runtimeDir + QStringLiteral("/bus")));
    place.uid = ::getuid();
    place.runAlone = runAlone;
    return claim(instanceKey(place), std::move(onActivate));
}

std::unique_ptr<SingleInstance> SingleInstance::claim(const InstanceKey& key,
                                                      std::function<void()> onActivate) {
    std::unique_ptr<SingleInstance> instance(new SingleInstance(std::move(onActivate)));
    // The socket is named by the settings file, so it alone tells whether a copy with the same
    // settings runs; the first copy on the bus also takes the bus name.
    Claim claim = Claim::Unavailable;
    if (!key.socketPath.empty()) {
        claim = claimSocket(QString::fromStdString(key.socketPath), *instance, instance->listener_);
    }
    // Holding the socket, this copy is the first whatever the bus answers: it asks for the name
    // later (takeBusName). Otherwise the bus name alone decides.
    if (claim == Claim::Owned) {
        instance->pendingBusName_ = key.busName;
    } else if (claim != Claim::Answered && !key.busName.empty() &&
               ownBusName(*instance, QString::fromStdString(key.busName), true)) {
        claim = Claim::Owned;
    }
    instance->role_ = claim == Claim::Owned      ? Role::First
                      : claim == Claim::Answered ? Role::HandedOver
                                                 : Role::Alone;
    if (claim == Claim::Unreachable) {
        std::fputs("Tinkella: another copy with these settings did not answer within a second; "
                   "this one runs on its own\n",
                   stderr);
    }
    return instance;
}

void SingleInstance::takeBusName() {
    if (!pendingBusName_.empty()) {
        ownBusName(*this, QString::fromStdString(pendingBusName_), false);
        pendingBusName_.clear();
    }
}

void SingleInstance::activate(const Activation& activation) {
    // The toolkit hands a pending activation token to the compositor with the next activation.
    if (!activation.activationToken.empty()) {
        qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(activation.activationToken));
    }
    if (onActivate_) {
        onActivate_();
    }
}

} // namespace tinkella::app
