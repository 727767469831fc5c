#pragma once

#include "adapters/wayland/WaylandShmBuffers.h"
#include "adapters/wayland/WaylandSurfaceScale.h"
#include "interfaces/StripSurface.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

struct wl_compositor;
struct wl_display;
struct wl_pointer;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct wl_surface;
struct wl_touch;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

namespace tinkella {

// What the layer surface asks of the compositor, in points.
struct LayerSurfaceRequest {
    int width = 0;
    int height = 0;
    // Between the surface and the bottom edge of the screen, and the least between it and
    // either side edge: on a screen narrower than width plus these, the surface is narrowed.
    int bottomMargin = 0;
};

// The strip as a layer surface (the wlr layer-shell protocol) on its own connection to the
// Wayland compositor, drawn into shared-memory buffers. It sits on the "top" layer (above
// windows, below full-screen ones), anchored to the bottom edge and centred, and asks for an
// exclusive zone of its height plus margin, so tiled and maximised windows end above it and
// nothing of theirs is hidden under the keys. Keyboard interactivity is none. Fingers come from
// wl_touch, the mouse's left button from wl_pointer, both in points. Drawn at the scale of the
// output it is on (WaylandSurfaceScale), redrawn when that changes. Main thread only.
class WaylandLayerSurface final : public StripSurface {
public:
    // Connects to the compositor WAYLAND_DISPLAY names. Null when there is none or when it
    // lacks the layer shell, shared memory or a compositor global; `failure` says which.
    static std::unique_ptr<WaylandLayerSurface> open(const LayerSurfaceRequest& request,
                                                     std::string& failure);
    ~WaylandLayerSurface() override;
    WaylandLayerSurface(const WaylandLayerSurface&) = delete;
    WaylandLayerSurface& operator=(const WaylandLayerSurface&) = delete;

    void setClient(StripSurfaceClient* client) override { client_ = client; }
    int descriptor() const override;
    bool dispatch() override;
    void setVisible(bool visible) override;
    Size size() const override;
    std::string lossReason() const override { return lossReason_; }
    void draw(const std::function<void(const PixelBuffer&)>& paint) override;

    // The protocol's callbacks, entered through C listeners with this object as user data.
    struct Callbacks;
    friend struct Callbacks;

private:
    explicit WaylandLayerSurface(const LayerSurfaceRequest& request);
    void unmap();
    // The width in points to ask for: the requested one, narrowed to the output.
    int fittedWidth() const;
    // Follows a change of scale or output: asks for a new width, or redraws at the new scale.
    void rescale();
    bool allocateBuffers();
    void bufferReleased();
    void seatCapabilities(std::uint32_t capabilities);
    void report(SurfacePointPhase phase, bool isMouse, std::int32_t id, Point location);
    void cancelPoints(bool mouse, bool fingers);
    void flush();
    void loseConnection(const std::string& reason);

    const LayerSurfaceRequest request_;
    StripSurfaceClient* client_ = nullptr;
    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    wl_compositor* compositor_ = nullptr;
    wl_shm* shm_ = nullptr;
    wl_seat* seat_ = nullptr;
    zwlr_layer_shell_v1* layerShell_ = nullptr;
    wl_pointer* pointer_ = nullptr;
    wl_touch* touch_ = nullptr;
    wl_surface* surface_ = nullptr;
    zwlr_layer_surface_v1* layerSurface_ = nullptr;
    std::uint32_t layerShellName_ = 0;
    // Both go before the connection does.
    std::unique_ptr<WaylandShmBuffers> buffers_;
    std::unique_ptr<WaylandSurfaceScale> scale_;
    int width_ = 0; // points, as configured
    int height_ = 0;
    int askedWidth_ = 0; // points, as last asked for
    std::string lossReason_;
    bool configured_ = false;
    bool drawWaiting_ = false;
    bool lost_ = false;
    bool pointerInside_ = false;
    bool mouseDown_ = false;
    Point pointerLocation_;
    std::map<std::int32_t, Point> fingers_; // down on this surface, by id
};

} // namespace tinkella
