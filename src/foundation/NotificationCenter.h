#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tinkella {

// Names of the notifications the keyboard's parts exchange; the text of each is its own name.
inline constexpr std::string_view PressedPianoKeysChanged = "PressedPianoKeysChanged";
inline constexpr std::string_view PianoResizingStarted = "PianoResizingStarted";
inline constexpr std::string_view PianoResizingEnded = "PianoResizingEnded";

// Anything that can be named as the sender of a notification.
class NotificationSender {
public:
    virtual ~NotificationSender() = default;
};

struct Notification {
    std::string_view name;
    const NotificationSender* object = nullptr; // the sender, or none; never owned
};

class NotificationCenter;

// Keeps one registration alive; destroying it removes the observer, so an observer that owns its
// registration is never called after it is gone.
class ObserverRegistration {
public:
    ObserverRegistration() = default;
    ObserverRegistration(NotificationCenter& center, std::uint64_t id) : center_(&center), id_(id) {}
    ObserverRegistration(ObserverRegistration&& other) noexcept;
    ObserverRegistration& operator=(ObserverRegistration&& other) noexcept;
    ObserverRegistration(const ObserverRegistration&) = delete;
    ObserverRegistration& operator=(const ObserverRegistration&) = delete;
    ~ObserverRegistration();

    void reset();

private:
    NotificationCenter* center_ = nullptr;
    std::uint64_t id_ = 0;
};

// A synchronous publish and subscribe by name. Main thread only: post() returns after every
// observer registered for the name (and, when one was given, for that sender) has run, in the
// order of registration. Observers may post, register or unregister from inside a delivery;
// an observer removed during a delivery is not called afterwards.
class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;

    static NotificationCenter& defaultCenter();

    NotificationCenter() = default;
    NotificationCenter(const NotificationCenter&) = delete;
    NotificationCenter& operator=(const NotificationCenter&) = delete;

    // sender == nullptr observes the name from any sender.
    [[nodiscard]] ObserverRegistration addObserver(std::string_view name, Handler handler,
                                                   const NotificationSender* sender = nullptr);
    void post(std::string_view name, const NotificationSender* object = nullptr);
    void removeObserver(std::uint64_t id);
    std::size_t observerCount() const { return entries_.size(); }

private:
    struct Entry {
        std::uint64_t id;
        std::string name;
        const NotificationSender* sender;
        std::shared_ptr<Handler> handler;
    };
    std::vector<Entry> entries_;
    std::uint64_t nextId_ = 1;
};

} // namespace tinkella
