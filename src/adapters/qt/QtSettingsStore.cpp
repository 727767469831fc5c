#include "adapters/qt/QtSettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <cstdio>

namespace tinkella {

namespace {

DefaultsValue fromVariant(const QVariant& variant) {
    if (variant.typeId() == QMetaType::QStringList) {
        // An unquoted comma makes QSettings split the text; the user wrote one text.
        return DefaultsValue::parse(
            variant.toStringList().join(QStringLiteral(", ")).toStdString());
    }
    if (variant.typeId() == QMetaType::Bool) {
        return DefaultsValue::boolean(variant.toBool());
    }
    return DefaultsValue::parse(variant.toString().toStdString());
}

// A settings file with NUL bytes or bytes that are not UTF-8 is no text INI file, though the
// lenient INI reader would accept parts of it.
bool looksLikeText(const QByteArray& bytes) {
    if (bytes.contains('\0')) {
        return false;
    }
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// The INI reader turns "@Variant(...)" values into objects of any registered type, taking sizes
// from the file: a few garbled bytes can ask for gigabytes. We write only plain text, so a file
// that holds such a value (even escaped) was not written by us.
bool holdsSerialisedObjects(const QByteArray& bytes) {
    return bytes.contains("Variant(");
}

} // namespace

QString QtSettingsStore::userFilePath(const char* organization, const char* application) {
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope, organization, application);
    return probe.fileName();
}

QtSettingsStore::QtSettingsStore(const QString& filePath) : filePath_(filePath) {
    load();
}

QtSettingsStore::~QtSettingsStore() {
    flush();
}

void QtSettingsStore::giveUpFile(const QString& reason, const char* consequence) {
    std::fprintf(stderr, "Settings: %s %s; %s\n", qUtf8Printable(filePath_), qUtf8Printable(reason),
                 consequence);
    settings_.reset();
}

void QtSettingsStore::load() {
    constexpr const char* readFailed =
        "using default settings for this session and leaving the file unchanged";
    const QFileInfo info(filePath_);
    if (info.exists()) {
        QFile file(filePath_);
        if (!file.open(QIODevice::ReadOnly)) {
            giveUpFile(QStringLiteral("cannot be read (%1)").arg(file.errorString()), readFailed);
            return;
        }
        const QByteArray bytes = file.readAll();
        if (!looksLikeText(bytes)) {
            giveUpFile(QStringLiteral("is not a settings file"), readFailed);
            return;
        }
        if (holdsSerialisedObjects(bytes)) {
            giveUpFile(QStringLiteral("is not a valid settings file"), readFailed);
            return;
        }
    }
    settings_ = std::make_unique<QSettings>(filePath_, QSettings::IniFormat);
    const QStringList keys = settings_->allKeys();
    switch (settings_->status()) {
    case QSettings::NoError:
        break;
    case QSettings::FormatError:
        giveUpFile(QStringLiteral("is not a valid settings file"), readFailed);
        return;
    case QSettings::AccessError:
        giveUpFile(QStringLiteral("cannot be read"), readFailed);
        return;
    }
    for (const QString& key : keys) {
        cache_.write(key.toStdString(), fromVariant(settings_->value(key)));
    }
}

DefaultsValue QtSettingsStore::read(std::string_view key) const {
    return cache_.read(key);
}

bool QtSettingsStore::write(std::string_view key, const DefaultsValue& value) {
    cache_.write(key, value);
    if (!settings_) {
        return false;
    }
    const QString name = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    if (value.isAbsent()) {
        settings_->remove(name);
    } else {
        settings_->setValue(name, QString::fromStdString(value.toString()));
    }
    if (QCoreApplication::instance() == nullptr) {
        return flush();
    }
    if (!flushTimer_) {
        flushTimer_ = std::make_unique<QTimer>();
        flushTimer_->setSingleShot(true);
        flushTimer_->setInterval(flushDelayMs);
        QObject::connect(flushTimer_.get(), &QTimer::timeout, [this] { flush(); });
    }
    if (!flushTimer_->isActive()) {
        flushTimer_->start();
    }
    return true;
}

bool QtSettingsStore::flush() {
    if (flushTimer_ && flushTimer_->isActive()) {
        flushTimer_->stop();
    }
    if (!settings_) {
        return false;
    }
    settings_->sync();
    if (settings_->status() != QSettings::NoError) {
        giveUpFile(QStringLiteral("cannot be written"),
                   "changed settings are kept until Tinkella quits");
        return false;
    }
    return true;
}

} // namespace tinkella
