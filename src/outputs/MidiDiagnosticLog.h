#pragma once

#include "interfaces/MidiPort.h"
#include "interfaces/StandardError.h"
#include "interfaces/SystemLog.h"

#include <memory>
#include <string>
#include <string_view>

namespace tinkella {

// Where the MIDI diagnostic log goes. A missing system log takes nothing; a missing standard
// error writer means file descriptor 2.
struct MidiLogSink {
    std::unique_ptr<SystemLog> systemLog;
    std::unique_ptr<StandardErrorWriter> standardError;
};

// The MIDI output's running commentary: one line per event, to the system log (where its level
// is enabled) and to standard error, information as "MIDI: " lines and errors as "MIDI-ERROR: "
// lines; and what the lines are made of, a port's status in words and the dump of its system's
// ports. Main thread only.
class MidiDiagnosticLog {
public:
    explicit MidiDiagnosticLog(MidiLogSink sink);

    // One line: message to the system log when level is enabled there, then
    // prefix + message + "\n" to standard error in one write.
    void diag(std::string_view message, LogLevel level, std::string_view prefix);
    void info(std::string_view message) { diag(message, LogLevel::Default, "MIDI: "); }
    void error(std::string_view message) { diag(message, LogLevel::Error, "MIDI-ERROR: "); }

    // "noErr" for 0; otherwise the words of the port that returned status.
    static std::string describe(MidiStatus status, const MidiPort& port);
    // Dumps every source, destination and device of port's system, and whether our own source
    // is among them.
    void logTopology(std::string_view reason, MidiPort& port);

private:
    MidiLogSink sink_;
};

} // namespace tinkella
