// The strip's layer surface against a compositor of the test's own (libwayland-server): what it
// asks for, its frames, fingers and the mouse reported one to one, and every point ended on leave,
// cancel, lost devices, close and a lost connection; drawn at its output's scale, narrowed to it;
// lost when the layer shell goes.
#ifdef TINKELLA_WAYLAND
#include "adapters/wayland/WaylandLayerSurface.h"

#include <future>
#include <gtest/gtest.h>
#include <linux/input-event-codes.h>
#include <map>
#include <poll.h>
#include <sys/socket.h>
#include <tuple>
#include <unistd.h>
#include <wayland-server.h>

extern "C" const wl_interface zwlr_layer_shell_v1_interface;
extern "C" const wl_interface wp_fractional_scale_manager_v1_interface;
extern "C" const wl_interface wp_viewporter_interface;

namespace tinkella {
namespace {

// Records every request as "interface.request numbers…", makes the objects asked for and
// destroys those whose destructor is called. Runs on the test's thread, between its calls.
class FakeCompositor {
public:
    FakeCompositor() {
        current = this;
        for (const wl_interface* kind :
             {&wl_compositor_interface, &wl_shm_interface, &wl_seat_interface,
              &zwlr_layer_shell_v1_interface, &wl_output_interface}) {
            globals[kind->name] = wl_global_create(display_, kind, kind->version,
                                                   const_cast<wl_interface*>(kind), bind);
        }
        int fds[2];
        socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds);
        client_ = wl_client_create(display_, fds[0]);
        setenv("WAYLAND_SOCKET", std::to_string(fds[1]).c_str(), 1);
    }
    ~FakeCompositor() { wl_display_destroy(display_); }
    // Opens the surface, serving its round trips meanwhile.
    std::unique_ptr<WaylandLayerSurface> open(std::string& failure) {
        auto opening = std::async(std::launch::async, [&failure] {
            return WaylandLayerSurface::open({1085, 30, 8}, failure);
        });
        while (opening.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
            run([] {}, 5);
        }
        return opening.get();
    }
    // Handles what the client sent, then sends the events task makes.
    void run(const std::function<void()>& task, int timeoutMs = 0) {
        wl_event_loop_dispatch(wl_display_get_event_loop(display_), timeoutMs);
        task();
        wl_display_flush_clients(display_);
    }
    wl_resource* last(const std::string& interface) { return made_[interface].back(); }
    // Sends the events of send() and lets the surface handle them.
    bool exchange(WaylandLayerSurface& surface, const std::function<void()>& send) {
        run(send);
        pollfd ready{surface.descriptor(), POLLIN, 0};
        return poll(&ready, 1, 5000) == 1 && surface.dispatch();
    }
    void disconnect() { wl_client_destroy(client_); }
    wl_display* display() { return display_; }

    std::vector<std::string> requests;
    std::map<std::string, wl_global*> globals;

    static void bind(wl_client* client, void* data, std::uint32_t version, std::uint32_t id) {
        const auto* kind = static_cast<const wl_interface*>(data);
        wl_resource* resource = wl_resource_create(client, kind, static_cast<int>(version), id);
        current->keep(resource);
        if (kind == &wl_seat_interface) {
            wl_seat_send_capabilities(resource,
                                      WL_SEAT_CAPABILITY_POINTER | WL_SEAT_CAPABILITY_TOUCH);
        }
    }

private:
    static inline FakeCompositor* current = nullptr;
    void keep(wl_resource* resource) {
        wl_resource_set_dispatcher(resource, dispatch, nullptr, this, nullptr);
        made_[wl_resource_get_class(resource)].push_back(resource);
    }
    static int dispatch(const void*, void* target, std::uint32_t, const wl_message* message,
                        wl_argument* args) {
        auto* resource = static_cast<wl_resource*>(target);
        auto* self = static_cast<FakeCompositor*>(wl_resource_get_user_data(resource));
        std::string line = std::string(wl_resource_get_class(resource)) + "." + message->name;
        int index = 0;
        for (const char* kind = message->signature; *kind != '\0'; ++kind) {
            if (*kind == 'n') {
                self->keep(wl_resource_create(wl_resource_get_client(resource),
                                              message->types[index],
                                              wl_resource_get_version(resource), args[index].n));
            } else if (*kind == 'i' || *kind == 'u') {
                line += " " + std::to_string(*kind == 'i' ? args[index].i : args[index].u);
            } else if (*kind == 'h') {
                close(args[index].h);
            } else if (*kind == '?' || (*kind >= '0' && *kind <= '9')) {
                continue;
            }
            ++index;
        }
        self->requests.push_back(line);
        if (line.find(".destroy") != std::string::npos ||
            line.find(".release") != std::string::npos) {
            wl_resource_destroy(resource);
        }
        return 0;
    }

    wl_display* display_ = wl_display_create();
    wl_client* client_ = nullptr;
    std::map<std::string, std::vector<wl_resource*>> made_;
};

struct Recorder : StripSurfaceClient {
    void surfacePointChanged(const SurfacePoint& point) override {
        static constexpr const char* phases[] = {"began", "moved", "ended", "cancelled"};
        points.push_back(std::string(phases[static_cast<int>(point.phase)]) +
                         (point.isMouse ? " mouse " : " finger ") + std::to_string(point.id) + " " +
                         std::to_string(static_cast<int>(point.location.x)));
    }
    void surfaceNeedsDrawing(Size) override { ++drawings; }
    std::vector<std::string> points;
    int drawings = 0;
};

TEST(WaylandLayerSurfaceTest, AsksForTheStripAndReportsEveryPointToItsEnd) {
    FakeCompositor compositor;
    std::string failure;
    auto surface = compositor.open(failure);
    ASSERT_NE(surface, nullptr) << failure;
    Recorder recorder;
    surface->setClient(&recorder);
    surface->setVisible(true);
    ASSERT_TRUE(compositor.exchange(*surface, [&] {
        wl_resource_post_event(compositor.last("zwlr_layer_surface_v1"), 0, 1U, 0U, 0U);
    }));
    EXPECT_EQ(recorder.drawings, 1);
    EXPECT_EQ(surface->size().width, 1085);
    int painted = 0;
    for (int frame = 0; frame < 3; ++frame) {
        surface->draw([&](const PixelBuffer& buffer) { painted += buffer.width * buffer.height; });
    }
    EXPECT_EQ(painted, 2 * 1085 * 30); // both buffers held by the compositor: the third waits
    ASSERT_TRUE(compositor.exchange(*surface,
                                    [&] { wl_buffer_send_release(compositor.last("wl_buffer")); }));
    EXPECT_EQ(recorder.drawings, 2);

    ASSERT_TRUE(compositor.exchange(*surface, [&] {
        wl_resource* on = compositor.last("wl_surface");
        wl_resource* pointer = compositor.last("wl_pointer");
        wl_pointer_send_enter(pointer, 1, on, wl_fixed_from_int(10), wl_fixed_from_int(5));
        wl_pointer_send_button(pointer, 2, 0, BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
        wl_pointer_send_motion(pointer, 0, wl_fixed_from_int(20), wl_fixed_from_int(5));
        wl_pointer_send_button(pointer, 3, 0, BTN_LEFT, WL_POINTER_BUTTON_STATE_RELEASED);
        wl_pointer_send_button(pointer, 4, 0, BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
        wl_pointer_send_leave(pointer, 5, on);
        wl_resource* touch = compositor.last("wl_touch");
        wl_touch_send_down(touch, 6, 0, on, 3, wl_fixed_from_int(30), wl_fixed_from_int(5));
        wl_touch_send_motion(touch, 0, 3, wl_fixed_from_int(40), wl_fixed_from_int(5));
        wl_touch_send_up(touch, 7, 0, 3);
        wl_touch_send_down(touch, 8, 0, on, 4, wl_fixed_from_int(50), wl_fixed_from_int(5));
        wl_touch_send_cancel(touch);
        wl_touch_send_down(touch, 9, 0, on, 5, wl_fixed_from_int(60), wl_fixed_from_int(5));
        wl_seat_send_capabilities(compositor.last("wl_seat"), WL_SEAT_CAPABILITY_POINTER);
        wl_touch_send_down(touch, 9, 0, on, 6, wl_fixed_from_int(70), wl_fixed_from_int(5));
        wl_pointer_send_enter(pointer, 10, on, wl_fixed_from_int(80), wl_fixed_from_int(5));
        wl_pointer_send_button(pointer, 11, 0, BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
        wl_resource_post_event(compositor.last("zwlr_layer_surface_v1"), 1);
    }));
    EXPECT_EQ(
        recorder.points,
        (std::vector<std::string>{
            "began mouse 0 10", "moved mouse 0 20", "ended mouse 0 20", "began mouse 0 20",
            "cancelled mouse 0 20", "began finger 3 30", "moved finger 3 40", "ended finger 3 40",
            "began finger 4 50", "cancelled finger 4 50", "began finger 5 60",
            "cancelled finger 5 60", "began mouse 0 80", "cancelled mouse 0 80"}));
    surface->setVisible(true);
    surface->setVisible(false);
    compositor.run([] {});
    for (const char* asked :
         {"zwlr_layer_shell_v1.get_layer_surface 2", "zwlr_layer_surface_v1.set_size 1085 30",
          "zwlr_layer_surface_v1.set_anchor 2", "zwlr_layer_surface_v1.set_margin 0 0 8 0",
          "zwlr_layer_surface_v1.set_exclusive_zone 30",
          "zwlr_layer_surface_v1.set_keyboard_interactivity 0", "zwlr_layer_surface_v1.destroy"}) {
        EXPECT_EQ(std::count(compositor.requests.begin(), compositor.requests.end(), asked), 2)
            << asked;
    }
    surface->setVisible(true);
    ASSERT_TRUE(compositor.exchange(*surface, [&] {
        wl_resource_post_event(compositor.last("zwlr_layer_surface_v1"), 0, 2U, 0U, 0U);
        wl_resource* pointer = compositor.last("wl_pointer");
        wl_pointer_send_enter(pointer, 12, compositor.last("wl_surface"), 0, 0);
        wl_pointer_send_button(pointer, 13, 0, BTN_LEFT, WL_POINTER_BUTTON_STATE_PRESSED);
    }));
    EXPECT_FALSE(compositor.exchange(*surface, [&] { compositor.disconnect(); }));
    EXPECT_EQ(recorder.points.back(), "cancelled mouse 0 0");
    EXPECT_EQ(surface->descriptor(), -1);
}

TEST(WaylandLayerSurfaceTest, DrawsAtItsOutputsScaleWithinItsWidthUntilTheLayerShellGoes) {
    FakeCompositor compositor;
    std::string failure;
    auto surface = compositor.open(failure);
    ASSERT_NE(surface, nullptr) << failure;
    surface->setVisible(true);
    // An output of 1280 pixels at scale 2 (its integer scale and narrowing are drawn on a real
    // compositor end to end).
    ASSERT_TRUE(compositor.exchange(*surface, [&] {
        wl_resource* output = compositor.last("wl_output");
        wl_output_send_mode(output, WL_OUTPUT_MODE_CURRENT, 1280, 720, 60000);
        wl_output_send_scale(output, 2);
        wl_output_send_done(output);
        wl_surface_send_enter(compositor.last("wl_surface"), output);
        wl_resource_post_event(compositor.last("zwlr_layer_surface_v1"), 0, 1U, 624U, 30U);
    }));
    PixelBuffer drawn;
    // Offered a fractional scale, the next surface takes 1.5: 853 points, room for 837.
    ASSERT_TRUE(compositor.exchange(*surface, [&] {
        for (const wl_interface* kind :
             {&wp_fractional_scale_manager_v1_interface, &wp_viewporter_interface}) {
            wl_global_create(compositor.display(), kind, 1, const_cast<wl_interface*>(kind),
                             FakeCompositor::bind);
        }
    }));
    surface->setVisible(false);
    surface->setVisible(true);
    ASSERT_TRUE(compositor.exchange(*surface, [&] {
        wl_resource_post_event(compositor.last("wp_fractional_scale_v1"), 0, 180U);
        wl_surface_send_enter(compositor.last("wl_surface"), compositor.last("wl_output"));
        wl_resource_post_event(compositor.last("zwlr_layer_surface_v1"), 0, 2U, 837U, 30U);
    }));
    surface->draw([&](const PixelBuffer& buffer) { drawn = buffer; });
    EXPECT_EQ(std::make_tuple(drawn.width, drawn.height, drawn.scale),
              std::make_tuple(1256, 45, 1.5));
    // The frame's requests can come in a read of their own.
    compositor.run([] {}, 50);
    compositor.run([] {}, 50);
    EXPECT_EQ(std::ranges::count(compositor.requests, "zwlr_layer_surface_v1.set_size 837 30"), 1);
    EXPECT_EQ(std::ranges::count(compositor.requests, "wp_viewport.set_destination 837 30"), 1);
    EXPECT_FALSE(compositor.exchange(
        *surface, [&] { wl_global_destroy(compositor.globals["zwlr_layer_shell_v1"]); }));
    EXPECT_EQ(surface->lossReason(), "the compositor withdrew the layer shell");
    surface.reset();
    compositor.disconnect();
}

} // namespace
} // namespace tinkella
#endif
