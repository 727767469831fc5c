// The stored settings: bindings under re-entrant use, the decoding rules, and the INI store's
// handling of types and of files it cannot use.
#include "model/Preferences.h"

#include "support/QtTestApplication.h"
#include "foundation/DefaultsController.h"
#include "adapters/qt/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace tinkella {
namespace {

TEST(Preferences, ReadersGetTheNewestValueWhileOthersWriteAndUnbindDuringDelivery) {
    DefaultsBinding outlives;
    {
        auto owned = std::make_unique<InMemoryDefaultsStore>();
        InMemoryDefaultsStore& store = *owned;
        DefaultsController defaults(std::move(owned));
        defaults.registerDefaults(preferences::registeredDefaults());
        DefaultsBinding later;
        std::vector<double> seen;
        auto clamp = defaults.bind("values.noteOffset", [&](const DefaultsValue& v) {
            if (v.realValue() > 96.0) {
                later.reset();
                defaults.setValue(DefaultsValue::real(96.0), "values.noteOffset");
            }
        });
        auto reader = defaults.bind("values.noteOffset",
                                    [&](const DefaultsValue& v) { seen.push_back(v.realValue()); });
        int laterCalls = 0;
        later = defaults.bind("values.noteOffset", [&](const DefaultsValue&) { ++laterCalls; });
        defaults.setValue(DefaultsValue::real(120.0), "values.noteOffset");
        EXPECT_EQ(seen.back(), 96.0);
        EXPECT_EQ(laterCalls, 1);
        EXPECT_TRUE(defaults.value("noteOffset").isAbsent()) << "not a key path";
        defaults.replaceStore(std::make_unique<InMemoryDefaultsStore>(
            DefaultsController::Defaults{{"noteOffset", DefaultsValue::real(20.0)}}));
        EXPECT_EQ(seen.back(), 20.0);
        EXPECT_EQ(store.writeCount(), 2u);
        outlives = defaults.bind("values.keyWidth", [](const DefaultsValue&) {});
    }
    outlives.reset();
}

TEST(Preferences, StoredTextsAndNumbersConvertLikeTheUserDefaultsReaders) {
    EXPECT_EQ(DefaultsValue::parse("true"), DefaultsValue::boolean(true));
    EXPECT_EQ(DefaultsValue::parse("-1"), DefaultsValue::integer(-1));
    EXPECT_EQ(DefaultsValue::parse("1e3"), DefaultsValue::real(1000.0));
    EXPECT_EQ(DefaultsValue::parse("7 keys"), DefaultsValue::text("7 keys"));
    EXPECT_EQ(DefaultsValue::parse("99999999999999999999").kind(), DefaultsValue::Kind::real);
    EXPECT_EQ(DefaultsValue::real(1e300).integerValue(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(DefaultsValue::real(std::nan("")).integerValue(), 0);
    EXPECT_EQ(DefaultsValue::boolean(true).realValue(), 1.0);
    EXPECT_EQ(DefaultsValue::text("12").integerValue(), 12);
    EXPECT_EQ(DefaultsValue::text("1.5").realValue(), 1.5);
    EXPECT_FALSE(DefaultsValue::text("abc").boolValue());
    EXPECT_TRUE(DefaultsValue::integer(3).boolValue());
    EXPECT_EQ(DefaultsValue::real(37.25).toString(), "37.25");
    EXPECT_EQ(DefaultsValue::boolean(false).toString(), "false");
}

class SettingsFileTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("Quorvin/Tinkella.conf"); }
    void writeFile(const QByteArray& bytes) {
        QDir().mkpath(dir.filePath("Quorvin"));
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray readFile() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(SettingsFileTest, TypesSurviveARoundTripAndHandWrittenValuesAreTyped) {
    testing::ensureQtApplication();
    writeFile("[General]\noutputMode=7\nsettingsVisible=maybe, later\n");
    {
        QtSettingsStore store(path());
        EXPECT_EQ(store.read("outputMode"), DefaultsValue::integer(7));
        EXPECT_EQ(store.read("settingsVisible"), DefaultsValue::text("maybe, later"));
        EXPECT_TRUE(store.write("keyWidth", DefaultsValue::real(37.25)));
        EXPECT_TRUE(store.write("blackKeyGlissando", DefaultsValue::boolean(false)));
        EXPECT_TRUE(store.flush());
        EXPECT_TRUE(store.write("noteOffset", DefaultsValue::real(13.5)));
        EXPECT_TRUE(QTest::qWaitFor([&] { return readFile().contains("noteOffset=13.5"); },
                                    QtSettingsStore::flushDelayMs * 4));
    }
    QtSettingsStore again(path());
    EXPECT_EQ(again.read("keyWidth"), DefaultsValue::real(37.25));
    EXPECT_EQ(again.read("blackKeyGlissando"), DefaultsValue::boolean(false));
}

// A file that cannot be used is reported in one line, never overwritten, and the session's
// changes are kept in memory.
TEST_F(SettingsFileTest, AnUnusableFileIsReportedOnceKeptAndNeverOverwritten) {
    const struct {
        QByteArray bytes; // empty: a directory stands where the file should be
        const char* said;
    } cases[] = {
        {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18), "Tinkella.conf"},
        {"just a shopping list\n[unclosed\n=value without key\n", "Tinkella.conf"},
        // The reader would take this stream's sizes at their word and ask for gigabytes.
        {"[General]\nnoteOffset=@Variant(\\0\\0\\0\\x7f\\xff\\xff\\xff)\n",
         "is not a valid settings file"},
        {"", "cannot be read"},
    };
    for (const auto& c : cases) {
        QDir(dir.path()).removeRecursively();
        c.bytes.isEmpty() ? void(QDir().mkpath(path())) : writeFile(c.bytes);
        ::testing::internal::CaptureStderr();
        QtSettingsStore store(path());
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_FALSE(store.write("keyWidth", DefaultsValue::real(20.0)));
        EXPECT_FALSE(store.isPersistent()) << c.said;
        EXPECT_NE(err.find(c.said), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_EQ(store.read("keyWidth"), DefaultsValue::real(20.0));
        EXPECT_EQ(readFile(), c.bytes);
    }
    QDir(dir.path()).removeRecursively();
    writeFile("");
    QtSettingsStore blocked(path() + "/Tinkella.conf"); // its parent is a plain file
    ::testing::internal::CaptureStderr();
    blocked.write("keyWidth", DefaultsValue::real(30.0));
    EXPECT_FALSE(blocked.flush());
    EXPECT_FALSE(blocked.write("keyWidth", DefaultsValue::real(31.0)));
    EXPECT_FALSE(blocked.flush());
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("cannot be written"), std::string::npos) << err;
    EXPECT_EQ(blocked.read("keyWidth"), DefaultsValue::real(31.0));
}

} // namespace
} // namespace tinkella
