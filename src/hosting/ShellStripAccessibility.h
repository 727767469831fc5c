#pragma once

#include "hosting/KeyboardAccessibility.h"

#include <QWindow>

namespace tinkella {

// The strip on a surface of the desktop's shell as a screen reader finds it. That surface has a
// compositor connection of its own and is no toolkit window, so this window stands for it among
// the application's top-level windows, which the toolkit's accessibility (AT-SPI) lists as the
// application's children. It is never created or shown: it has no surface, takes no focus and
// no input. Its interface is the strip's keyboard, named and with the keys as children as in the
// strip's own window. A Wayland client is not told where its surfaces are on the screen: the
// strip reports its origin at 0, 0 (as the toolkit does for its own Wayland windows), its keys
// where they are within it. Main thread only.
class ShellStripAccessibility final : public QWindow, public KeyboardPlace {
    Q_OBJECT

public:
    // The view is not owned and must outlive this.
    explicit ShellStripAccessibility(PianoView& view);
    ~ShellStripAccessibility() override;
    ShellStripAccessibility(const ShellStripAccessibility&) = delete;
    ShellStripAccessibility& operator=(const ShellStripAccessibility&) = delete;

    KeyboardAccessibility& keyboard() { return keyboard_; }
    // Whether the surface shows: while it does not, no key does.
    void setShown(bool shown);
    // The strip's interface: the application's interface lists a top-level window by this.
    QAccessibleInterface* accessibleRoot() const override;

    // KeyboardPlace
    PianoView& pianoView() const override { return view_; }
    QObject& accessibleObject() override { return *this; }
    QRect shownRect() const override;
    QRect toScreen(const QRect& rect) const override { return rect; }
    bool isShown() const override { return shown_; }
    QWindow* window() const override { return const_cast<ShellStripAccessibility*>(this); }

private:
    PianoView& view_;
    bool shown_ = false;
    KeyboardAccessibility keyboard_; // goes before the window does
};

} // namespace tinkella
