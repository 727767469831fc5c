#include "adapters/qt/IniText.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tinkella {
namespace {

std::string readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

TEST(IniText, EveryTextRoundTripsThroughOurWriterAndQSettings) {
    // clang-format off
    const std::vector<std::string> texts{"plain", "two  words", " padded ", "a;b=c#d", "\"quoted\"",
        "back\\slash", "\a\b\f\n\r\t\v", "\001\037\177f", "é ü 音", "[not a section]", ""};
    // clang-format on
    QTemporaryDir dir;
    for (const std::string& text : texts) {
        const std::string ours = ini::update("; kept\n[General]\nother=1\n", {{"k", text}});
        const std::optional<ini::Values> back = ini::parse(ours);
        ASSERT_TRUE(back) << ours;
        EXPECT_EQ(back->at("k"), text) << ours;
        EXPECT_EQ(back->at("other"), "1");
        EXPECT_EQ(ours.rfind("; kept\n", 0), 0u);

        const QString path = dir.filePath("ours.conf");
        std::ofstream(path.toStdString(), std::ios::binary | std::ios::trunc) << ours;
        EXPECT_EQ(QSettings(path, QSettings::IniFormat).value("k").toString().toStdString(), text)
            << ours;

        const QString theirsPath = dir.filePath("theirs.conf");
        QFile::remove(theirsPath);
        {
            QSettings theirs(theirsPath, QSettings::IniFormat);
            theirs.setValue("k", QString::fromStdString(text));
        }
        const std::optional<ini::Values> fromQt = ini::parse(readAll(theirsPath));
        ASSERT_TRUE(fromQt) << readAll(theirsPath);
        EXPECT_EQ(fromQt->at("k"), text) << readAll(theirsPath);
    }
}

} // namespace
} // namespace tinkella
