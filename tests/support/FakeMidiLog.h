#pragma once

#include "interfaces/StandardError.h"
#include "outputs/MIDIOutput.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace tinkella::testing {

// Captures what the MIDI diagnostic log writes to standard error (the system log gets nothing).
// The writer sink() hands out keeps recording after the capture itself is gone.
class MidiLogCapture {
public:
    struct Records {
        std::string standardError;
    };
    struct Stderr final : StandardErrorWriter {
        std::shared_ptr<Records> records;
        explicit Stderr(std::shared_ptr<Records> r) : records(std::move(r)) {}
        void write(std::string_view bytes) override { records->standardError += bytes; }
    };

    MidiLogSink sink() const { return {nullptr, std::make_unique<Stderr>(records)}; }
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
