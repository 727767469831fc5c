#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

struct wl_buffer;
struct wl_shm;

namespace tinkella {

// Two XRGB8888 shared-memory buffers of one size in device pixels, for drawing one while the
// compositor holds the other. Main thread only.
class WaylandShmBuffers {
public:
    struct Buffer {
        wl_buffer* buffer = nullptr;
        std::uint32_t* pixels = nullptr;
        bool busy = false; // held by the compositor until it releases it
    };

    // released runs when the compositor gives a buffer back.
    explicit WaylandShmBuffers(std::function<void()> released);
    ~WaylandShmBuffers();
    WaylandShmBuffers(const WaylandShmBuffers&) = delete;
    WaylandShmBuffers& operator=(const WaylandShmBuffers&) = delete;

    // Replaces the buffers with two of width × height pixels; false (and none) when memory
    // cannot be had.
    bool allocate(wl_shm* shm, int width, int height);
    void free();
    // A buffer the compositor does not hold, now marked held; null when both are held.
    Buffer* take();
    // Every buffer is free again (the surface that held them is gone).
    void forgetHolds();
    int width() const { return width_; }
    int height() const { return height_; }
    static constexpr int bytesPerPixel = 4;

    static void release(void* data, wl_buffer* buffer);

private:
    std::function<void()> released_;
    std::array<Buffer, 2> buffers_{};
    void* mapping_ = nullptr;
    std::size_t mappingSize_ = 0;
    int width_ = 0;
    int height_ = 0;
};

} // namespace tinkella
