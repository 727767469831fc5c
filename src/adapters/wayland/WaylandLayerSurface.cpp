#include "adapters/wayland/WaylandLayerSurface.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <linux/input-event-codes.h>
#include <string_view>
#include <wayland-client.h>
#include <wlr-layer-shell-unstable-v1-client-protocol.h>

namespace tinkella {

namespace {

Point surfacePoint(wl_fixed_t x, wl_fixed_t y) {
    return {wl_fixed_to_double(x), wl_fixed_to_double(y)};
}

} // namespace

// Each callback finds its object in the listener's user data; the compositor's arguments are
// in surface coordinates (points) as fixed-point numbers.
struct WaylandLayerSurface::Callbacks {
    static WaylandLayerSurface& self(void* data) {
        return *static_cast<WaylandLayerSurface*>(data);
    }

    static void global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version) {
        WaylandLayerSurface& surface = self(data);
        const std::string_view kind(interface);
        if (surface.scale_->offer(registry, name, interface, version)) {
            return;
        }
        if (kind == wl_compositor_interface.name) {
            // Version 3 brings the buffer scale.
            surface.compositor_ = static_cast<wl_compositor*>(
                wl_registry_bind(registry, name, &wl_compositor_interface, std::min(version, 4U)));
        } else if (kind == wl_shm_interface.name) {
            surface.shm_ =
                static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
        } else if (kind == wl_seat_interface.name && surface.seat_ == nullptr) {
            surface.seat_ = static_cast<wl_seat*>(
                wl_registry_bind(registry, name, &wl_seat_interface, std::min(version, 5U)));
            wl_seat_add_listener(surface.seat_, &seatListener, data);
        } else if (kind == zwlr_layer_shell_v1_interface.name) {
            surface.layerShellName_ = name;
            surface.layerShell_ = static_cast<zwlr_layer_shell_v1*>(
                wl_registry_bind(registry, name, &zwlr_layer_shell_v1_interface, 1));
        }
    }
    static void globalRemove(void* data, wl_registry*, std::uint32_t name) {
        WaylandLayerSurface& surface = self(data);
        surface.scale_->withdraw(name);
        if (surface.layerShell_ != nullptr && name == surface.layerShellName_) {
            surface.loseConnection("the compositor withdrew the layer shell");
        }
    }

    static void capabilities(void* data, wl_seat*, std::uint32_t capabilities) {
        self(data).seatCapabilities(capabilities);
    }
    static void seatName(void*, wl_seat*, const char*) {}

    static void configure(void* data, zwlr_layer_surface_v1* layerSurface, std::uint32_t serial,
                          std::uint32_t width, std::uint32_t height) {
        WaylandLayerSurface& surface = self(data);
        zwlr_layer_surface_v1_ack_configure(layerSurface, serial);
        const int newWidth = width > 0 ? static_cast<int>(width) : surface.askedWidth_;
        const int newHeight = height > 0 ? static_cast<int>(height) : surface.request_.height;
        surface.width_ = newWidth;
        surface.height_ = newHeight;
        if (!surface.allocateBuffers()) {
            return;
        }
        surface.configured_ = true;
        if (surface.client_ != nullptr) {
            surface.client_->surfaceNeedsDrawing(surface.size());
        }
    }
    static void closed(void* data, zwlr_layer_surface_v1*) { self(data).unmap(); }

    static void enter(void* data, wl_pointer*, std::uint32_t, wl_surface* entered, wl_fixed_t x,
                      wl_fixed_t y) {
        WaylandLayerSurface& surface = self(data);
        surface.pointerInside_ = entered != nullptr && entered == surface.surface_;
        surface.pointerLocation_ = surfacePoint(x, y);
    }
    static void leave(void* data, wl_pointer*, std::uint32_t, wl_surface*) {
        WaylandLayerSurface& surface = self(data);
        surface.pointerInside_ = false;
        surface.cancelPoints(true, false);
    }
    static void motion(void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) {
        WaylandLayerSurface& surface = self(data);
        surface.pointerLocation_ = surfacePoint(x, y);
        if (surface.mouseDown_) {
            surface.report(SurfacePointPhase::moved, true, 0, surface.pointerLocation_);
        }
    }
    static void button(void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t button,
                       std::uint32_t state) {
        WaylandLayerSurface& surface = self(data);
        if (button != BTN_LEFT) {
            return;
        }
        if (state == WL_POINTER_BUTTON_STATE_PRESSED && surface.pointerInside_ &&
            !surface.mouseDown_) {
            surface.mouseDown_ = true;
            surface.report(SurfacePointPhase::began, true, 0, surface.pointerLocation_);
        } else if (state == WL_POINTER_BUTTON_STATE_RELEASED && surface.mouseDown_) {
            surface.mouseDown_ = false;
            surface.report(SurfacePointPhase::ended, true, 0, surface.pointerLocation_);
        }
    }
    static void axis(void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {}
    static void frame(void*, wl_pointer*) {}
    static void axisSource(void*, wl_pointer*, std::uint32_t) {}
    static void axisStop(void*, wl_pointer*, std::uint32_t, std::uint32_t) {}
    static void axisDiscrete(void*, wl_pointer*, std::uint32_t, std::int32_t) {}
    static void axisValue120(void*, wl_pointer*, std::uint32_t, std::int32_t) {}

    static void down(void* data, wl_touch*, std::uint32_t, std::uint32_t, wl_surface* touched,
                     std::int32_t id, wl_fixed_t x, wl_fixed_t y) {
        WaylandLayerSurface& surface = self(data);
        if (touched == nullptr || touched != surface.surface_) {
            return;
        }
        surface.fingers_[id] = surfacePoint(x, y);
        surface.report(SurfacePointPhase::began, false, id, surfacePoint(x, y));
    }
    static void up(void* data, wl_touch*, std::uint32_t, std::uint32_t, std::int32_t id) {
        WaylandLayerSurface& surface = self(data);
        const auto finger = surface.fingers_.find(id);
        if (finger == surface.fingers_.end()) {
            return;
        }
        const Point location = finger->second;
        surface.fingers_.erase(finger);
        surface.report(SurfacePointPhase::ended, false, id, location);
    }
    static void touchMotion(void* data, wl_touch*, std::uint32_t, std::int32_t id, wl_fixed_t x,
                            wl_fixed_t y) {
        WaylandLayerSurface& surface = self(data);
        const auto finger = surface.fingers_.find(id);
        if (finger != surface.fingers_.end()) {
            finger->second = surfacePoint(x, y);
            surface.report(SurfacePointPhase::moved, false, id, finger->second);
        }
    }
    static void touchFrame(void*, wl_touch*) {}
    static void cancel(void* data, wl_touch*) { self(data).cancelPoints(false, true); }
    static void shape(void*, wl_touch*, std::int32_t, wl_fixed_t, wl_fixed_t) {}
    static void orientation(void*, wl_touch*, std::int32_t, wl_fixed_t) {}

    static constexpr wl_registry_listener registryListener{global, globalRemove};
    static constexpr wl_seat_listener seatListener{capabilities, seatName};
    static constexpr zwlr_layer_surface_v1_listener layerListener{configure, closed};
    static constexpr wl_pointer_listener pointerListener{
        enter, leave,      motion,   button,       axis,
        frame, axisSource, axisStop, axisDiscrete, axisValue120};
    static constexpr wl_touch_listener touchListener{down,   up,    touchMotion, touchFrame,
                                                     cancel, shape, orientation};
};

std::unique_ptr<WaylandLayerSurface> WaylandLayerSurface::open(const LayerSurfaceRequest& request,
                                                               std::string& failure) {
    std::unique_ptr<WaylandLayerSurface> surface(new WaylandLayerSurface(request));
    surface->display_ = wl_display_connect(nullptr);
    if (surface->display_ == nullptr) {
        failure = "no Wayland compositor to connect to";
        return nullptr;
    }
    surface->registry_ = wl_display_get_registry(surface->display_);
    wl_registry_add_listener(surface->registry_, &Callbacks::registryListener, surface.get());
    // The first round trip lists the globals, the second brings the seat's capabilities.
    if (wl_display_roundtrip(surface->display_) < 0 ||
        wl_display_roundtrip(surface->display_) < 0) {
        failure = "the Wayland compositor stopped answering";
        return nullptr;
    }
    if (surface->layerShell_ == nullptr) {
        failure = "the compositor offers no layer shell";
        return nullptr;
    }
    if (surface->compositor_ == nullptr || surface->shm_ == nullptr) {
        failure = "the compositor offers no shared-memory surfaces";
        return nullptr;
    }
    return surface;
}

WaylandLayerSurface::WaylandLayerSurface(const LayerSurfaceRequest& request)
    : request_(request),
      buffers_(std::make_unique<WaylandShmBuffers>([this] { bufferReleased(); })),
      scale_(std::make_unique<WaylandSurfaceScale>([this] { rescale(); })) {}

WaylandLayerSurface::~WaylandLayerSurface() {
    client_ = nullptr;
    if (display_ == nullptr) {
        return;
    }
    unmap();
    buffers_.reset();
    scale_.reset();
    if (pointer_ != nullptr) {
        wl_pointer_destroy(pointer_);
    }
    if (touch_ != nullptr) {
        wl_touch_destroy(touch_);
    }
    if (seat_ != nullptr) {
        wl_seat_destroy(seat_);
    }
    if (layerShell_ != nullptr) {
        zwlr_layer_shell_v1_destroy(layerShell_);
    }
    if (shm_ != nullptr) {
        wl_shm_destroy(shm_);
    }
    if (compositor_ != nullptr) {
        wl_compositor_destroy(compositor_);
    }
    if (registry_ != nullptr) {
        wl_registry_destroy(registry_);
    }
    wl_display_disconnect(display_);
}

int WaylandLayerSurface::descriptor() const {
    return lost_ ? -1 : wl_display_get_fd(display_);
}

bool WaylandLayerSurface::dispatch() {
    if (lost_) {
        return false;
    }
    while (wl_display_prepare_read(display_) != 0) {
        wl_display_dispatch_pending(display_);
    }
    if (wl_display_read_events(display_) < 0 || wl_display_dispatch_pending(display_) < 0) {
        loseConnection(std::string("the connection to the Wayland compositor failed (") +
                       std::strerror(errno) + ")");
        return false;
    }
    flush();
    return !lost_;
}

void WaylandLayerSurface::setVisible(bool visible) {
    if (lost_ || visible == (surface_ != nullptr)) {
        return;
    }
    if (!visible) {
        unmap();
        flush();
        return;
    }
    surface_ = wl_compositor_create_surface(compositor_);
    scale_->follow(surface_);
    layerSurface_ = zwlr_layer_shell_v1_get_layer_surface(
        layerShell_, surface_, nullptr, ZWLR_LAYER_SHELL_V1_LAYER_TOP, "tinkella-strip");
    zwlr_layer_surface_v1_add_listener(layerSurface_, &Callbacks::layerListener, this);
    askedWidth_ = fittedWidth();
    zwlr_layer_surface_v1_set_size(layerSurface_, static_cast<std::uint32_t>(askedWidth_),
                                   static_cast<std::uint32_t>(request_.height));
    zwlr_layer_surface_v1_set_anchor(layerSurface_, ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM);
    zwlr_layer_surface_v1_set_margin(layerSurface_, 0, 0, request_.bottomMargin, 0);
    zwlr_layer_surface_v1_set_exclusive_zone(layerSurface_, request_.height);
    zwlr_layer_surface_v1_set_keyboard_interactivity(layerSurface_, 0);
    wl_surface_commit(surface_);
    flush();
}

Size WaylandLayerSurface::size() const {
    return {static_cast<double>(width_), static_cast<double>(height_)};
}

void WaylandLayerSurface::draw(const std::function<void(const PixelBuffer&)>& paint) {
    if (!configured_ || surface_ == nullptr || lost_) {
        return;
    }
    WaylandShmBuffers::Buffer* free = buffers_->take();
    if (free == nullptr) {
        drawWaiting_ = true;
        return;
    }
    const int pixelWidth = buffers_->width();
    paint(PixelBuffer{free->pixels, pixelWidth, buffers_->height(),
                      pixelWidth * WaylandShmBuffers::bytesPerPixel, scale_->scale()});
    scale_->describeBuffer(width_, height_);
    wl_surface_attach(surface_, free->buffer, 0, 0);
    wl_surface_damage(surface_, 0, 0, width_, height_);
    wl_surface_commit(surface_);
    flush();
}

void WaylandLayerSurface::unmap() {
    cancelPoints(true, true);
    pointerInside_ = false;
    configured_ = false;
    drawWaiting_ = false;
    // A buffer the compositor held for the destroyed surface is free for the next one.
    buffers_->forgetHolds();
    scale_->follow(nullptr);
    if (layerSurface_ != nullptr) {
        zwlr_layer_surface_v1_destroy(layerSurface_);
        layerSurface_ = nullptr;
    }
    if (surface_ != nullptr) {
        wl_surface_destroy(surface_);
        surface_ = nullptr;
    }
}

int WaylandLayerSurface::fittedWidth() const {
    const int room = scale_->outputWidth() - 2 * request_.bottomMargin;
    return room > 0 ? std::min(request_.width, room) : request_.width;
}

void WaylandLayerSurface::rescale() {
    if (layerSurface_ == nullptr || lost_) {
        return;
    }
    if (fittedWidth() != askedWidth_) {
        // The compositor answers with a configure, which brings the redraw.
        askedWidth_ = fittedWidth();
        zwlr_layer_surface_v1_set_size(layerSurface_, static_cast<std::uint32_t>(askedWidth_),
                                       static_cast<std::uint32_t>(request_.height));
        wl_surface_commit(surface_);
        return;
    }
    if (configured_ && allocateBuffers() && client_ != nullptr) {
        client_->surfaceNeedsDrawing(size());
    }
}

bool WaylandLayerSurface::allocateBuffers() {
    const double scale = scale_->scale();
    const int pixelWidth = static_cast<int>(std::lround(width_ * scale));
    const int pixelHeight = static_cast<int>(std::lround(height_ * scale));
    if (pixelWidth == buffers_->width() && pixelHeight == buffers_->height()) {
        return true;
    }
    return buffers_->allocate(shm_, pixelWidth, pixelHeight);
}

void WaylandLayerSurface::bufferReleased() {
    if (drawWaiting_ && configured_ && client_ != nullptr) {
        drawWaiting_ = false;
        client_->surfaceNeedsDrawing(size());
    }
}

void WaylandLayerSurface::seatCapabilities(std::uint32_t capabilities) {
    const bool hasPointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
    const bool hasTouch = (capabilities & WL_SEAT_CAPABILITY_TOUCH) != 0;
    if (hasPointer && pointer_ == nullptr) {
        pointer_ = wl_seat_get_pointer(seat_);
        wl_pointer_add_listener(pointer_, &Callbacks::pointerListener, this);
    } else if (!hasPointer && pointer_ != nullptr) {
        cancelPoints(true, false);
        pointerInside_ = false;
        wl_pointer_destroy(pointer_);
        pointer_ = nullptr;
    }
    if (hasTouch && touch_ == nullptr) {
        touch_ = wl_seat_get_touch(seat_);
        wl_touch_add_listener(touch_, &Callbacks::touchListener, this);
    } else if (!hasTouch && touch_ != nullptr) {
        cancelPoints(false, true);
        wl_touch_destroy(touch_);
        touch_ = nullptr;
    }
}

void WaylandLayerSurface::report(SurfacePointPhase phase, bool isMouse, std::int32_t id,
                                 Point location) {
    if (client_ != nullptr) {
        client_->surfacePointChanged(SurfacePoint{phase, isMouse, id, location});
    }
}

void WaylandLayerSurface::cancelPoints(bool mouse, bool fingers) {
    if (mouse && mouseDown_) {
        mouseDown_ = false;
        report(SurfacePointPhase::cancelled, true, 0, pointerLocation_);
    }
    if (fingers) {
        const std::map<std::int32_t, Point> cancelled = std::move(fingers_);
        fingers_.clear();
        for (const auto& [id, location] : cancelled) {
            report(SurfacePointPhase::cancelled, false, id, location);
        }
    }
}

void WaylandLayerSurface::flush() {
    // A full socket (EAGAIN) keeps the rest queued for the next flush.
    if (wl_display_flush(display_) < 0 && errno != EAGAIN) {
        loseConnection(std::string("the connection to the Wayland compositor failed (") +
                       std::strerror(errno) + ")");
    }
}

void WaylandLayerSurface::loseConnection(const std::string& reason) {
    if (lost_) {
        return;
    }
    lossReason_ = reason;
    lost_ = true;
    configured_ = false;
    cancelPoints(true, true);
}

} // namespace tinkella
