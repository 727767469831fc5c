#include "app/SoundFontChooser.h"

#include "foundation/LogText.h"
#include "model/PianoController.h"
#include "model/Preferences.h"
#include "outputs/SoundController.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <cstdio>

namespace tinkella::app {

namespace {

// The pop-up's last item, which opens the file dialog; its data is invalid.
constexpr int otherItemOffset = 1;

} // namespace

SoundFontChooser::SoundFontChooser(DefaultsController& defaults, PianoController& piano,
                                   QObject* parent)
    : QObject(parent), defaults_(defaults), piano_(piano), popUp_(new QComboBox),
      status_(new QLabel) {
    status_->setTextInteractionFlags(Qt::NoTextInteraction);
    status_->setForegroundRole(QPalette::PlaceholderText);
    connect(popUp_, &QComboBox::activated, this, &SoundFontChooser::activated);
    refill({});
}

void SoundFontChooser::refill(const std::string& shown) {
    const QSignalBlocker blocker(popUp_);
    popUp_->clear();
    popUp_->addItem(tr("System GM font"), QString());
    if (!shown.empty()) {
        const QString path = QString::fromStdString(shown);
        popUp_->addItem(QFileInfo(path).fileName(), path);
        popUp_->setItemData(1, path, Qt::ToolTipRole);
    }
    popUp_->addItem(tr("Other…"));
    popUp_->setCurrentIndex(shown.empty() ? 0 : 1);
}

void SoundFontChooser::report(const std::string& path, const std::string& error,
                              const char* outcome, const QString& shortOutcome) {
    const std::string line = error + "; " + outcome;
    std::fputs(("Tinkella: " + escapedForLog(line) + "\n").c_str(), stderr);
    // The panel names the file alone; the tooltip has the whole line.
    QString text = QString::fromStdString(error);
    text.remove(QRegularExpression(QStringLiteral("^the sound font ")));
    if (!path.empty()) {
        const QString file = QString::fromStdString(path);
        text.replace(file, QFileInfo(file).fileName());
    }
    text = text + QStringLiteral(" — ") + shortOutcome;
    status_->setText(status_->fontMetrics().elidedText(text, Qt::ElideRight, status_->width()));
    status_->setToolTip(QString::fromStdString(line));
}

void SoundFontChooser::loadStoredChoice() {
    const std::string stored = preferences::read(defaults_, preferences::soundFont);
    refill(stored);
    if (!stored.empty() && piano_.soundController().isPending()) {
        piano_.soundController().whenAttached([chooser = QPointer(this)] {
            if (chooser) {
                chooser->loadStoredChoice();
            }
        });
        return;
    }
    if (stored.empty() || piano_.soundController().synthUnit() == nullptr) {
        return;
    }
    piano_.soundController().loadSoundFont(
        stored, [chooser = QPointer(this), stored](const std::string& error) {
            if (chooser) {
                chooser->storedLoaded(stored, error);
            }
        });
}

void SoundFontChooser::storedLoaded(const std::string& stored, const std::string& error) {
    if (!error.empty()) {
        report(stored, error, "the system's General MIDI font plays, and the choice stays stored",
               tr("system GM font plays"));
        return;
    }
    current_ = stored;
    // Keys held while the synthesiser was opening sound again in the chosen font.
    piano_.redoPlayingNotes();
}

void SoundFontChooser::choose(const std::string& path) {
    piano_.soundController().loadSoundFont(
        path, [chooser = QPointer(this), path](const std::string& error) {
            if (chooser) {
                chooser->chosenLoaded(path, error);
            }
        });
}

void SoundFontChooser::chosenLoaded(const std::string& path, const std::string& error) {
    if (!error.empty()) {
        report(path, error, "the sound font in use stays", tr("font in use kept"));
        refill(preferences::read(defaults_, preferences::soundFont));
        return;
    }
    current_ = path;
    defaults_.setObject(DefaultsValue::text(path), preferences::soundFont);
    status_->clear();
    status_->setToolTip({});
    refill(path);
    piano_.redoPlayingNotes();
}

void SoundFontChooser::activated(int index) {
    if (index < popUp_->count() - otherItemOffset) {
        choose(popUp_->itemData(index).toString().toStdString());
        return;
    }
    const QString start = current_.empty() ? QStringLiteral("/usr/share/sounds/sf2")
                                           : QFileInfo(QString::fromStdString(current_)).path();
    const QString path = QFileDialog::getOpenFileName(popUp_->window(), tr("Choose a Sound Font"),
                                                      start, tr("Sound fonts (*.sf2 *.sf3)"));
    if (path.isEmpty()) {
        refill(preferences::read(defaults_, preferences::soundFont));
        return;
    }
    choose(path.toStdString());
}

} // namespace tinkella::app
