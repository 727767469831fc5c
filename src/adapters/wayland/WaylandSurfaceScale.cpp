#include "adapters/wayland/WaylandSurfaceScale.h"

#include <algorithm>
#include <cmath>
#include <fractional-scale-v1-client-protocol.h>
#include <string_view>
#include <viewporter-client-protocol.h>
#include <wayland-client.h>

namespace tinkella {

namespace {

constexpr double fractionalDenominator = 120.0;

} // namespace

struct WaylandSurfaceScale::Callbacks {
    static WaylandSurfaceScale& self(void* data) {
        return *static_cast<WaylandSurfaceScale*>(data);
    }

    static void geometry(void* data, wl_output* output, std::int32_t, std::int32_t, std::int32_t,
                         std::int32_t, std::int32_t, const char*, const char*,
                         std::int32_t transform) {
        if (Output* known = self(data).find(output)) {
            known->turned = transform == WL_OUTPUT_TRANSFORM_90 ||
                            transform == WL_OUTPUT_TRANSFORM_270 ||
                            transform == WL_OUTPUT_TRANSFORM_FLIPPED_90 ||
                            transform == WL_OUTPUT_TRANSFORM_FLIPPED_270;
        }
    }
    static void mode(void* data, wl_output* output, std::uint32_t flags, std::int32_t width,
                     std::int32_t height, std::int32_t) {
        Output* known = self(data).find(output);
        if (known != nullptr && (flags & WL_OUTPUT_MODE_CURRENT) != 0) {
            known->modeWidth = width;
            known->modeHeight = height;
        }
    }
    static void done(void* data, wl_output* output) {
        const Output* known = self(data).find(output);
        if (known != nullptr && known->entered) {
            self(data).changed_();
        }
    }
    static void scale(void* data, wl_output* output, std::int32_t factor) {
        if (Output* known = self(data).find(output)) {
            known->scale = std::max(1, factor);
        }
    }
    static void name(void*, wl_output*, const char*) {}
    static void description(void*, wl_output*, const char*) {}

    static void enter(void* data, wl_surface*, wl_output* output) {
        if (Output* known = self(data).find(output)) {
            known->entered = true;
            self(data).changed_();
        }
    }
    static void leave(void* data, wl_surface*, wl_output* output) {
        if (Output* known = self(data).find(output)) {
            known->entered = false;
            self(data).changed_();
        }
    }

    static void preferredScale(void* data, wp_fractional_scale_v1*, std::uint32_t scale) {
        WaylandSurfaceScale& tracker = self(data);
        if (scale != tracker.preferred120_) {
            tracker.preferred120_ = scale;
            tracker.changed_();
        }
    }

    static constexpr wl_output_listener outputListener{geometry, mode, done,
                                                       scale,    name, description};
    static constexpr wl_surface_listener surfaceListener{enter, leave};
    static constexpr wp_fractional_scale_v1_listener fractionalListener{preferredScale};
};

WaylandSurfaceScale::WaylandSurfaceScale(std::function<void()> changed)
    : changed_(std::move(changed)) {}

WaylandSurfaceScale::~WaylandSurfaceScale() {
    follow(nullptr);
    for (const auto& output : outputs_) {
        wl_output_destroy(output->output);
    }
    if (fractionalManager_ != nullptr) {
        wp_fractional_scale_manager_v1_destroy(fractionalManager_);
    }
    if (viewporter_ != nullptr) {
        wp_viewporter_destroy(viewporter_);
    }
}

bool WaylandSurfaceScale::offer(wl_registry* registry, std::uint32_t name, const char* interface,
                                std::uint32_t version) {
    const std::string_view kind(interface);
    if (kind == wl_output_interface.name) {
        auto output = std::make_unique<Output>();
        output->name = name;
        output->output = static_cast<wl_output*>(
            wl_registry_bind(registry, name, &wl_output_interface, std::min(version, 3U)));
        wl_output_add_listener(output->output, &Callbacks::outputListener, this);
        outputs_.push_back(std::move(output));
    } else if (kind == wp_fractional_scale_manager_v1_interface.name) {
        fractionalManager_ = static_cast<wp_fractional_scale_manager_v1*>(
            wl_registry_bind(registry, name, &wp_fractional_scale_manager_v1_interface, 1));
    } else if (kind == wp_viewporter_interface.name) {
        viewporter_ = static_cast<wp_viewporter*>(
            wl_registry_bind(registry, name, &wp_viewporter_interface, 1));
    } else {
        return false;
    }
    return true;
}

void WaylandSurfaceScale::withdraw(std::uint32_t name) {
    const auto gone = std::ranges::find_if(
        outputs_, [name](const std::unique_ptr<Output>& output) { return output->name == name; });
    if (gone == outputs_.end()) {
        return;
    }
    const bool entered = (*gone)->entered;
    if (wl_output_get_version((*gone)->output) >= WL_OUTPUT_RELEASE_SINCE_VERSION) {
        wl_output_release((*gone)->output);
    } else {
        wl_output_destroy((*gone)->output);
    }
    outputs_.erase(gone);
    if (entered) {
        changed_();
    }
}

void WaylandSurfaceScale::follow(wl_surface* surface) {
    if (fractional_ != nullptr) {
        wp_fractional_scale_v1_destroy(fractional_);
        fractional_ = nullptr;
    }
    if (viewport_ != nullptr) {
        wp_viewport_destroy(viewport_);
        viewport_ = nullptr;
    }
    for (const auto& output : outputs_) {
        output->entered = false;
    }
    preferred120_ = 0;
    surface_ = surface;
    if (surface_ == nullptr) {
        return;
    }
    wl_surface_add_listener(surface_, &Callbacks::surfaceListener, this);
    if (fractionalManager_ != nullptr && viewporter_ != nullptr) {
        fractional_ =
            wp_fractional_scale_manager_v1_get_fractional_scale(fractionalManager_, surface_);
        wp_fractional_scale_v1_add_listener(fractional_, &Callbacks::fractionalListener, this);
        viewport_ = wp_viewporter_get_viewport(viewporter_, surface_);
    }
}

double WaylandSurfaceScale::scale() const {
    if (viewport_ != nullptr && preferred120_ > 0) {
        return std::max(1.0, preferred120_ / fractionalDenominator);
    }
    int largest = 1;
    for (const auto& output : outputs_) {
        if (output->entered) {
            largest = std::max(largest, output->scale);
        }
    }
    return largest;
}

int WaylandSurfaceScale::outputWidth() const {
    const auto on = std::ranges::find_if(
        outputs_, [](const std::unique_ptr<Output>& output) { return output->entered; });
    if (on == outputs_.end()) {
        return 0;
    }
    const Output& output = **on;
    const int pixels = output.turned ? output.modeHeight : output.modeWidth;
    const double perPoint = viewport_ != nullptr && preferred120_ > 0
                                ? preferred120_ / fractionalDenominator
                                : static_cast<double>(output.scale);
    return static_cast<int>(std::floor(pixels / perPoint));
}

void WaylandSurfaceScale::describeBuffer(int pointsWidth, int pointsHeight) {
    if (surface_ == nullptr) {
        return;
    }
    if (viewport_ != nullptr) {
        wl_surface_set_buffer_scale(surface_, 1);
        wp_viewport_set_destination(viewport_, pointsWidth, pointsHeight);
    } else {
        wl_surface_set_buffer_scale(surface_, static_cast<std::int32_t>(scale()));
    }
}

WaylandSurfaceScale::Output* WaylandSurfaceScale::find(wl_output* output) {
    const auto found =
        std::ranges::find_if(outputs_, [output](const std::unique_ptr<Output>& known) {
            return known->output == output;
        });
    return found == outputs_.end() ? nullptr : found->get();
}

} // namespace tinkella
