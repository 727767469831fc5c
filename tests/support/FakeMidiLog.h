#pragma once

#include "audio/MIDIOutput.h"
#include "interfaces/StandardError.h"
#include "interfaces/SystemLog.h"

#include <memory>
#include <string>
#include <vector>

namespace tinkella::testing {

// Captures what the MIDI diagnostic log writes: the system-log entries and every standard
// error write. sink() hands out writers that keep recording after the capture is moved into
// an output; the capture itself may be destroyed first.
class MidiLogCapture {
public:
    struct Entry {
        LogLevel level;
        std::string message;
    };
    struct Records {
        bool defaultEnabled = true;
        bool errorEnabled = true;
        std::vector<Entry> systemLog;
        std::vector<std::string> stderrWrites;
    };

    MidiLogCapture() : records_(std::make_shared<Records>()) {}

    MidiLogSink sink() const {
        return {std::make_unique<Log>(records_), std::make_unique<Stderr>(records_)};
    }

    Records& records() const { return *records_; }
    void setLevelEnabled(LogLevel level, bool enabled) const {
        (level == LogLevel::Default ? records_->defaultEnabled : records_->errorEnabled) = enabled;
    }
    const std::vector<Entry>& systemLog() const { return records_->systemLog; }
    const std::vector<std::string>& stderrWrites() const { return records_->stderrWrites; }
    // Standard error as physical lines, without their line feeds.
    std::vector<std::string> stderrLines() const {
        std::vector<std::string> lines;
        std::string current;
        for (const std::string& write : records_->stderrWrites) {
            for (char c : write) {
                if (c == '\n') {
                    lines.push_back(current);
                    current.clear();
                } else {
                    current.push_back(c);
                }
            }
        }
        if (!current.empty()) {
            lines.push_back(current);
        }
        return lines;
    }
    void clear() const {
        records_->systemLog.clear();
        records_->stderrWrites.clear();
    }

private:
    class Log final : public SystemLog {
    public:
        explicit Log(std::shared_ptr<Records> records) : records_(std::move(records)) {}
        bool isLevelEnabled(LogLevel level) const override {
            return level == LogLevel::Default ? records_->defaultEnabled : records_->errorEnabled;
        }
        void write(LogLevel level, std::string_view message) override {
            records_->systemLog.push_back({level, std::string(message)});
        }

    private:
        std::shared_ptr<Records> records_;
    };
    class Stderr final : public StandardErrorWriter {
    public:
        explicit Stderr(std::shared_ptr<Records> records) : records_(std::move(records)) {}
        void write(std::string_view bytes) override { records_->stderrWrites.emplace_back(bytes); }

    private:
        std::shared_ptr<Records> records_;
    };

    std::shared_ptr<Records> records_;
};

} // namespace tinkella::testing
