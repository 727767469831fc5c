#pragma once

#include "hosting/StripHost.h"

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

namespace tinkella {

class PianoView;
class QtPianoWidget;

// The strip as a window of its own, where the program places its windows itself (X11): a
// frameless, always-on-top window that never takes keyboard focus and shows the strip's piano
// view across its whole width. Visible while any window of the application is active, hidden
// otherwise; hiding cancels every finger still down on it. Main thread only.
class QtStripWindow : public QWidget, public StripHost {
    Q_OBJECT

public:
    static constexpr int defaultWidth = 1085; // points
    static constexpr int defaultHeight = 30;  // points
    // Distance between the strip and the bottom of the available screen area, in points.
    static constexpr int bottomGap = 8;
    // The window's object name, by which the strip is told apart from the other windows.
    static constexpr const char* customizationIdentifier = "com.quorvin.piano";

    // view: not owned, must outlive the window, which is its host until it goes.
    // anchor: the window whose screen the strip sits on when no screen is shaped like a touch
    // strip; may be null (the primary screen is used then).
    QtStripWindow(PianoView& view, QWidget* anchor);
    ~QtStripWindow() override;

    // A screen at most 120 pixels high and at least ten times as wide.
    static bool isTouchBarShaped(const QRect& screenGeometry);
    // Where the strip goes: the whole of a strip-shaped screen, else defaultWidth ×
    // defaultHeight centred at the bottom of the available area of the anchor's screen (never
    // wider than that area).
    static QRect stripGeometry(const std::vector<QRect>& screenGeometries,
                               const QRect& anchorAvailableGeometry);

    // The widget showing the piano view; a child of this window.
    QtPianoWidget& pianoWidget() const { return *pianoWidget_; }

    // StripHost
    void applicationStateChanged(Qt::ApplicationState state) override;
    void releaseHeldInput() override;
    QWidget* ownWindow() override { return this; }

private:
    void place();

    QPointer<QWidget> anchor_; // null once the anchor has gone
    QtPianoWidget* pianoWidget_ = nullptr;
};

} // namespace tinkella
