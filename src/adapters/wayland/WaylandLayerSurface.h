#pragma once

#include "interfaces/StripSurface.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

struct wl_buffer;
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
    int bottomMargin = 0; // between the surface and the bottom edge of the screen
};

// The strip as a layer surface (the wlr layer-shell protocol) on its own connection to the
// Wayland compositor, drawn into shared-memory buffers. It sits on the "top" layer (above
// windows, below full-screen ones), anchored to the bottom edge and centred, and asks for an
// exclusive zone of its height plus margin, so tiled and maximised windows end above it and
// nothing of theirs is hidden under the keys. Keyboard interactivity is none. Fingers come from
// wl_touch, the mouse's left button from wl_pointer. Main thread only.
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
    void draw(const std::function<void(const PixelBuffer&)>& paint) override;

    // The protocol's callbacks, entered through C listeners with this object as user data.
    struct Callbacks;
    friend struct Callbacks;

private:
    struct Buffer {
        wl_buffer* buffer = nullptr;
        std::uint32_t* pixels = nullptr;
        bool busy = false; // held by the compositor until it releases it
    };

    explicit WaylandLayerSurface(const LayerSurfaceRequest& request);
    void unmap();
    bool allocateBuffers(int width, int height);
    void freeBuffers();
    void seatCapabilities(std::uint32_t capabilities);
    void report(SurfacePointPhase phase, bool isMouse, std::int32_t id, Point location);
    void cancelPoints(bool mouse, bool fingers);
    void flush();
    void loseConnection();

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
    std::array<Buffer, 2> buffers_{};
    void* mapping_ = nullptr;
    std::size_t mappingSize_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool configured_ = false;
    bool drawWaiting_ = false;
    bool lost_ = false;
    bool pointerInside_ = false;
    bool mouseDown_ = false;
    Point pointerLocation_;
    std::map<std::int32_t, Point> fingers_; // down on this surface, by id
};

} // namespace tinkella
