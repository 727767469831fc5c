#include "adapters/wayland/WaylandLayerSurface.h"

#include <algorithm>
#include <cerrno>
#include <linux/input-event-codes.h>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <wlr-layer-shell-unstable-v1-client-protocol.h>

namespace tinkella {

namespace {

constexpr int bytesPerPixel = 4;

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
        if (kind == wl_compositor_interface.name) {
            surface.compositor_ = static_cast<wl_compositor*>(
                wl_registry_bind(registry, name, &wl_compositor_interface, 1));
        } else if (kind == wl_shm_interface.name) {
            surface.shm_ =
                static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
        } else if (kind == wl_seat_interface.name && surface.seat_ == nullptr) {
            surface.seat_ = static_cast<wl_seat*>(
                wl_registry_bind(registry, name, &wl_seat_interface, std::min(version, 5U)));
            wl_seat_add_listener(surface.seat_, &seatListener, data);
        } else if (kind == zwlr_layer_shell_v1_interface.name) {
            surface.layerShell_ = static_cast<zwlr_layer_shell_v1*>(
                wl_registry_bind(registry, name, &zwlr_layer_shell_v1_interface, 1));
        }
    }
    static void globalRemove(void*, wl_registry*, std::uint32_t) {}

    static void capabilities(void* data, wl_seat*, std::uint32_t capabilities) {
        self(data).seatCapabilities(capabilities);
    }
    static void seatName(void*, wl_seat*, const char*) {}

    static void configure(void* data, zwlr_layer_surface_v1* layerSurface, std::uint32_t serial,
                          std::uint32_t width, std::uint32_t height) {
        WaylandLayerSurface& surface = self(data);
        zwlr_layer_surface_v1_ack_configure(layerSurface, serial);
        const int newWidth = width > 0 ? static_cast<int>(width) : surface.request_.width;
        const int newHeight = height > 0 ? static_cast<int>(height) : surface.request_.height;
        if (newWidth != surface.width_ || newHeight != surface.height_) {
            if (!surface.allocateBuffers(newWidth, newHeight)) {
                return;
            }
        }
        surface.configured_ = true;
        if (surface.client_ != nullptr) {
            surface.client_->surfaceNeedsDrawing(surface.size());
        }
    }
    static void closed(void* data, zwlr_layer_surface_v1*) { self(data).unmap(); }

    static void release(void* data, wl_buffer* buffer) {
        WaylandLayerSurface& surface = self(data);
        for (Buffer& held : surface.buffers_) {
            if (held.buffer == buffer) {
                held.busy = false;
            }
        }
        if (surface.drawWaiting_ && surface.configured_ && surface.client_ != nullptr) {
            surface.drawWaiting_ = false;
            surface.client_->surfaceNeedsDrawing(surface.size());
        }
    }

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
    static constexpr wl_buffer_listener bufferListener{release};
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

WaylandLayerSurface::WaylandLayerSurface(const LayerSurfaceRequest& request) : request_(request) {}

WaylandLayerSurface::~WaylandLayerSurface() {
    client_ = nullptr;
    if (display_ == nullptr) {
        return;
    }
    unmap();
    freeBuffers();
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
        loseConnection();
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
    layerSurface_ = zwlr_layer_shell_v1_get_layer_surface(
        layerShell_, surface_, nullptr, ZWLR_LAYER_SHELL_V1_LAYER_TOP, "tinkella-strip");
    zwlr_layer_surface_v1_add_listener(layerSurface_, &Callbacks::layerListener, this);
    zwlr_layer_surface_v1_set_size(layerSurface_, static_cast<std::uint32_t>(request_.width),
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
    if (!configured_ || surface_ == nullptr) {
        return;
    }
    Buffer* free = nullptr;
    for (Buffer& buffer : buffers_) {
        if (!buffer.busy) {
            free = &buffer;
            break;
        }
    }
    if (free == nullptr) {
        drawWaiting_ = true;
        return;
    }
    paint(PixelBuffer{free->pixels, width_, height_, width_ * bytesPerPixel});
    wl_surface_attach(surface_, free->buffer, 0, 0);
    wl_surface_damage(surface_, 0, 0, width_, height_);
    wl_surface_commit(surface_);
    free->busy = true;
    flush();
}

void WaylandLayerSurface::unmap() {
    cancelPoints(true, true);
    pointerInside_ = false;
    configured_ = false;
    drawWaiting_ = false;
    // A buffer the compositor held for the destroyed surface is free for the next one.
    for (Buffer& buffer : buffers_) {
        buffer.busy = false;
    }
    if (layerSurface_ != nullptr) {
        zwlr_layer_surface_v1_destroy(layerSurface_);
        layerSurface_ = nullptr;
    }
    if (surface_ != nullptr) {
        wl_surface_destroy(surface_);
        surface_ = nullptr;
    }
}

bool WaylandLayerSurface::allocateBuffers(int width, int height) {
    freeBuffers();
    const std::size_t bufferSize =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * bytesPerPixel;
    const std::size_t total = bufferSize * buffers_.size();
    const int fd = memfd_create("tinkella-strip", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, static_cast<off_t>(total)) != 0) {
        if (fd >= 0) {
            close(fd);
        }
        return false;
    }
    void* mapping = mmap(nullptr, total, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (mapping == MAP_FAILED) {
        close(fd);
        return false;
    }
    mapping_ = mapping;
    mappingSize_ = total;
    wl_shm_pool* pool = wl_shm_create_pool(shm_, fd, static_cast<std::int32_t>(total));
    for (std::size_t index = 0; index < buffers_.size(); ++index) {
        Buffer& buffer = buffers_[index];
        buffer.buffer =
            wl_shm_pool_create_buffer(pool, static_cast<std::int32_t>(index * bufferSize), width,
                                      height, width * bytesPerPixel, WL_SHM_FORMAT_XRGB8888);
        wl_buffer_add_listener(buffer.buffer, &Callbacks::bufferListener, this);
        buffer.pixels =
            reinterpret_cast<std::uint32_t*>(static_cast<char*>(mapping) + index * bufferSize);
        buffer.busy = false;
    }
    wl_shm_pool_destroy(pool);
    close(fd);
    width_ = width;
    height_ = height;
    return true;
}

void WaylandLayerSurface::freeBuffers() {
    for (Buffer& buffer : buffers_) {
        if (buffer.buffer != nullptr) {
            wl_buffer_destroy(buffer.buffer);
        }
        buffer = Buffer{};
    }
    if (mapping_ != nullptr) {
        munmap(mapping_, mappingSize_);
        mapping_ = nullptr;
    }
    width_ = 0;
    height_ = 0;
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
        loseConnection();
    }
}

void WaylandLayerSurface::loseConnection() {
    lost_ = true;
    configured_ = false;
    cancelPoints(true, true);
}

} // namespace tinkella
