#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <bitset>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

class QAccessibleInterface;
class QTimer;
class QWindow;

namespace tinkella {

class PianoKey;
class PianoView;
class QtPianoWidget;

// What a screen reader finds in a keyboard (the piano window's, the strip in its own X11 window,
// docked in the piano window or on a surface of the desktop's shell), through the toolkit's
// accessibility (AT-SPI on Linux): the keyboard is named for where it is, with one child per
// key it shows (in the piano window, the keys inside the scrolled-to part), in note order. A key
// is a button named by its note in the key-label style chosen ("C♯5", "Do♯5"), pressed while
// any surface holds it or a note from the MIDI input lights it, with a "Press" action that plays
// its note for pressDurationMs. The keyboard's description names the range it shows ("C3 to
// E6"); after a scroll it changes, and the change is announced, once the scroll has rested for
// announceDelayMs. Main thread only.

// Installs the toolkit's factory for the keyboards' interfaces (once; later calls do nothing).
void installKeyboardAccessibility();

// Where a keyboard's view is shown, as its accessibility needs to know it.
class KeyboardPlace {
public:
    virtual ~KeyboardPlace() = default;
    virtual PianoView& pianoView() const = 0;
    // What a screen reader finds as the keyboard; its interface gives the keys as its children.
    virtual QObject& accessibleObject() = 0;
    // The part of the view that shows, in the y-down coordinates of the view's bounds.
    virtual QRect shownRect() const = 0;
    // A rectangle of the view's bounds in the toolkit's screen coordinates.
    virtual QRect toScreen(const QRect& rect) const = 0;
    virtual bool isShown() const = 0;
    virtual QWindow* window() const = 0;
};

// The keyboard's part that takes its interfaces' state: what the keys showed last, the pending
// announcement of a scroll, the keys the "Press" action holds, the keys' interfaces (owned).
class KeyboardAccessibility : public QObject {
    Q_OBJECT

public:
    static constexpr int pressDurationMs = 300;
    static constexpr int announceDelayMs = 250;

    // The place must outlive this.
    explicit KeyboardAccessibility(KeyboardPlace& place, QObject* parent = nullptr);
    // Lets go of the keys the action still holds.
    ~KeyboardAccessibility() override;

    // A piano widget's accessibility part, its child, made when an assistive technology first
    // asks for the keyboard.
    static KeyboardAccessibility& of(QtPianoWidget& widget);

    KeyboardPlace& place() const { return place_; }
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
    // The keyboard's children: the shown keys' interfaces; the one at a point of the screen.
    int keyCount() const { return static_cast<int>(shownKeys().size()); }
    QAccessibleInterface* key(int index) const;
    int indexOfKey(const QAccessibleInterface* key) const;
    QAccessibleInterface* keyAt(QPoint screen) const;
    // The view asked for a redraw: keys pressed or lit, names, scroll.
    void displayChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void announceRange();
    void release(std::int64_t note, unsigned generation);
    QAccessibleInterface* keyInterface(std::int64_t note) const;

    std::unique_ptr<KeyboardPlace> ownPlace_; // a piano widget's
    KeyboardPlace& place_;
    std::bitset<128> shownPressed_;
    QString announcedRange_;
    QTimer* announceTimer_;
    std::vector<unsigned> pressGenerations_;
    mutable std::map<std::int64_t, QAccessibleInterface*> keys_;
};

} // namespace tinkella
