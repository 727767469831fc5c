#pragma once

#include "foundation/InMemoryDefaultsStore.h"

#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QTimer;

namespace tinkella {

// The user's settings in an INI file of the form QSettings reads and writes: by default
// $XDG_CONFIG_HOME/Quorvin/Tinkella.conf. INI keeps no types, so values are written as text
// ("37.25", "true", "7") and typed again when read (DefaultsValue::parse). A write rewrites only
// the lines of the keys the program changed: comments and the user's own spelling of every
// other value survive.
//
// Only a regular file of at most maxFileBytes is read; anything else at the path (a FIFO, a
// device, a link to one, a huge file) is refused without being opened for more than a
// non-blocking look, so reading never blocks and never takes more memory than the cap.
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
    // A settings file of this program is a few hundred bytes.
    static constexpr long long maxFileBytes = 1024 * 1024;

    QString filePath() const { return filePath_; }
    // False once the file has proved unreadable, unparsable or unwritable.
    bool isPersistent() const { return persistent_; }

private:
    // The file's text; empty when there is no file; none (after one line on standard error)
    // when it cannot be used, with consequence saying what the store does about it.
    std::optional<std::string> readFile(const char* consequence);
    void load();
    void giveUpFile(const QString& reason, const char* consequence);

    QString filePath_;
    bool persistent_ = true;
    std::unique_ptr<QTimer> flushTimer_; // made on the first write inside an application
    InMemoryDefaultsStore cache_;
    // Keys written since the last flush: their new text, none for a removed key.
    std::map<std::string, std::optional<std::string>, std::less<>> pending_;
};

} // namespace tinkella
