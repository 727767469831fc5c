#pragma once

#include "interfaces/Geometry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tinkella {

// Memory a frame of the strip is drawn into: `height` rows of `width` 32-bit pixels
// 0xffRRGGBB (opaque), top row first, rows `stride` bytes apart, `scale` pixels to a point
// (at least 1, not always whole). Valid only during the drawing call that hands it out.
struct PixelBuffer {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    double scale = 1;
};

enum class SurfacePointPhase { began, moved, ended, cancelled };

// A change of one point of contact with the strip surface: a finger, or the mouse with its
// left button held (at most one; the surface reports it only while the button is down).
struct SurfacePoint {
    SurfacePointPhase phase = SurfacePointPhase::began;
    bool isMouse = false;
    // The finger's id, unique among the fingers down at the time; 0 for the mouse.
    std::int32_t id = 0;
    // Surface coordinates in points: origin at the top-left corner, y downwards.
    Point location;
};

// What a strip surface reports to the one object drawing into it and playing from it.
class StripSurfaceClient {
public:
    virtual ~StripSurfaceClient() = default;
    // One point changed. Every point that began ends or is cancelled exactly once: on leaving
    // the surface, on the compositor's cancel, when the surface is hidden, closed or lost.
    virtual void surfacePointChanged(const SurfacePoint& point) = 0;
    // The surface can take a frame (after being shown, resized or having a buffer freed while
    // a frame was waiting, or moved to a screen of another scale); size in points.
    virtual void surfaceNeedsDrawing(Size size) = 0;
};

// A surface of the desktop's own shell that shows the strip outside every window: anchored to
// the bottom edge of a screen, centred, above ordinary windows, never given the keyboard focus.
// Main thread only: the owner watches descriptor() for reading and then calls dispatch(), from
// which the client's calls come.
class StripSurface {
public:
    virtual ~StripSurface() = default;
    // Not owned; null stops the reports. The client must outlive its attachment.
    virtual void setClient(StripSurfaceClient* client) = 0;
    // The connection's file descriptor; -1 once lost.
    virtual int descriptor() const = 0;
    // Handles everything the compositor sent. False once the connection is lost (or the
    // compositor withdrew what the surface needs); every point still down has been cancelled
    // then, and the surface shows nothing more.
    virtual bool dispatch() = 0;
    // Why the connection was lost, in a few words; empty while it holds.
    virtual std::string lossReason() const = 0;
    // Maps or unmaps the surface; unmapping cancels every point still down.
    virtual void setVisible(bool visible) = 0;
    // The size in points the compositor gave; (0, 0) until it has given one.
    virtual Size size() const = 0;
    // Shows a new frame that paint fills in; does nothing until the surface can take one (it
    // asks through surfaceNeedsDrawing then).
    virtual void draw(const std::function<void(const PixelBuffer&)>& paint) = 0;
};

} // namespace tinkella
