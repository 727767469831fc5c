#pragma once

#include "foundation/DefaultsController.h"

#include <QObject>
#include <string>

class QComboBox;
class QLabel;

namespace tinkella {
class PianoController;
}

namespace tinkella::app {

// The settings panel's sound font row: a pop-up of the system's General MIDI font, the chosen
// file and "Other…" (a file dialog for .sf2 and .sf3 files), and a one-line status under it.
// A font is read while the previous one plays on; the latest choice wins. A font that loads is
// stored under "soundFont" and held notes restart with it; one that does not leaves the
// previous font playing, the stored choice as it was, and says why on standard error and in the
// status line. A stored font that no longer loads at start leaves the system's font playing and
// the choice stored, so it comes back once the file does; the status line says so. Main thread
// only; the pop-up and the label are owned by whoever lays them out.
class SoundFontChooser : public QObject {
    Q_OBJECT

public:
    SoundFontChooser(DefaultsController& defaults, PianoController& piano,
                     QObject* parent = nullptr);

    QComboBox* popUp() const { return popUp_; }
    QLabel* status() const { return status_; }

    // Loads the stored choice, if any (not read again when the synthesiser opened with it);
    // call once the synthesiser is up.
    void loadStoredChoice();
    // Loads the font at path (empty: the system's font) and stores it once it plays.
    void choose(const std::string& path);
    // The font playing now: empty for the system's font.
    const std::string& current() const { return current_; }

private:
    void refill(const std::string& shown);
    void storedLoaded(const std::string& stored, const std::string& error);
    void chosenLoaded(const std::string& path, const std::string& error);
    void activated(int index);
    // One line on standard error, error followed by outcome; the status line shows it shorter.
    void report(const std::string& path, const std::string& error, const char* outcome,
                const QString& shortOutcome);

    DefaultsController& defaults_;
    PianoController& piano_;
    QComboBox* popUp_;
    QLabel* status_;
    std::string current_;
};

} // namespace tinkella::app
