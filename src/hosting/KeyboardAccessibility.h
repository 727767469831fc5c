#pragma once

#include <QObject>
#include <QString>
#include <bitset>
#include <cstdint>
#include <vector>

class QTimer;

namespace tinkella {

class PianoKey;
class QtPianoWidget;

// What a screen reader finds in a QtPianoWidget (the piano window's keyboard, the strip in its
// own X11 window or docked in the piano window), through the toolkit's accessibility (AT-SPI
// on Linux): the keyboard is a group named for where it is, with one child per key it shows
// (in the piano window, the keys inside the scrolled-to part), in note order. A key is a button
// named by its note in the key-label style chosen ("C♯5", "Do♯5"), pressed while any surface
// holds it or a note from the MIDI input lights it, with a "Press" action that plays its note
// for pressDurationMs. The keyboard's description names the range it shows ("C3 to E6"); after
// a scroll it changes, and the change is announced, once the scroll has rested for
// announceDelayMs. The strip on a Wayland layer surface has its own compositor connection and
// no toolkit window, so no screen reader can reach it there; the piano window's keyboard holds
// the same 120 keys. Main thread only.

// Installs the toolkit's factory for the keyboards' interfaces (once; later calls do nothing).
void installKeyboardAccessibility();

// The keyboard's part that takes its interfaces' state: what the keys showed last, the pending
// announcement of a scroll, the keys the "Press" action holds. One per widget, its child, made
// when an assistive technology first asks for the keyboard.
class KeyboardAccessibility : public QObject {
    Q_OBJECT

public:
    static constexpr int pressDurationMs = 300;
    static constexpr int announceDelayMs = 250;

    explicit KeyboardAccessibility(QtPianoWidget& widget);
    // Lets go of the keys the action still holds.
    ~KeyboardAccessibility() override;

    // The widget's accessibility part, made on first use.
    static KeyboardAccessibility& of(QtPianoWidget& widget);

    // The keys shown, in note order (the model's keys).
    std::vector<PianoKey*> shownKeys() const;
    // The accessible name of a key; its pressed state as a screen reader reads it.
    QString keyName(const PianoKey& key) const;
    static bool isPressed(const PianoKey& key);
    // "C3 to E6": the first and last key shown; empty when none shows.
    QString rangeText() const;
    // The "Press" action: holds the key for pressDurationMs, then lets go (unless pressed again
    // in between, which holds it on from then).
    void press(PianoKey& key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The view asked for a redraw: keys pressed or lit, names, scroll.
    void displayChanged();
    void announceRange();
    void release(std::int64_t note, unsigned generation);

    QtPianoWidget& widget_;
    std::bitset<128> shownPressed_;
    QString announcedRange_;
    QTimer* announceTimer_;
    std::vector<unsigned> pressGenerations_;
};

} // namespace tinkella
