#include "hosting/ChordDisplay.h"

#include "model/PianoController.h"

#include <QLabel>
#include <QWidget>

namespace tinkella {

ChordDisplay::ChordDisplay(PianoController& controller, NotificationCenter& center, QWidget& parent)
    : controller_(controller), label_(new QLabel(&parent)) {
    label_->setObjectName(QStringLiteral("chordName"));
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Light on a dark plate: readable over any key colour beneath.
    label_->setStyleSheet(QStringLiteral("QLabel { color: white; background: rgba(0, 0, 0, 170); "
                                         "border-radius: 4px; padding: 2px 8px; "
                                         "font-size: 15px; font-weight: bold; }"));
    label_->move(8, 8);
    label_->hide();
    registration_ = center.addObserver(PressedPianoKeysChanged,
                                       [this](const Notification&) { notesMayHaveChanged(); });
    notes_ = controller_.soundingNotes();
    text_ = chordName(notes_);
}

ChordDisplay::~ChordDisplay() = default;

void ChordDisplay::setShown(bool shown) {
    shown_ = shown;
    refresh();
}

void ChordDisplay::notesMayHaveChanged() {
    const SoundingNotes notes = controller_.soundingNotes();
    if (notes == notes_) {
        return;
    }
    notes_ = notes;
    text_ = chordName(notes_);
    refresh();
}

void ChordDisplay::refresh() {
    const bool visible = shown_ && !text_.empty();
    if (visible) {
        label_->setText(QString::fromStdString(text_));
        label_->adjustSize();
        label_->raise();
    }
    label_->setVisible(visible);
}

} // namespace tinkella
