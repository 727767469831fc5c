#pragma once

#include "platform/defaults/DefaultsStore.h"

#include <QString>
#include <memory>

class QSettings;

namespace tinkella {

// The user's settings in an INI file through QSettings: by default
// $XDG_CONFIG_HOME/Quorvin/Tinkella.conf. INI keeps no types, so values are written as text
// ("37.25", "true", "7") and typed again when read (DefaultsValue::parse).
//
// A file that cannot be read or parsed is never written: one line on standard error says so
// and the store keeps every value in memory for the rest of the process, so the user's file
// survives unchanged. A file that cannot be written likewise: one line, then memory only.
// Main thread only.
class QtSettingsStore : public DefaultsStore {
public:
    // The application's own file, from the organisation and application names.
    QtSettingsStore();
    // Any INI file; used by tests.
    explicit QtSettingsStore(const QString& filePath);
    ~QtSettingsStore() override;
    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    DefaultsValue read(std::string_view key) const override;
    bool write(std::string_view key, const DefaultsValue& value) override;

    QString filePath() const { return filePath_; }
    // False once the file has proved unreadable, unparsable or unwritable.
    bool isPersistent() const { return settings_ != nullptr; }

private:
    void load();
    void giveUpFile(const QString& reason, const char* consequence);

    QString filePath_;
    std::unique_ptr<QSettings> settings_; // null when only memory is used
    InMemoryDefaultsStore cache_;
};

} // namespace tinkella
