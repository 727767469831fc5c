#pragma once

#include "outputs/MIDIOutput.h"
#include "interfaces/StandardError.h"
#include "interfaces/SystemLog.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace tinkella::testing {

// Captures what the MIDI diagnostic log writes to the system log and to standard error. The
// writers sink() hands out keep recording after the capture itself is gone.
class MidiLogCapture {
public:
    struct Records {
        std::vector<std::pair<LogLevel, std::string>> systemLog;
        std::string standardError;
    };
    struct Log final : SystemLog {
        std::shared_ptr<Records> records;
        explicit Log(std::shared_ptr<Records> r) : records(std::move(r)) {}
        bool isLevelEnabled(LogLevel) const override { return true; }
        void write(LogLevel level, std::string_view m) override {
            records->systemLog.emplace_back(level, m);
        }
    };
    struct Stderr final : StandardErrorWriter {
        std::shared_ptr<Records> records;
        explicit Stderr(std::shared_ptr<Records> r) : records(std::move(r)) {}
        void write(std::string_view bytes) override { records->standardError += bytes; }
    };

    MidiLogSink sink() const {
        return {std::make_unique<Log>(records), std::make_unique<Stderr>(records)};
    }
    // Standard error as lines, without their line feeds.
    std::vector<std::string> stderrLines() const {
        std::vector<std::string> lines;
        std::istringstream in(records->standardError);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    std::shared_ptr<Records> records = std::make_shared<Records>();
};

} // namespace tinkella::testing
