#pragma once

#include <QMetaObject>
#include <QObject>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

namespace tinkella::app {

// Carries one value made on a thread of its own to the main thread, through the Qt event loop:
// put() may come before or after receive(), and the value reaches the receiver's handler on
// the main thread either way. Once the receiver has gone the value is dropped where it is.
// Hold it by shared_ptr (make()); put() on any thread, receive() and cancel() on the main one.
template <typename T> class Handoff : public std::enable_shared_from_this<Handoff<T>> {
public:
    static std::shared_ptr<Handoff> make() { return std::shared_ptr<Handoff>(new Handoff); }

    void put(T value) {
        const std::lock_guard lock(mutex_);
        value_ = std::move(value);
        postLocked();
    }

    // handler runs on the main thread, from receiver's event loop, once the value is there.
    void receive(QObject* receiver, std::function<void(T)> handler) {
        const std::lock_guard lock(mutex_);
        receiver_ = receiver;
        handler_ = std::move(handler);
        postLocked();
    }

    // The receiver is going: nothing more is posted to it.
    void cancel() {
        const std::lock_guard lock(mutex_);
        receiver_ = nullptr;
    }

private:
    Handoff() = default;

    void postLocked() {
        if (receiver_ == nullptr || !value_) {
            return;
        }
        QMetaObject::invokeMethod(
            receiver_,
            [self = this->shared_from_this()] {
                std::optional<T> value;
                std::function<void(T)> handler;
                {
                    const std::lock_guard lock(self->mutex_);
                    value.swap(self->value_);
                    handler = self->handler_;
                }
                if (value && handler) {
                    handler(std::move(*value));
                }
            },
            Qt::QueuedConnection);
    }

    std::mutex mutex_;
    std::optional<T> value_;
    QObject* receiver_ = nullptr;
    std::function<void(T)> handler_;
};

} // namespace tinkella::app
