#pragma once

#include "app/SingleInstance.h"

#include <QDBusAbstractAdaptor>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

namespace tinkella::app {

// org.freedesktop.Application on the session bus, exported on an object that the instance
// owns. The program opens no files: Open brings it forward like Activate. The one action,
// "save-performance", takes a file path (a string) and saves the last performance there without
// coming forward; any other action brings it forward. The platform data's "activation-token"
// and "desktop-startup-id" are passed on. Main thread only.
class FreedesktopApplication : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    FreedesktopApplication(QObject* exported, SingleInstance& instance);

    static Activation activationFrom(const QVariantMap& platformData);

public slots:
    void Activate(const QVariantMap& platformData);
    void Open(const QStringList& uris, const QVariantMap& platformData);
    void ActivateAction(const QString& name, const QVariantList& parameter,
                        const QVariantMap& platformData);

private:
    SingleInstance& instance_;
};

} // namespace tinkella::app
