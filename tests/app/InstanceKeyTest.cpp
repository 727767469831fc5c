// Where a launch meets the running copy, and the line it sends over the socket.
#include "app/InstanceKey.h"

#include <gtest/gtest.h>

namespace tinkella::app {
namespace {

// Only the default settings file's copy takes the bus name; the socket lies in the runtime
// folder when it is absolute, in /tmp otherwise.
TEST(InstanceKey, FollowsTheSettingsFileTheBusAndTheRuntimeFolder) {
    const std::string home = "/home/u/.config/Quorvin/Tinkella.conf";
    const std::string other = "/srv/elsewhere/Quorvin/Tinkella.conf";
    const struct {
        std::string file;
        bool bus;
        std::string runtimeDir;
        bool alone, busName;
        std::string socketFolder; // empty: no socket
    } rows[] = {
        {home, true, "/run/user/7", false, true, "/run/user/7/tinkella-"},
        {other, true, "/run/user/7", false, false, "/run/user/7/tinkella-"},
        {other, true, "run", false, false, "/tmp/tinkella-7-"},
        {home, true, "/run/user/7", true, false, ""},
    };
    for (const auto& row : rows) {
        const InstanceKey key =
            instanceKey({row.file, home, row.bus, row.runtimeDir, 7, row.alone});
        SCOPED_TRACE(row.file + " " + row.runtimeDir + " " + key.socketPath);
        EXPECT_EQ(key.busName, row.busName ? "com.quorvin.Tinkella" : "");
        EXPECT_TRUE(key.socketPath.starts_with(row.socketFolder));
        EXPECT_EQ(key.socketPath.empty(), row.socketFolder.empty());
    }
}

TEST(InstanceKey, ActivationLineCarriesBothTokensAndRejectsOtherLines) {
    const std::string line = activationLine({"tok\ten", "id\n7"});
    EXPECT_EQ(line, "activate\ttoken\tid7\n");
    const std::optional<Activation> read = parseActivationLine(line);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->activationToken, "token");
    EXPECT_EQ(read->startupId, "id7");
    EXPECT_FALSE(parseActivationLine("GET / HTTP/1.0\n"));
}

} // namespace
} // namespace tinkella::app
