#pragma once

#include "interfaces/DefaultsStore.h"

#include <QString>
#include <memory>

class QSettings;
class QTimer;

namespace tinkella {

// The user's settings in an INI file through QSettings: by default
// $XDG_CONFIG_HOME/Quorvin/Tinkella.conf. INI keeps no types, so values are written as text
// ("37.25", "true", "7") and typed again when read (DefaultsValue::parse).
//
// A write is answered by every later read at once and reaches the file within
// flushDelayMs, or at flush() (the application flushes when it quits, the destructor too):
// a slider dragged across its range writes on every step, and syncing the file each time
// costs milliseconds of the main thread per step.
//
// A file that cannot be read or parsed is never written: one line on standard error says so
// and the store keeps every value in memory for the rest of the process, so the user's file
// survives unchanged. A file that cannot be written likewise: one line, then memory only.
// Main thread only.
class QtSettingsStore : public DefaultsStore {
public:
    // The user's settings file of an application: $XDG_CONFIG_HOME/organization/application.conf.
    static QString userFilePath(const char* organization, const char* application);
    explicit QtSettingsStore(const QString& filePath);
    ~QtSettingsStore() override;
    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    DefaultsValue read(std::string_view key) const override;
    bool write(std::string_view key, const DefaultsValue& value) override;
    bool flush() override;

    // Longest time a written value waits for the file, while an event loop runs.
    static constexpr int flushDelayMs = 250;

    QString filePath() const { return filePath_; }
    // False once the file has proved unreadable, unparsable or unwritable.
    bool isPersistent() const { return settings_ != nullptr; }

private:
    void load();
    void giveUpFile(const QString& reason, const char* consequence);

    QString filePath_;
    std::unique_ptr<QSettings> settings_; // null when only memory is used
    std::unique_ptr<QTimer> flushTimer_;  // made on the first write inside an application
    InMemoryDefaultsStore cache_;
};

} // namespace tinkella
