// The stored settings: bindings under re-entrant use, the decoding rules, and the INI store's
// handling of types, comments and of files it cannot or must not use.
#include "model/Preferences.h"

#include "adapters/qt/QtSettingsStore.h"
#include "app/KeyboardAidsGroup.h"
#include "foundation/DefaultsController.h"
#include "support/QtTestApplication.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>

namespace tinkella {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

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
        EXPECT_EQ(store.writeCount(), 2u); // the store goes with the replacement below
        defaults.replaceStore(std::make_unique<InMemoryDefaultsStore>(
            DefaultsController::Defaults{{"noteOffset", DefaultsValue::real(20.0)}}));
        EXPECT_EQ(seen.back(), 20.0);
        outlives = defaults.bind("values.keyWidth", [](const DefaultsValue&) {});
    }
    outlives.reset();
}

// The keyboard group shows stored values clamped (or the default) and stores picks by name.
TEST(Preferences, TheKeyboardGroupShowsClampedChoicesAndStoresPicksByName) {
    testing::ensureQtApplication();
    using V = DefaultsValue;
    DefaultsController defaults(std::make_unique<InMemoryDefaultsStore>(
        DefaultsController::Defaults{{"keyLabels", V::text("solfege")},
                                     {"transpose", V::integer(99)},
                                     {"scale", V::text("lydian")},
                                     {"scaleRoot", V::real(-3.0)},
                                     {"showChord", V::boolean(true)}}));
    app::KeyboardAidsGroup group(defaults);
    EXPECT_EQ(std::make_tuple(group.keyLabelsPopUp()->currentIndex(),
                              group.transposeField()->value(), group.scalePopUp()->currentIndex(),
                              group.scaleRootPopUp()->currentIndex(),
                              group.chordCheckbox()->isChecked()),
              std::make_tuple(3, 24, 0, 0, true));
    group.keyLabelsPopUp()->activated(2);
    group.scalePopUp()->activated(9);
    group.scaleRootPopUp()->activated(7);
    group.transposeField()->setValue(-5);
    group.chordCheckbox()->click();
    const std::pair<const char*, V> stored[] = {{"keyLabels", V::text("all")},
                                                {"scale", V::text("blues")},
                                                {"scaleRoot", V::integer(7)},
                                                {"transpose", V::integer(-5)},
                                                {"showChord", V::boolean(false)}};
    for (const auto& [key, value] : stored) {
        EXPECT_EQ(defaults.objectForKey(key), value) << key;
    }
}

TEST(Preferences, StoredValuesConvertAndSaturate) {
    using V = DefaultsValue;
    EXPECT_EQ(V::parse("99999999999999999999").kind(), V::Kind::real);
    EXPECT_EQ(V::real(1e300).integerValue(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(V::real(-1e300).integerValue(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(V::real(std::nan("")).integerValue(), 0);
    EXPECT_EQ(V::text("+12").integerValue(), 12);
    EXPECT_EQ(V::text("oboe").integerValue() + V::text("oboe").realValue(), 0);
    EXPECT_EQ(V::text("2.5").realValue() + V::boolean(true).integerValue(), 3.5);
    EXPECT_TRUE(V::text("yes").boolValue() && !V::text("0").boolValue());
    EXPECT_EQ(V::boolean(false).toString() + V::real(0.5).toString() + V().toString(), "false0.5");
}

template <typename T> std::function<double(const DefaultsValue&)> decoder(const T& setting) {
    return [&setting](const DefaultsValue& v) {
        return static_cast<double>(setting.decode(v));
    };
}

// With the odd values the launch table starts from, every stored value decodes into its range.
TEST(Preferences, EveryStoredValueDecodesIntoItsRange) {
    const auto keyWidth = decoder(preferences::keyWidth);
    const auto noteOffset = decoder(preferences::noteOffset);
    const auto area = decoder(preferences::blackKeyTouchArea);
    const auto instrument = decoder(preferences::instrument);
    const auto visible = decoder(preferences::settingsVisible);
    const auto glissando = decoder(preferences::blackKeyGlissando);
    const auto transpose = decoder(preferences::transpose);
    const struct {
        std::function<double(const DefaultsValue&)> decode;
        DefaultsValue stored;
        double expected;
    } cases[] = {
        {keyWidth, DefaultsValue::real(5e-324), 9.5},
        {noteOffset, DefaultsValue::real(1e300), 96},
        {noteOffset, DefaultsValue::integer(-3), 0},
        {noteOffset, DefaultsValue::real(-std::nan("")), 60},
        {area, DefaultsValue::real(-1e300), 0},
        {area, DefaultsValue::real(inf), 0.15},
        {instrument, DefaultsValue::real(5.5), 1},
        {instrument, DefaultsValue::integer(129), 1},
        {visible, DefaultsValue::integer(0), 0},
        {visible, DefaultsValue::text("no thanks"), 1},
        {glissando, DefaultsValue::text("yes"), 1},
        {transpose, DefaultsValue::integer(99), 24},

        {decoder(preferences::midiChannel), DefaultsValue::integer(0), 1},
        {decoder(preferences::midiChannel), DefaultsValue::real(16.6), 16},
        {decoder(preferences::velocity), DefaultsValue::integer(-5), 1},
        {decoder(preferences::bank), DefaultsValue::integer(99999), 16383},
        {decoder(preferences::bendRange), DefaultsValue::integer(48), 24},
        // A knob never takes the pedal, a parameter number or bank select: its own default.
        {decoder(preferences::knobControllers[0]), DefaultsValue::integer(64), 7},
        {decoder(preferences::knobControllers[1]), DefaultsValue::integer(100), 10},
        {decoder(preferences::knobControllers[2]), DefaultsValue::integer(32), 11},
        {decoder(preferences::knobControllers[3]), DefaultsValue::integer(95), 95},
        {decoder(preferences::knobValues[0]), DefaultsValue::integer(200), 127},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.decode(c.stored), c.expected) << c.stored.toString();
    }
}

class SettingsFileTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("Tinkella.conf"); }
    void writeFile(const QByteArray& bytes) {
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

// Values keep their types, hand-written values are typed, and comments and values of an
// earlier version survive a write; a change not flushed reaches the file after a pause.
TEST_F(SettingsFileTest, TypesCommentsAndTheUsersOwnValuesSurviveAWrite) {
    testing::ensureQtApplication();
    {
        QSettings earlier(path(), QSettings::IniFormat);
        earlier.setValue("keyboard", "AdnQywADAAAAAAGA/+=");
        earlier.setValue("keyWidth", "37.25");
    }
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("# chosen by hand\n; for the small screen\nnoteOffset = 12.50\noutputMode=7\n"
               "settingsVisible=maybe, later\n");
    file.close();
    const QByteArray handWritten = readFile();
    {
        QtSettingsStore store(path());
        ASSERT_TRUE(store.isPersistent());
        EXPECT_EQ(store.read("keyboard"), DefaultsValue::text("AdnQywADAAAAAAGA/+="));
        EXPECT_EQ(store.read("noteOffset"), DefaultsValue::real(12.5));
        EXPECT_EQ(store.read("outputMode"), DefaultsValue::integer(7));
        EXPECT_EQ(store.read("settingsVisible"), DefaultsValue::text("maybe, later"));
        store.write("keyWidth", DefaultsValue::real(40.5));
        store.write("instrument", DefaultsValue::integer(41));
        ASSERT_TRUE(store.flush());
        QByteArray expected = handWritten;
        expected.replace("keyWidth=37.25\n", "keyWidth=40.5\n");
        expected.replace("maybe, later\n", "maybe, later\ninstrument=41\n");
        EXPECT_EQ(readFile().toStdString(), expected.toStdString());
        EXPECT_TRUE(store.write("blackKeyGlissando", DefaultsValue::boolean(false)));
        EXPECT_TRUE(QTest::qWaitFor([&] { return readFile().contains("blackKeyGlissando"); },
                                    QtSettingsStore::flushDelayMs * 4));
    }
    EXPECT_EQ(QtSettingsStore(path()).read("blackKeyGlissando"), DefaultsValue::boolean(false));
}

// A file that cannot be used is refused at once (a FIFO used to block the open forever,
// /dev/zero to eat all memory), reported in one line and left as it is; the session's changes
// are kept in memory.
TEST_F(SettingsFileTest, AnUnusableFileIsReportedOnceKeptAndNeverOverwritten) {
    const auto bytes = [this](QByteArray b) {
        return [this, b] {
            writeFile(b);
        };
    };
    const struct {
        std::function<void()> make;
        const char* said;
    } cases[] = {
        {bytes(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe", 18)), "Tinkella.conf"},
        // The reader would take this stream's sizes at their word and ask for gigabytes.
        {bytes("[General]\nnoteOffset=@Variant(\\0\\0\\0\\x7f\\xff\\xff\\xff)\n"),
         "is not a valid settings file"},
        {bytes("[General]\n" + QByteArray(2 * 1024 * 1024, '#')), "is larger than 1 MiB"},
        {[this] { QDir().mkpath(path()); }, "cannot be read"},
        {[this] { ::mkfifo(QFile::encodeName(path()).constData(), 0600); },
         "is not a regular file"},
        {[this] { QFile::link("/dev/zero", path()); }, "is not a regular file"},
    };
    for (const auto& c : cases) {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        c.make();
        const QFileInfo before(path());
        const QByteArray contents = before.isFile() && !before.isSymLink() ? readFile() : "";
        ::testing::internal::CaptureStderr();
        {
            QtSettingsStore store(path());
            EXPECT_FALSE(store.write("keyWidth", DefaultsValue::real(20.0)));
            EXPECT_FALSE(store.isPersistent()) << c.said;
            EXPECT_EQ(store.read("keyWidth"), DefaultsValue::real(20.0));
        }
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find(c.said), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        const QFileInfo after(path());
        EXPECT_EQ(after.isSymLink(), before.isSymLink()) << c.said;
        EXPECT_EQ(after.isFile(), before.isFile()) << c.said;
        EXPECT_EQ(after.lastModified(), before.lastModified()) << c.said;
        if (!contents.isEmpty()) {
            EXPECT_EQ(readFile(), contents);
        }
    }
}

} // namespace
} // namespace tinkella
