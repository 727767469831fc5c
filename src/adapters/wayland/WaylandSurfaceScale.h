#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct wl_output;
struct wl_registry;
struct wl_surface;
struct wp_fractional_scale_manager_v1;
struct wp_fractional_scale_v1;
struct wp_viewport;
struct wp_viewporter;

namespace tinkella {

// How many device pixels one point of a surface takes, and how wide the screen under it is,
// as the compositor tells them: the fractional scale it prefers for the surface
// (wp_fractional_scale_v1, drawn through a wp_viewporter destination) where it offers both,
// otherwise the largest integer scale (wl_output.scale) among the outputs the surface is on,
// drawn with wl_surface.set_buffer_scale. Main thread only; the registry's globals reach it
// through offer() and withdraw().
class WaylandSurfaceScale {
public:
    // changed runs whenever scale() or outputWidth() may have changed.
    explicit WaylandSurfaceScale(std::function<void()> changed);
    ~WaylandSurfaceScale();
    WaylandSurfaceScale(const WaylandSurfaceScale&) = delete;
    WaylandSurfaceScale& operator=(const WaylandSurfaceScale&) = delete;

    // Binds the global if it is one this tracker uses; false otherwise.
    bool offer(wl_registry* registry, std::uint32_t name, const char* interface,
               std::uint32_t version);
    // A global went; an output the surface was on no longer counts.
    void withdraw(std::uint32_t name);

    // Starts following surface (null: forgets the one followed, before it is destroyed).
    void follow(wl_surface* surface);
    // Device pixels per point, at least 1.
    double scale() const;
    // The width in points of the output the surface is on; 0 while unknown.
    int outputWidth() const;
    // Tells the compositor the buffer about to be attached is pointsWidth × pointsHeight
    // points drawn at scale(); to be committed with that buffer.
    void describeBuffer(int pointsWidth, int pointsHeight);

    // The protocol's callbacks, entered through C listeners.
    struct Callbacks;
    friend struct Callbacks;

private:
    struct Output {
        wl_output* output = nullptr;
        std::uint32_t name = 0;
        int scale = 1;
        int modeWidth = 0; // pixels of the current mode, before the output's transform
        int modeHeight = 0;
        bool turned = false; // a quarter or three-quarter turn swaps width and height
        bool entered = false;
    };

    Output* find(wl_output* output);

    std::function<void()> changed_;
    std::vector<std::unique_ptr<Output>> outputs_;
    wp_fractional_scale_manager_v1* fractionalManager_ = nullptr;
    wp_viewporter* viewporter_ = nullptr;
    wl_surface* surface_ = nullptr;
    wp_fractional_scale_v1* fractional_ = nullptr;
    wp_viewport* viewport_ = nullptr;
    std::uint32_t preferred120_ = 0; // the fractional scale times 120; 0 until told
};

} // namespace tinkella
