#include "app/FreedesktopApplication.h"

#include "app/PerformanceFile.h"
#include "outputs/PerformanceRecorder.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusVariant>
#include <QFile>
#include <cstdio>

namespace tinkella::app {

FreedesktopApplication::FreedesktopApplication(QObject* exported, SingleInstance& instance)
    : QDBusAbstractAdaptor(exported), instance_(instance) {}

Activation FreedesktopApplication::activationFrom(const QVariantMap& platformData) {
    return {platformData.value(QStringLiteral("activation-token")).toString().toStdString(),
            platformData.value(QStringLiteral("desktop-startup-id")).toString().toStdString()};
}

void FreedesktopApplication::Activate(const QVariantMap& platformData) {
    instance_.activate(activationFrom(platformData));
}

void FreedesktopApplication::Open(const QStringList&, const QVariantMap& platformData) {
    instance_.activate(activationFrom(platformData));
}

void FreedesktopApplication::ActivateAction(const QString& name, const QVariantList& parameter,
                                            const QVariantMap& platformData,
                                            const QDBusMessage& message) {
    if (name != QLatin1String("save-performance")) {
        instance_.activate(activationFrom(platformData));
        return;
    }
    const std::optional<std::string> path = pathParameter(parameter);
    QString reason = QStringLiteral("save-performance takes one absolute file path, as a string "
                                    "or a byte string");
    if (path) {
        reason = savePerformance(PerformanceRecorder::shared(), *path);
    } else {
        std::fputs(
            ("Tinkella: the last performance was not saved: " + reason + "\n").toUtf8().constData(),
            stderr);
    }
    if (!reason.isEmpty()) {
        message.setDelayedReply(true);
        QDBusConnection::sessionBus().send(
            message.createErrorReply(path ? QDBusError::Failed : QDBusError::InvalidArgs, reason));
    }
}

std::optional<std::string> FreedesktopApplication::pathParameter(const QVariantList& parameter) {
    if (parameter.size() != 1) {
        return std::nullopt;
    }
    // Each parameter comes wrapped in a variant, as the interface passes them.
    QVariant value = parameter.front();
    if (value.metaType() == QMetaType::fromType<QDBusVariant>()) {
        value = qvariant_cast<QDBusVariant>(value).variant();
    }
    if (value.metaType() == QMetaType::fromType<QString>()) {
        return QFile::encodeName(value.toString()).toStdString();
    }
    if (value.metaType() == QMetaType::fromType<QByteArray>()) {
        QByteArray bytes = value.toByteArray();
        if (bytes.endsWith('\0')) {
            bytes.chop(1);
        }
        return bytes.toStdString();
    }
    return std::nullopt;
}

} // namespace tinkella::app
