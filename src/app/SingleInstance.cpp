#include "app/SingleInstance.h"

#include "adapters/qt/QtSettingsStore.h"
#include "app/AppInfo.h"
#include "app/FreedesktopApplication.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QTimer>
#include <cstdio>
#include <unistd.h>

namespace tinkella::app {

namespace {

// org.freedesktop.DBus.RequestName: fail rather than wait in the owner's queue.
constexpr uint doNotQueue = 4;
constexpr uint primaryOwner = 1;
constexpr uint alreadyOwner = 4;
// An activation line is a few hundred bytes; anything longer is not one of ours.
constexpr qint64 longestLine = 4096;
// A connected launch that sends nothing is dropped after this long.
constexpr int idleConnectionMs = 5000;
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

// Sends one activation over the socket and waits for the answer, each step bounded.
Claim askOverSocket(const QString& path) {
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(SingleInstance::answerTimeoutMs)) {
        const bool nobodyListens = socket.error() == QLocalSocket::ConnectionRefusedError ||
                                   socket.error() == QLocalSocket::ServerNotFoundError;
        return nobodyListens ? Claim::Unavailable : Claim::Unreachable;
    }
    socket.write(activationLine(launchActivation()).c_str());
    if (!socket.waitForBytesWritten(SingleInstance::answerTimeoutMs)) {
        return Claim::Unreachable;
    }
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(SingleInstance::answerTimeoutMs)) {
            return Claim::Unreachable;
        }
    }
    return socket.readLine(longestLine) == answerLine ? Claim::Answered : Claim::Unreachable;
}

// Listens on path, replacing a socket whose copy is gone; a live copy is asked instead. The
// toolkit's listen() replaces any file at path, so the check comes first, under a lock file
// that keeps two launches from both finding the place free.
Claim claimSocket(const QString& path, std::unique_ptr<QLocalServer>& server) {
    QLockFile lock(path + QStringLiteral(".lock"));
    lock.tryLock(SingleInstance::answerTimeoutMs);
    const QFileInfo existing(path);
    if (existing.exists()) {
        // Another user's file at our name (possible in /tmp) is neither trusted nor removed.
        if (existing.ownerId() != ::getuid()) {
            return Claim::Unreachable;
        }
        const Claim asked = askOverSocket(path);
        if (asked != Claim::Unavailable) {
            return asked;
        }
        QLocalServer::removeServer(path);
    }
    server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    return server->listen(path) ? Claim::Owned : Claim::Unreachable;
}

// Takes the bus name with the application object behind it when the name is free; a name
// another copy owns is left to it (that copy may use another settings file).
bool ownBusName(SingleInstance& instance, const QString& name) {
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
    const QDBusMessage granted = bus.call(request, QDBus::Block, SingleInstance::answerTimeoutMs);
    if (granted.type() == QDBusMessage::ReplyMessage && !granted.arguments().isEmpty()) {
        const uint result = granted.arguments().constFirst().toUInt();
        if (result == primaryOwner || result == alreadyOwner) {
            return true;
        }
    }
    bus.unregisterObject(path);
    delete exported;
    return false;
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
        std::unique_ptr<QLocalServer> server;
        claim = claimSocket(QString::fromStdString(key.socketPath), server);
        if (claim == Claim::Owned) {
            instance->serve(std::move(server));
        }
    }
    if (claim != Claim::Answered && !key.busName.empty() &&
        ownBusName(*instance, QString::fromStdString(key.busName))) {
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

void SingleInstance::serve(std::unique_ptr<QLocalServer> server) {
    server_ = std::move(server);
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
            QTimer::singleShot(idleConnectionMs, socket, [socket] { socket->abort(); });
        }
    });
}

void SingleInstance::answer(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > longestLine) {
            socket->abort();
        }
        return;
    }
    const std::optional<Activation> activation =
        parseActivationLine(socket->readLine(longestLine).toStdString());
    if (!activation) {
        socket->abort();
        return;
    }
    socket->write(answerLine);
    socket->disconnectFromServer();
    activate(*activation);
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
