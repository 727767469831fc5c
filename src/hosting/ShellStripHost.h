#pragma once

#include "hosting/StripHost.h"
#include "interfaces/StripSurface.h"
#include "interfaces/ViewHost.h"

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

class QSocketNotifier;

namespace tinkella {

class PianoView;
class ShellStripAccessibility;

// Shows the strip's piano view on a surface of the desktop's shell and plays it from there:
// draws the view into the surface's buffers through a QPainter, and hands each finger (as a
// direct touch) and the mouse (one more direct finger, as in the strip window) to the view's
// touch handlers, flipping y into the view's coordinates. The surface is shown while the
// application is active and hidden otherwise, as the strip window is. Every point that began
// ends or is cancelled: by the surface (leave, cancel, hidden, closed, lost), by
// releaseHeldInput(), when a modal dialog opens (as in the toolkit's windows), or when the host
// goes. When the surface's connection is lost, every
// point ends and `lost` hears why; the host shows nothing more. A screen reader finds the strip
// and its keys through ShellStripAccessibility. Main thread only.
class ShellStripHost : public QObject,
                       public StripHost,
                       public ViewHost,
                       public StripSurfaceClient {
    Q_OBJECT

public:
    // The view is not owned and must outlive the host, which is its host until it goes. lost
    // may destroy the host only later, from the event loop.
    ShellStripHost(std::unique_ptr<StripSurface> surface, PianoView& view,
                   std::function<void(const std::string&)> lost = {});
    ~ShellStripHost() override;
    ShellStripHost(const ShellStripHost&) = delete;
    ShellStripHost& operator=(const ShellStripHost&) = delete;

    std::size_t heldPointCount() const { return held_.size(); }
    ShellStripAccessibility& accessibility() const { return *accessibility_; }

    // StripHost
    void applicationStateChanged(Qt::ApplicationState state) override;
    void releaseHeldInput() override;
    QWidget* ownWindow() override { return nullptr; }

    // ViewHost
    Rect bounds() const override;
    void setNeedsDisplay() override;

    // StripSurfaceClient
    void surfacePointChanged(const SurfacePoint& point) override;
    void surfaceNeedsDrawing(Size size) override;

    // The identity the view knows a finger by ("mouse" for the mouse).
    static std::string identity(const SurfacePoint& point);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void draw();

    std::unique_ptr<StripSurface> surface_;
    PianoView& view_;
    std::function<void(const std::string&)> lost_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::map<std::string, Point> held_; // view coordinates
    std::unique_ptr<ShellStripAccessibility> accessibility_;
    bool drawQueued_ = false;
};

} // namespace tinkella
