#include "app/FreedesktopApplication.h"

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

void FreedesktopApplication::ActivateAction(const QString&, const QVariantList&,
                                            const QVariantMap& platformData) {
    instance_.activate(activationFrom(platformData));
}

} // namespace tinkella::app
