// The lock a launch holds while it looks for a running copy's socket and takes its place.
#include "app/InstanceSocket.h"

#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>

namespace tinkella::app {
namespace {

// One launch at a time: the next waits out its time, then goes on without the lock; the lock is
// free again once its holder goes, as it is when the holder's process dies.
TEST(LaunchLockTest, OneLaunchAtATimeAndFreeOnceItsHolderGoes) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tinkella.socket.lock"));
    auto holder = std::make_unique<LaunchLock>(path, 0);
    ASSERT_TRUE(holder->held());
    const auto asked = std::chrono::steady_clock::now();
    EXPECT_FALSE(LaunchLock(path, 30).held());
    EXPECT_GE(std::chrono::steady_clock::now() - asked, std::chrono::milliseconds(30));
    holder.reset();
    EXPECT_TRUE(LaunchLock(path, 0).held());
}

} // namespace
} // namespace tinkella::app
