#pragma once

#include "hosting/TouchBar.h"

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>
#include <vector>

namespace tinkella {

class QtPianoWidget;

// The stand-in for a Touch Bar: a frameless, always-on-top window that never takes keyboard
// focus and shows the items of the bar its provider offers, each item's piano view in its own
// host widget. Visible while any window of the application is active, hidden otherwise; hiding
// cancels every finger still down on it. Main thread only.
class QtStripWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int defaultWidth = 1085; // points
    static constexpr int defaultHeight = 30;  // points
    // Distance between the strip and the bottom of the available screen area, in points.
    static constexpr int bottomGap = 8;

    // provider: asked once for its bar, on the first showing, and must outlive the window.
    // anchor: the window whose screen the strip sits on when no screen is shaped like a Touch
    // Bar; may be null (the primary screen is used then).
    QtStripWindow(TouchBarProvider& provider, QWidget* anchor);
    ~QtStripWindow() override;

    // A screen at most 120 pixels high and at least ten times as wide.
    static bool isTouchBarShaped(const QRect& screenGeometry);
    // Where the strip goes: the whole of a Touch-Bar-shaped screen, else defaultWidth ×
    // defaultHeight centred at the bottom of the available area of the anchor's screen (never
    // wider than that area).
    static QRect stripGeometry(const std::vector<QRect>& screenGeometries,
                               const QRect& anchorAvailableGeometry);

    // Shows the strip for an active application and hides it otherwise.
    void applicationStateChanged(Qt::ApplicationState state);
    // The host widgets of the items, in the bar's order (empty until first shown).
    const std::vector<QtPianoWidget*>& itemWidgets() const { return itemWidgets_; }
    // Asks the provider for its bar (first call only) and hosts its items.
    void loadItems();

private:
    void place();

    TouchBarProvider& provider_;
    QPointer<QWidget> anchor_; // null once the anchor has gone
    std::unique_ptr<TouchBar> touchBar_;
    std::vector<std::unique_ptr<CustomTouchBarItem>> items_;
    std::vector<QtPianoWidget*> itemWidgets_; // children of this window
};

} // namespace tinkella
