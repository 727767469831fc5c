#include "foundation/NotificationCenter.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace tinkella {
namespace {

// Delivery by name and sender in registration order, while observers remove each other (or
// themselves) and post again from inside a delivery; a registration gone is never called.
TEST(NotificationCenterTest, ObserversMayComeAndGoDuringDelivery) {
    NotificationCenter center;
    struct Sender : NotificationSender {
    } a, b;
    std::string calls;
    std::optional<ObserverRegistration> victim;
    ObserverRegistration self;
    auto killer = center.addObserver(PianoResizingStarted, [&](const Notification&) {
        calls += "killer ";
        victim.reset();
        center.post(PianoResizingEnded, &b);
    });
    victim =
        center.addObserver(PianoResizingStarted, [&](const Notification&) { calls += "victim "; });
    self = center.addObserver(PianoResizingStarted, [&](const Notification&) {
        calls += "self ";
        self.reset();
    });
    auto fromA = center.addObserver(
        PianoResizingEnded, [&](const Notification&) { calls += "a "; }, &a);
    auto any = center.addObserver(
        PianoResizingEnded, [&](const Notification& n) { calls += n.object == &b ? "b " : "? "; });
    center.post(PianoResizingStarted);
    center.post(PianoResizingStarted);
    center.post(PianoResizingEnded, &a);
    EXPECT_EQ(calls, "killer b self killer b a ? ");
    EXPECT_EQ(center.observerCount(), 3u);
}

} // namespace
} // namespace tinkella
