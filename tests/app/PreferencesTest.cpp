// The stored settings: registration, bindings, the typing of stored texts, and the
// INI store's handling of types and of files it cannot use.
#include "platform/defaults/Preferences.h"

#include "app/QtTestApplication.h"
#include "platform/defaults/DefaultsController.h"
#include "platform/defaults/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace tinkella {

void PrintTo(const DefaultsValue& v, std::ostream* os) {
    *os << static_cast<int>(v.kind()) << ":" << v.toString();
}

namespace {

using Kind = DefaultsValue::Kind;

struct ControllerWithStore {
    ControllerWithStore() {
        auto owned = std::make_unique<InMemoryDefaultsStore>();
        store = owned.get();
        controller = std::make_unique<DefaultsController>(std::move(owned));
        controller->registerDefaults(preferences::registeredDefaults());
    }
    InMemoryDefaultsStore* store = nullptr;
    std::unique_ptr<DefaultsController> controller;
};

TEST(PreferencesRegistration, DefaultsAnswerReadsButAreNeverWritten) {
    ControllerWithStore c;
    EXPECT_EQ(c.store->writeCount(), 0u);
    EXPECT_TRUE(c.store->values().empty());
    EXPECT_EQ(c.controller->integerForKey(preferences::instrument), 1);
    EXPECT_EQ(c.controller->value("values.blackKeyTouchArea"), DefaultsValue::real(0.15));
    EXPECT_EQ(c.controller->value("values.keyWidth"), DefaultsValue::integer(50));
    EXPECT_EQ(c.controller->value("values.noteOffset"), DefaultsValue::integer(60));
    EXPECT_EQ(c.controller->value("values.blackKeyGlissando"), DefaultsValue::boolean(false));
    EXPECT_EQ(c.controller->integerForKey(preferences::outputMode), 2);
    EXPECT_EQ(c.controller->objectForKey(preferences::settingsVisible),
              DefaultsValue::boolean(true));
    EXPECT_EQ(c.store->writeCount(), 0u);
}

TEST(PreferencesBinding, DeliversTheCurrentValueAtOnceAndEveryChangeToEveryReader) {
    ControllerWithStore c;
    std::vector<double> first;
    std::vector<double> second;
    auto a = c.controller->bind("values.keyWidth",
                                [&](const DefaultsValue& v) { first.push_back(v.realValue()); });
    auto b = c.controller->bind("values.keyWidth",
                                [&](const DefaultsValue& v) { second.push_back(v.realValue()); });
    EXPECT_EQ(first, std::vector<double>{50.0});
    c.controller->setValue(DefaultsValue::real(37.25), "values.keyWidth");
    EXPECT_EQ(first, (std::vector<double>{50.0, 37.25}));
    EXPECT_EQ(second, (std::vector<double>{50.0, 37.25}));
    EXPECT_EQ(c.store->read("keyWidth"), DefaultsValue::real(37.25));
}

TEST(PreferencesBinding, DirectWritesReachBoundReadersToo) {
    ControllerWithStore c;
    int calls = 0;
    auto a = c.controller->bind("values.noteOffset", [&](const DefaultsValue&) { ++calls; });
    c.controller->setObject(DefaultsValue::real(12.0), preferences::noteOffset);
    EXPECT_EQ(calls, 2);
}

TEST(PreferencesBinding, OtherKeysAndUnboundReadersGetNothing) {
    ControllerWithStore c;
    int calls = 0;
    auto a = c.controller->bind("values.noteOffset", [&](const DefaultsValue&) { ++calls; });
    c.controller->setValue(DefaultsValue::real(20.0), "values.keyWidth");
    EXPECT_EQ(calls, 1);
    a.reset();
    c.controller->setValue(DefaultsValue::real(20.0), "values.noteOffset");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(c.controller->bindingCount(), 0u);
}

TEST(PreferencesBinding, AReaderWritingDuringDeliveryLeavesEveryoneWithTheNewestValue) {
    ControllerWithStore c;
    std::vector<double> seen;
    auto clamp = c.controller->bind("values.noteOffset", [&](const DefaultsValue& v) {
        if (v.realValue() > 96.0) {
            c.controller->setValue(DefaultsValue::real(96.0), "values.noteOffset");
        }
    });
    auto reader = c.controller->bind(
        "values.noteOffset", [&](const DefaultsValue& v) { seen.push_back(v.realValue()); });
    c.controller->setValue(DefaultsValue::real(120.0), "values.noteOffset");
    EXPECT_EQ(seen.back(), 96.0);
}

TEST(PreferencesBinding, AReaderUnbindingAnotherDuringDeliveryStopsIt) {
    ControllerWithStore c;
    DefaultsBinding later;
    int laterCalls = 0;
    bool armed = false;
    auto first = c.controller->bind("values.keyWidth", [&](const DefaultsValue&) {
        if (armed) {
            later.reset();
        }
    });
    later = c.controller->bind("values.keyWidth", [&](const DefaultsValue&) { ++laterCalls; });
    armed = true;
    c.controller->setValue(DefaultsValue::real(30.0), "values.keyWidth");
    EXPECT_EQ(laterCalls, 1);
}

TEST(PreferencesBinding, ARegistrationMayOutliveItsController) {
    DefaultsBinding binding;
    {
        ControllerWithStore c;
        binding = c.controller->bind("values.keyWidth", [](const DefaultsValue&) {});
    }
    binding.reset();
    SUCCEED();
}

TEST(PreferencesBinding, ANewStoreReachesEveryBoundReader) {
    ControllerWithStore c;
    std::vector<double> widths;
    auto a = c.controller->bind("values.keyWidth",
                                [&](const DefaultsValue& v) { widths.push_back(v.realValue()); });
    c.controller->replaceStore(std::make_unique<InMemoryDefaultsStore>(
        DefaultsController::Defaults{{"keyWidth", DefaultsValue::real(20.0)}}));
    EXPECT_EQ(widths, (std::vector<double>{50.0, 20.0}));
    EXPECT_EQ(c.controller->integerForKey(preferences::outputMode), 2) << "defaults stay";
}

TEST(PreferencesBinding, MalformedKeyPathsNeitherReadNorWrite) {
    ControllerWithStore c;
    EXPECT_TRUE(c.controller->value("keyWidth").isAbsent());
    EXPECT_TRUE(c.controller->value("values.").isAbsent());
    c.controller->setValue(DefaultsValue::real(1.0), "keyWidth");
    EXPECT_EQ(c.store->writeCount(), 0u);
    EXPECT_FALSE(c.controller->bind("value.keyWidth", [](const DefaultsValue&) {}).isBound());
}

TEST(PreferencesValue, ParsesTextThatLostItsType) {
    EXPECT_EQ(DefaultsValue::parse("true"), DefaultsValue::boolean(true));
    EXPECT_EQ(DefaultsValue::parse("false"), DefaultsValue::boolean(false));
    EXPECT_EQ(DefaultsValue::parse("7"), DefaultsValue::integer(7));
    EXPECT_EQ(DefaultsValue::parse("-1"), DefaultsValue::integer(-1));
    EXPECT_EQ(DefaultsValue::parse("37.25"), DefaultsValue::real(37.25));
    EXPECT_EQ(DefaultsValue::parse("1e3"), DefaultsValue::real(1000.0));
    EXPECT_EQ(DefaultsValue::parse("7 keys"), DefaultsValue::text("7 keys"));
    EXPECT_EQ(DefaultsValue::parse(""), DefaultsValue::text(""));
    EXPECT_EQ(DefaultsValue::parse("99999999999999999999").kind(), Kind::real);
}

TEST(PreferencesValue, ConvertsLikeTheUserDefaultsReaders) {
    EXPECT_EQ(DefaultsValue::real(37.9).integerValue(), 37);
    EXPECT_EQ(DefaultsValue::real(1e300).integerValue(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(DefaultsValue::real(std::nan("")).integerValue(), 0);
    EXPECT_EQ(DefaultsValue::boolean(true).integerValue(), 1);
    EXPECT_EQ(DefaultsValue::text("12").integerValue(), 12);
    EXPECT_EQ(DefaultsValue::text("abc").integerValue(), 0);
    EXPECT_EQ(DefaultsValue().integerValue(), 0);
    EXPECT_TRUE(DefaultsValue::integer(3).boolValue());
    EXPECT_FALSE(DefaultsValue::text("abc").boolValue());
    EXPECT_EQ(DefaultsValue::real(37.25).toString(), "37.25");
}

// --- the INI file -----------------------------------------------------------------------

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

TEST_F(SettingsFileTest, TypesSurviveARoundTrip) {
    {
        QtSettingsStore store(path());
        EXPECT_TRUE(store.isPersistent());
        EXPECT_TRUE(store.read("keyWidth").isAbsent());
        EXPECT_TRUE(store.write("keyWidth", DefaultsValue::real(37.25)));
        EXPECT_TRUE(store.write("instrument", DefaultsValue::integer(41)));
        EXPECT_TRUE(store.write("settingsVisible", DefaultsValue::boolean(false)));
        EXPECT_TRUE(store.write("outputMode", DefaultsValue::integer(0)));
    }
    QtSettingsStore again(path());
    EXPECT_EQ(again.read("keyWidth"), DefaultsValue::real(37.25));
    EXPECT_EQ(again.read("instrument"), DefaultsValue::integer(41));
    EXPECT_EQ(again.read("settingsVisible"), DefaultsValue::boolean(false));
    EXPECT_EQ(again.read("outputMode"), DefaultsValue::integer(0));
}

TEST_F(SettingsFileTest, WritesReachTheFileByTheNextFlushAndAreReadAtOnce) {
    testing::ensureQtApplication();
    QtSettingsStore store(path());
    EXPECT_TRUE(store.write("noteOffset", DefaultsValue::real(12.5)));
    EXPECT_EQ(store.read("noteOffset"), DefaultsValue::real(12.5));
    EXPECT_TRUE(store.flush());
    EXPECT_TRUE(readFile().contains("noteOffset=12.5"));
    EXPECT_TRUE(store.write("noteOffset", DefaultsValue::real(13.5)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return readFile().contains("noteOffset=13.5"); },
                                QtSettingsStore::flushDelayMs * 4));
}

TEST_F(SettingsFileTest, HandWrittenValuesAreTyped) {
    writeFile("[General]\noutputMode=7\nsettingsVisible=maybe, later\nnoteOffset=12.5\n");
    QtSettingsStore store(path());
    EXPECT_EQ(store.read("outputMode"), DefaultsValue::integer(7));
    EXPECT_EQ(store.read("settingsVisible"), DefaultsValue::text("maybe, later"));
    EXPECT_EQ(store.read("noteOffset"), DefaultsValue::real(12.5));
}

TEST_F(SettingsFileTest, ACorruptFileIsReportedKeptAndNeverOverwritten) {
    const QByteArray garbage("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18);
    writeFile(garbage);
    ::testing::internal::CaptureStderr();
    QtSettingsStore store(path());
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(store.isPersistent());
    EXPECT_NE(err.find("Tinkella.conf"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_FALSE(store.write("keyWidth", DefaultsValue::real(20.0)));
    EXPECT_EQ(store.read("keyWidth"), DefaultsValue::real(20.0));
    EXPECT_EQ(readFile(), garbage);
}

TEST_F(SettingsFileTest, TextThatIsNoSettingsFileIsReportedAndKept) {
    const QByteArray text("just a shopping list\n[unclosed\n=value without key\n");
    writeFile(text);
    ::testing::internal::CaptureStderr();
    QtSettingsStore store(path());
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(store.isPersistent()) << err;
    store.write("instrument", DefaultsValue::integer(3));
    EXPECT_EQ(readFile(), text);
}

TEST_F(SettingsFileTest, SerialisedObjectsAreRefusedBeforeTheReaderCanAllocateForThem) {
    // The reader would take this stream's sizes at their word and ask for gigabytes.
    const QByteArray crafted("[General]\nkeyWidth=50\n"
                             "noteOffset=@Variant(\\0\\0\\0\\x7f\\xff\\xff\\xff)\n");
    writeFile(crafted);
    ::testing::internal::CaptureStderr();
    QtSettingsStore store(path());
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(store.isPersistent());
    EXPECT_NE(err.find("is not a valid settings file"), std::string::npos) << err;
    EXPECT_TRUE(store.read("keyWidth").isAbsent());
    EXPECT_EQ(readFile(), crafted);
}

TEST_F(SettingsFileTest, AnUnreadableFileIsReportedAndLeftAlone) {
    QDir().mkpath(path()); // a directory where the file should be: opening it fails
    ::testing::internal::CaptureStderr();
    QtSettingsStore store(path());
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(store.isPersistent());
    EXPECT_NE(err.find("cannot be read"), std::string::npos) << err;
    EXPECT_FALSE(store.write("outputMode", DefaultsValue::integer(1)));
    EXPECT_EQ(store.read("outputMode"), DefaultsValue::integer(1));
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

TEST_F(SettingsFileTest, AnUnwritableLocationKeepsChangesInMemoryAndSaysSoOnce) {
    writeFile("");
    const QString blocked = path() + "/Tinkella.conf"; // its parent is a plain file
    QtSettingsStore store(blocked);
    ::testing::internal::CaptureStderr();
    store.write("keyWidth", DefaultsValue::real(30.0));
    EXPECT_FALSE(store.flush());
    EXPECT_FALSE(store.write("keyWidth", DefaultsValue::real(31.0)));
    EXPECT_FALSE(store.flush());
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find("cannot be written"), std::string::npos) << err;
    EXPECT_EQ(store.read("keyWidth"), DefaultsValue::real(31.0));
}

} // namespace
} // namespace tinkella
