#include "foundation/NotificationCenter.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace tinkella {
namespace {

struct Sender : NotificationSender {};

TEST(NotificationCenterTest, DeliversByNameInRegistrationOrderBeforePostReturns) {
    NotificationCenter center;
    std::vector<std::string> calls;
    auto first = center.addObserver(PianoResizingStarted, [&](const Notification& n) {
        calls.push_back("first:" + std::string(n.name));
    });
    auto second = center.addObserver(PianoResizingStarted,
                                     [&](const Notification&) { calls.push_back("second"); });
    auto other = center.addObserver(PianoResizingEnded,
                                    [&](const Notification&) { calls.push_back("other"); });
    center.post(PianoResizingStarted);
    EXPECT_EQ(calls, (std::vector<std::string>{"first:PianoResizingStarted", "second"}));
}

TEST(NotificationCenterTest, PassesTheSenderAndFiltersBySenderWhenAsked) {
    NotificationCenter center;
    Sender a;
    Sender b;
    std::vector<const NotificationSender*> anySender;
    int fromA = 0;
    auto r1 = center.addObserver(PressedPianoKeysChanged,
                                 [&](const Notification& n) { anySender.push_back(n.object); });
    auto r2 = center.addObserver(
        PressedPianoKeysChanged, [&](const Notification&) { ++fromA; }, &a);
    center.post(PressedPianoKeysChanged, &a);
    center.post(PressedPianoKeysChanged, &b);
    center.post(PressedPianoKeysChanged);
    EXPECT_EQ(anySender, (std::vector<const NotificationSender*>{&a, &b, nullptr}));
    EXPECT_EQ(fromA, 1);
}

TEST(NotificationCenterTest, AnObserverGoneIsNeverCalled) {
    NotificationCenter center;
    int calls = 0;
    {
        auto registration =
            center.addObserver(PianoResizingEnded, [&](const Notification&) { ++calls; });
        center.post(PianoResizingEnded);
    }
    center.post(PianoResizingEnded);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(center.observerCount(), 0u);
}

TEST(NotificationCenterTest, ObserversMayRemoveEachOtherAndPostDuringDelivery) {
    NotificationCenter center;
    std::optional<ObserverRegistration> victim;
    std::vector<std::string> calls;
    auto killer = center.addObserver(PianoResizingStarted, [&](const Notification&) {
        calls.push_back("killer");
        victim.reset();
        center.post(PianoResizingEnded);
    });
    victim = center.addObserver(PianoResizingStarted,
                                [&](const Notification&) { calls.push_back("victim"); });
    auto nested = center.addObserver(PianoResizingEnded,
                                     [&](const Notification&) { calls.push_back("nested"); });
    center.post(PianoResizingStarted);
    EXPECT_EQ(calls, (std::vector<std::string>{"killer", "nested"}));
}

TEST(NotificationCenterTest, AnObserverMayRemoveItselfWhileRunning) {
    NotificationCenter center;
    int calls = 0;
    ObserverRegistration self;
    self = center.addObserver(PianoResizingStarted, [&](const Notification&) {
        ++calls;
        self.reset();
    });
    center.post(PianoResizingStarted);
    center.post(PianoResizingStarted);
    EXPECT_EQ(calls, 1);
}

} // namespace
} // namespace tinkella
