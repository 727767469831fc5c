#pragma once

#include "app/SingleInstance.h"

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>
#include <optional>
#include <string>

namespace tinkella::app {

// org.freedesktop.Application on the session bus, exported on an object that the instance
// owns. The program opens no files: Open brings it forward like Activate. The one action,
// "save-performance", takes an absolute file path and saves the last performance there without
// coming forward, replying with an error that carries the reason when it does not save
// (org.freedesktop.DBus.Error.InvalidArgs for a parameter that is no path, Failed otherwise);
// any other action brings it forward. The platform data's "activation-token" and
// "desktop-startup-id" are passed on. Main thread only.
class FreedesktopApplication : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    FreedesktopApplication(QObject* exported, SingleInstance& instance);

    static Activation activationFrom(const QVariantMap& platformData);

public slots:
    void Activate(const QVariantMap& platformData);
    void Open(const QStringList& uris, const QVariantMap& platformData);
    // message: the call itself, for the error reply (not a parameter on the bus).
    void ActivateAction(const QString& name, const QVariantList& parameter,
                        const QVariantMap& platformData, const QDBusMessage& message);

private:
    // The one parameter of save-performance as a path in the file system's bytes: a string
    // (encoded as Qt encodes file names), or a byte string, the form for a path that is not
    // UTF-8 (its one closing NUL, which GLib's byte strings carry, dropped). Anything else, or
    // not exactly one parameter: none.
    static std::optional<std::string> pathParameter(const QVariantList& parameter);

    SingleInstance& instance_;
};

} // namespace tinkella::app
