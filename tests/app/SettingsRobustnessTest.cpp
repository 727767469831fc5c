// Stored settings a careless user or a hostile desktop leaves behind: values far outside their
// range, files that are no files, and hand-edited files with comments.
#include "app/AppHarness.h"
#include "app/RealSlider.h"
#include "adapters/qt/QtSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>

namespace tinkella {
namespace {

using testing::AppHarness;
constexpr double inf = std::numeric_limits<double>::infinity();

template <typename T> std::function<double(const DefaultsValue&)> decoder(const T& setting) {
    return [&setting](const DefaultsValue& v) {
        return static_cast<double>(setting.decode(v));
    };
}

TEST(SettingsTable, EveryStoredValueDecodesIntoItsRange) {
    const auto keyWidth = decoder(preferences::keyWidth);
    const auto noteOffset = decoder(preferences::noteOffset);
    const auto area = decoder(preferences::blackKeyTouchArea);
    const auto instrument = decoder(preferences::instrument);
    const auto mode = decoder(preferences::outputMode);
    const auto visible = decoder(preferences::settingsVisible);
    const auto glissando = decoder(preferences::blackKeyGlissando);
    const struct {
        std::function<double(const DefaultsValue&)> decode;
        DefaultsValue stored;
        double expected;
    } cases[] = {
        {keyWidth, DefaultsValue::real(37.25), 37.25},
        {keyWidth, DefaultsValue::real(1e300), 90.5},
        {keyWidth, DefaultsValue::real(-1e300), 9.5},
        {keyWidth, DefaultsValue::real(5e-324), 9.5},
        {keyWidth, DefaultsValue::real(std::nan("")), 50},
        {keyWidth, DefaultsValue::text("wide"), 50},
        {noteOffset, DefaultsValue::real(-inf), 60},
        {noteOffset, DefaultsValue::real(1e300), 96},
        {noteOffset, DefaultsValue::integer(-3), 0},
        {area, DefaultsValue::real(-1e300), 0},
        {area, DefaultsValue::real(inf), 0.15},
        {instrument, DefaultsValue::integer(41), 41},
        {instrument, DefaultsValue::integer(129), 1},
        {instrument, DefaultsValue::real(5.5), 1},
        {mode, DefaultsValue::integer(1), 1},
        {mode, DefaultsValue::integer(7), 2},
        {mode, DefaultsValue::integer(-1), 2},
        {visible, DefaultsValue::integer(0), 0},
        {visible, DefaultsValue::integer(5), 1},
        {visible, DefaultsValue::text("no thanks"), 1},
        {visible, DefaultsValue(), 1},
        {glissando, DefaultsValue::text("yes"), 1},
        {glissando, DefaultsValue(), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.decode(c.stored), c.expected) << c.stored.toString();
    }
}

// The reported fault: a key width of 1e300 and an offset of -inf drew both keyboards blank,
// and a click played note 0 and never released it.
TEST(SettingsTable, AbsurdStoredValuesReachEveryViewClampedAndStayStored) {
    AppHarness app({{"keyWidth", DefaultsValue::real(1e300)},
                    {"noteOffset", DefaultsValue::real(-inf)},
                    {"blackKeyTouchArea", DefaultsValue::real(-1e300)}});
    app.launch();
    if (!app.hasDoubles()) {
        GTEST_SKIP() << "needs a process of its own (ctest runs it so)";
    }
    EXPECT_EQ(app.stripView().keyWidth(), 90.5);
    EXPECT_EQ(app.stripView().noteOffset(), 60.0F);
    EXPECT_EQ(app.stripView().blackKeyTouchArea(), 0.0);
    EXPECT_EQ(app.piano().keyWidth(), (std::ceil(0.6 * 90.5 + 20) - 20) / 0.6);
    EXPECT_EQ(app.settings().keyWidthSlider()->realValue(), 90.5);
    QtPianoWidget* window = app.windowKeys();
    QTest::mousePress(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, 60));
    EXPECT_TRUE(app.key(60).playing);
    QTest::mouseRelease(window, Qt::LeftButton, {}, AppHarness::keyPoint(*window, 60));
    for (const PianoKey& key : PianoController::sharedInstance().keys()) {
        EXPECT_FALSE(key.playing) << key.note;
    }
    EXPECT_EQ(app.store().read("keyWidth"), DefaultsValue::real(1e300));
    EXPECT_EQ(app.store().read("noteOffset"), DefaultsValue::real(-inf));
}

class HostileSettingsFileTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("Tinkella.conf"); }
    QByteArray contents() const {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

// Each must be refused at once (a FIFO used to block the open forever, /dev/zero to eat all
// memory), with one line, and left as it is.
TEST_F(HostileSettingsFileTest, ANonRegularOrHugeFileIsRefusedAndLeftAlone) {
    const struct {
        const char* what;
        std::function<void(const QString&)> make;
        const char* reason;
    } cases[] = {
        {"fifo", [](const QString& p) { ::mkfifo(QFile::encodeName(p).constData(), 0600); },
         "is not a regular file"},
        {"link to /dev/zero", [](const QString& p) { QFile::link("/dev/zero", p); },
         "is not a regular file"},
        {"2 MiB file",
         [](const QString& p) {
             QFile f(p);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             f.write("[General]\n");
             f.write(QByteArray(2 * 1024 * 1024, '#'));
         },
         "is larger than 1 MiB"},
    };
    for (const auto& c : cases) {
        QFile::remove(path());
        c.make(path());
        const QFileInfo before(path());
        ::testing::internal::CaptureStderr();
        {
            QtSettingsStore store(path());
            EXPECT_FALSE(store.isPersistent()) << c.what;
            EXPECT_FALSE(store.write("keyWidth", DefaultsValue::real(20.0)));
            EXPECT_EQ(store.read("keyWidth"), DefaultsValue::real(20.0));
        }
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << c.what << ": " << err;
        EXPECT_NE(err.find(c.reason), std::string::npos) << c.what << ": " << err;
        const QFileInfo after(path());
        EXPECT_EQ(after.isSymLink(), before.isSymLink()) << c.what;
        EXPECT_EQ(after.isFile(), before.isFile()) << c.what;
        EXPECT_EQ(after.lastModified(), before.lastModified()) << c.what;
    }
}

TEST_F(HostileSettingsFileTest, CommentsAndTheUsersOwnValuesSurviveAWrite) {
    {
        // A file as an earlier version wrote it through QSettings, then edited by hand.
        QSettings earlier(path(), QSettings::IniFormat);
        earlier.setValue("keyboard", "AdnQywADAAAAAAGA/+=");
        earlier.setValue("keyWidth", "37.25");
    }
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("# chosen by hand\n; for the small screen\nnoteOffset = 12.50\n");
    file.close();
    const QByteArray handWritten = contents();

    QtSettingsStore store(path());
    ASSERT_TRUE(store.isPersistent());
    EXPECT_EQ(store.read("keyboard"), DefaultsValue::text("AdnQywADAAAAAAGA/+="));
    EXPECT_EQ(store.read("noteOffset"), DefaultsValue::real(12.5));
    store.write("keyWidth", DefaultsValue::real(40.5));
    store.write("instrument", DefaultsValue::integer(41));
    ASSERT_TRUE(store.flush());

    QByteArray expected = handWritten;
    expected.replace("keyWidth=37.25\n", "keyWidth=40.5\n");
    expected.replace("noteOffset = 12.50\n", "noteOffset = 12.50\ninstrument=41\n");
    EXPECT_EQ(contents().toStdString(), expected.toStdString());
    QtSettingsStore again(path());
    EXPECT_EQ(again.read("keyboard"), DefaultsValue::text("AdnQywADAAAAAAGA/+="));
    EXPECT_EQ(again.read("keyWidth"), DefaultsValue::real(40.5));
    EXPECT_EQ(again.read("instrument"), DefaultsValue::integer(41));
}

} // namespace
} // namespace tinkella
