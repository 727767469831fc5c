#include "app/PerformanceFile.h"

#include "foundation/LogText.h"
#include "foundation/ReplaceFile.h"
#include "foundation/StandardMidiFile.h"
#include "outputs/PerformanceRecorder.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <cstdio>

namespace tinkella::app {

namespace {

void say(const std::string& line) {
    std::fputs(("Tinkella: " + line + "\n").c_str(), stderr);
}

} // namespace

QString savePerformance(const PerformanceRecorder& recorder, const std::string& path) {
    QElapsedTimer timer;
    timer.start();
    const Performance performance = recorder.performance();
    const std::string reason = replaceFile(path, standardMidiFile(performance));
    if (!reason.empty()) {
        say("the last performance was not saved to " + escapedForLog(path) + ": " + reason);
        return QString::fromStdString(reason);
    }
    say("the last performance (" + std::to_string(performance.played.size()) + " played, " +
        std::to_string(performance.received.size()) + " received) saved to " + escapedForLog(path) +
        " in " + std::to_string(timer.elapsed()) + " ms");
    return {};
}

void savePerformanceFromMenu(QWidget* parent) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    const QString name =
        QCoreApplication::translate("PerformanceFile", "Tinkella %1.mid")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm")));
    const QString path = QFileDialog::getSaveFileName(
        parent, QCoreApplication::translate("PerformanceFile", "Save Last Performance"),
        QDir(folder).filePath(name),
        QCoreApplication::translate("PerformanceFile", "MIDI files (*.mid *.midi)"));
    if (path.isEmpty()) {
        return;
    }
    const QString reason =
        savePerformance(PerformanceRecorder::shared(), QFile::encodeName(path).toStdString());
    if (!reason.isEmpty()) {
        QMessageBox::warning(
            parent, QCoreApplication::translate("PerformanceFile", "Save Last Performance"),
            QCoreApplication::translate("PerformanceFile",
                                        "The last performance could not be saved to %1: %2")
                .arg(QDir::toNativeSeparators(path), reason));
    }
}

} // namespace tinkella::app
