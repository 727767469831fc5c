#include "foundation/NotificationCenter.h"

#include <algorithm>

namespace tinkella {

ObserverRegistration::ObserverRegistration(ObserverRegistration&& other) noexcept
    : center_(other.center_), id_(other.id_) {
    other.center_ = nullptr;
}

ObserverRegistration& ObserverRegistration::operator=(ObserverRegistration&& other) noexcept {
    if (this != &other) {
        reset();
        center_ = other.center_;
        id_ = other.id_;
        other.center_ = nullptr;
    }
    return *this;
}

ObserverRegistration::~ObserverRegistration() { reset(); }

void ObserverRegistration::reset() {
    if (center_ != nullptr) {
        center_->removeObserver(id_);
        center_ = nullptr;
    }
}

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

ObserverRegistration NotificationCenter::addObserver(std::string_view name, Handler handler,
                                                     const NotificationSender* sender) {
    const std::uint64_t id = nextId_++;
    entries_.push_back(
        Entry{id, std::string(name), sender, std::make_shared<Handler>(std::move(handler))});
    return ObserverRegistration(*this, id);
}

void NotificationCenter::removeObserver(std::uint64_t id) {
    std::erase_if(entries_, [id](const Entry& e) { return e.id == id; });
}

void NotificationCenter::post(std::string_view name, const NotificationSender* object) {
    // Deliver to the observers registered when the post began, skipping any removed meanwhile.
    std::vector<std::uint64_t> ids;
    for (const Entry& e : entries_) {
        if (e.name == name && (e.sender == nullptr || e.sender == object)) {
            ids.push_back(e.id);
        }
    }
    const Notification notification{name, object};
    for (std::uint64_t id : ids) {
        auto it = std::find_if(entries_.begin(), entries_.end(),
                               [id](const Entry& e) { return e.id == id; });
        if (it == entries_.end()) {
            continue;
        }
        std::shared_ptr<Handler> handler = it->handler; // survives its own removal
        (*handler)(notification);
    }
}

} // namespace tinkella
