#include "app/FreedesktopApplication.h"

#include "app/PerformanceFile.h"
#include "outputs/PerformanceRecorder.h"

#include <QDBusVariant>

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
                                            const QVariantMap& platformData) {
    if (name == QLatin1String("save-performance")) {
        // The path comes wrapped in a variant, as the interface passes every parameter.
        const QVariant path = parameter.value(0);
        savePerformance(PerformanceRecorder::shared(),
                        path.canConvert<QDBusVariant>()
                            ? qvariant_cast<QDBusVariant>(path).variant().toString()
                            : path.toString());
        return;
    }
    instance_.activate(activationFrom(platformData));
}

} // namespace tinkella::app
