#pragma once

#include <QString>

class QWidget;

namespace tinkella {
class PerformanceRecorder;
}

namespace tinkella::app {

// Writes what recorder keeps (the last half hour) to path as a Standard MIDI File, through a
// temporary file renamed over path only once complete, so a failed save leaves path as it was;
// the recorder is left as it is. Writes one "Tinkella: " line either way and returns the reason
// of a failure (empty: saved). Main thread only.
QString savePerformance(const PerformanceRecorder& recorder, const QString& path);

// Window > "Save Last Performance…": asks for a file (by default "Tinkella <date> <hh-mm>.mid"
// in the Music folder, or home), saves the shared recorder there and shows a failure's reason.
void savePerformanceFromMenu(QWidget* parent);

} // namespace tinkella::app
