#include "adapters/wayland/WaylandShmBuffers.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

namespace tinkella {

namespace {

constexpr wl_buffer_listener bufferListener{WaylandShmBuffers::release};

} // namespace

WaylandShmBuffers::WaylandShmBuffers(std::function<void()> released)
    : released_(std::move(released)) {}

WaylandShmBuffers::~WaylandShmBuffers() {
    free();
}

void WaylandShmBuffers::release(void* data, wl_buffer* buffer) {
    auto& self = *static_cast<WaylandShmBuffers*>(data);
    for (Buffer& held : self.buffers_) {
        if (held.buffer == buffer) {
            held.busy = false;
        }
    }
    self.released_();
}

bool WaylandShmBuffers::allocate(wl_shm* shm, int width, int height) {
    free();
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
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, static_cast<std::int32_t>(total));
    for (std::size_t index = 0; index < buffers_.size(); ++index) {
        Buffer& buffer = buffers_[index];
        buffer.buffer =
            wl_shm_pool_create_buffer(pool, static_cast<std::int32_t>(index * bufferSize), width,
                                      height, width * bytesPerPixel, WL_SHM_FORMAT_XRGB8888);
        wl_buffer_add_listener(buffer.buffer, &bufferListener, this);
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

void WaylandShmBuffers::free() {
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

WaylandShmBuffers::Buffer* WaylandShmBuffers::take() {
    for (Buffer& buffer : buffers_) {
        if (!buffer.busy && buffer.buffer != nullptr) {
            buffer.busy = true;
            return &buffer;
        }
    }
    return nullptr;
}

void WaylandShmBuffers::forgetHolds() {
    for (Buffer& buffer : buffers_) {
        buffer.busy = false;
    }
}

} // namespace tinkella
