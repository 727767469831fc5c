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
#include <QVariantMap>
#include <cstdio>
#include <unistd.h>

namespace tinkella::app {

namespace {

constexpr const char* applicationInterface = "org.freedesktop.Application";
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

QVariantMap platformData(const Activation& activation) {
    QVariantMap data;
    if (!activation.activationToken.empty()) {
        data.insert(QStringLiteral("activation-token"),
                    QString::fromStdString(activation.activationToken));
    }
    if (!activation.startupId.empty()) {
        data.insert(QStringLiteral("desktop-startup-id"),
                    QString::fromStdString(activation.startupId));
    }
    return data;
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

// Takes the bus name with the application object behind it; when another copy owns the name,
// asks it to come forward instead.
Claim claimBusName(SingleInstance& instance, const QString& name) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return Claim::Unavailable;
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
            return Claim::Owned;
        }
    }
    bus.unregisterObject(path);
    delete exported;
    if (granted.type() != QDBusMessage::ReplyMessage) {
        return Claim::Unavailable;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        name, path, QLatin1String(applicationInterface), QStringLiteral("Activate"));
    call << platformData(launchActivation());
    const QDBusMessage reply = bus.call(call, QDBus::Block, SingleInstance::answerTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage ? Claim::Answered : Claim::Unreachable;
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
    place.defaultSettingsFile =
        QDir::cleanPath(QStringLiteral("%1/.config/%2/%3.conf")
                            .arg(QDir::homePath(), QLatin1String(organizationName),
                                 QLatin1String(applicationName)))
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
    Claim claim = Claim::Unavailable;
    if (!key.busName.empty()) {
        claim = claimBusName(*instance, QString::fromStdString(key.busName));
    }
    // The bus name's owner also listens on the socket, for launches that find no bus.
    if ((claim == Claim::Owned || claim == Claim::Unavailable) && !key.socketPath.empty()) {
        std::unique_ptr<QLocalServer> server;
        const Claim socket = claimSocket(QString::fromStdString(key.socketPath), server);
        if (socket == Claim::Owned) {
            instance->serve(std::move(server));
        }
        if (claim == Claim::Unavailable || socket == Claim::Answered) {
            claim = socket;
        }
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
