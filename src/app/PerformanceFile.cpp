#include "app/PerformanceFile.h"

#include "foundation/StandardMidiFile.h"
#include "outputs/PerformanceRecorder.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>

namespace tinkella::app {

namespace {

void say(const QString& line) {
    std::fputs(("Tinkella: " + line + "\n").toLocal8Bit().constData(), stderr);
}

} // namespace

QString savePerformance(const PerformanceRecorder& recorder, const QString& path) {
    QElapsedTimer timer;
    timer.start();
    const Performance performance = recorder.performance();
    const std::string bytes = standardMidiFile(performance);
    QSaveFile file(path);
    QString reason;
    if (path.isEmpty()) {
        reason = QStringLiteral("no file name given");
    } else if (!file.open(QIODevice::WriteOnly) ||
               file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                   static_cast<qint64>(bytes.size()) ||
               !file.commit()) {
        reason = file.errorString();
    }
    if (!reason.isEmpty()) {
        say(QStringLiteral("the last performance was not saved to %1: %2").arg(path, reason));
        return reason;
    }
    say(QStringLiteral("the last performance (%1 played, %2 received) saved to %3 in %4 ms")
            .arg(performance.played.size())
            .arg(performance.received.size())
            .arg(path)
            .arg(timer.elapsed()));
    return {};
}

void savePerformanceFromMenu(QWidget* parent) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    const QString name =
        QStringLiteral("Tinkella %1.mid")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm")));
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Save Last Performance"), QDir(folder).filePath(name),
        QStringLiteral("MIDI files (*.mid *.midi)"));
    if (path.isEmpty()) {
        return;
    }
    const QString reason = savePerformance(PerformanceRecorder::shared(), path);
    if (!reason.isEmpty()) {
        QMessageBox::warning(parent, QStringLiteral("Save Last Performance"),
                             QStringLiteral("The last performance could not be saved to %1: %2")
                                 .arg(QDir::toNativeSeparators(path), reason));
    }
}

} // namespace tinkella::app
