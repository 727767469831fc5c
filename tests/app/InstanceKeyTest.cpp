// Where a launch meets the running copy, and the line it sends over the socket.
#include "app/InstanceKey.h"

#include <gtest/gtest.h>
#include <map>

namespace tinkella::app {
namespace {

TEST(InstanceKey, FollowsTheSettingsFileTheBusAndTheRuntimeFolder) {
    const std::string home = "/home/u/.config/Quorvin/Tinkella.conf";
    const std::string other = "/srv/elsewhere/Quorvin/Tinkella.conf";
    struct Row {
        const char* what;
        std::string file;
        bool bus;
        std::string runtimeDir;
        bool alone;
        bool busName;
        std::string socketFolder; // empty: no socket
        const std::string* keyedBy;
    };
    const Row rows[] = {
        {"default file on a bus", home, true, "/run/user/7", false, true, "/run/user/7/tinkella-",
         &home},
        {"default file, no bus", home, false, "/run/user/7", false, false, "/run/user/7/tinkella-",
         &home},
        {"other file on a bus", other, true, "/run/user/7", false, false, "/run/user/7/tinkella-",
         &other},
        {"no runtime folder", home, false, "", false, false, "/tmp/tinkella-7-", &home},
        {"relative runtime folder", other, true, "run", false, false, "/tmp/tinkella-7-", &other},
        {"asked to run alone", home, true, "/run/user/7", true, false, "", nullptr},
    };
    std::map<const std::string*, std::string> hashOf;
    for (const Row& row : rows) {
        const InstanceKey key =
            instanceKey({row.file, home, row.bus, row.runtimeDir, 7, row.alone});
        EXPECT_EQ(key.busName, row.busName ? "com.quorvin.Tinkella" : "") << row.what;
        if (!row.keyedBy) {
            EXPECT_EQ(key.socketPath, "") << row.what;
            continue;
        }
        ASSERT_TRUE(key.socketPath.starts_with(row.socketFolder)) << row.what << key.socketPath;
        const std::string hash = key.socketPath.substr(row.socketFolder.size());
        EXPECT_EQ(hashOf.try_emplace(row.keyedBy, hash).first->second, hash) << row.what;
    }
    EXPECT_NE(hashOf[&home], hashOf[&other]);
}

TEST(InstanceKey, ActivationLineCarriesBothTokensAndRejectsOtherLines) {
    const std::string line = activationLine({"tok\ten", "id\n7"});
    EXPECT_EQ(line, "activate\ttoken\tid7\n");
    const std::optional<Activation> read = parseActivationLine(line);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->activationToken, "token");
    EXPECT_EQ(read->startupId, "id7");
    EXPECT_TRUE(parseActivationLine("activate\n"));
    EXPECT_FALSE(parseActivationLine("activated\n"));
    EXPECT_FALSE(parseActivationLine("GET / HTTP/1.0\n"));
}

} // namespace
} // namespace tinkella::app
