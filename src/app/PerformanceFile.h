#pragma once

#include <QString>
#include <string>

class QWidget;

namespace tinkella {
class PerformanceRecorder;
}

namespace tinkella::app {

// Writes what recorder keeps (the last half hour) to path (absolute, in the file system's bytes)
// as a Standard MIDI File, all or nothing, replacing only a regular file (replaceFile()); the
// recorder is left as it is. Writes one "Tinkella: " line either way, the path escaped, and
// returns the reason of a failure (empty: saved). Main thread only.
QString savePerformance(const PerformanceRecorder& recorder, const std::string& path);

// Window > "Save Last Performance…": asks for a file (by default "Tinkella <date> <hh-mm>.mid"
// in the Music folder, or home), saves the shared recorder there and shows a failure's reason.
void savePerformanceFromMenu(QWidget* parent);

} // namespace tinkella::app
