#include "hosting/KeyboardAccessibility.h"

#include "hosting/QtPianoWidget.h"
#include "model/NoteNames.h"
#include "model/PianoController.h"
#include "view/PianoView.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <map>
#include <utility>

namespace tinkella {

namespace {

// A key's rectangle in widget coordinates (y down).
QRect keyRect(const QtPianoWidget& widget, const PianoKey& key) {
    const PianoView& view = widget.pianoView();
    const Rect shape =
        key.sharp ? view.getBlackDisplayRect(key.x) : view.getWhiteDisplayRect(key.x);
    const double height = widget.height();
    return QRectF(shape.origin.x, height - shape.origin.y - shape.size.height, shape.size.width,
                  shape.size.height)
        .toAlignedRect();
}

PianoKey* keyOfNote(const QtPianoWidget& widget, std::int64_t note) {
    auto& keys = widget.pianoView().controller().keys();
    return note >= 0 && static_cast<std::size_t>(note) < keys.size()
               ? &keys[static_cast<std::size_t>(note)]
               : nullptr;
}

// One key: a button without an object of its own, registered with the toolkit's cache by the
// keyboard's interface, which owns it.
class KeyInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    KeyInterface(QtPianoWidget& widget, std::int64_t note) : widget_(&widget), note_(note) {}

    bool isValid() const override { return widget_ != nullptr && key() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return widget_ != nullptr ? widget_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(widget_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        const PianoKey* held = key();
        return kind == QAccessible::Name && held != nullptr
                   ? KeyboardAccessibility::of(*widget_).keyName(*held)
                   : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const PianoKey* held = key();
        if (held == nullptr) {
            return {};
        }
        const QRect local = keyRect(*widget_, *held);
        return {widget_->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State state;
        const PianoKey* held = key();
        if (held == nullptr) {
            state.invalid = true;
            return state;
        }
        state.pressed = KeyboardAccessibility::isPressed(*held);
        state.invisible = !widget_->isVisible();
        state.offscreen = !widget_->visibleRegion().intersects(keyRect(*widget_, *held));
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        PianoKey* held = key();
        if (name == pressAction() && held != nullptr) {
            KeyboardAccessibility::of(*widget_).press(*held);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    PianoKey* key() const { return widget_ != nullptr ? keyOfNote(*widget_, note_) : nullptr; }

    QPointer<QtPianoWidget> widget_;
    const std::int64_t note_;
};

// The keyboard: a group of the keys it shows.
class KeyboardInterface : public QAccessibleWidget {
public:
    explicit KeyboardInterface(QtPianoWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Grouping) {
        KeyboardAccessibility::of(*widget);
    }
    ~KeyboardInterface() override {
        for (const auto& [note, key] : keys_) {
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(key));
        }
    }
    KeyboardInterface(const KeyboardInterface&) = delete;
    KeyboardInterface& operator=(const KeyboardInterface&) = delete;

    int childCount() const override { return static_cast<int>(accessibility().shownKeys().size()); }
    QAccessibleInterface* child(int index) const override {
        const std::vector<PianoKey*> shown = accessibility().shownKeys();
        return index >= 0 && static_cast<std::size_t>(index) < shown.size()
                   ? keyInterface(shown[static_cast<std::size_t>(index)]->note)
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const std::vector<PianoKey*> shown = accessibility().shownKeys();
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const auto cached = keys_.find(shown[i]->note);
            if (cached != keys_.end() && cached->second == child) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = pianoWidget().mapFromGlobal(QPoint(x, y));
        const PianoKey* key = pianoWidget().pianoView().mouseKeyHitTest(
            {static_cast<double>(local.x()),
             static_cast<double>(pianoWidget().height() - local.y())});
        return key != nullptr ? keyInterface(key->note) : nullptr;
    }
    QString text(QAccessible::Text kind) const override {
        const QString own = QAccessibleWidget::text(kind);
        if (!own.isEmpty()) {
            return own;
        }
        if (kind == QAccessible::Name) {
            return pianoWidget().mouseMode() == QtPianoWidget::MouseMode::playsKeys
                       ? QCoreApplication::translate("KeyboardAccessibility", "Piano keyboard")
                       : QCoreApplication::translate("KeyboardAccessibility",
                                                     "Touch strip keyboard");
        }
        return kind == QAccessible::Description ? accessibility().rangeText() : QString();
    }

private:
    QtPianoWidget& pianoWidget() const { return *static_cast<QtPianoWidget*>(widget()); }
    KeyboardAccessibility& accessibility() const {
        return KeyboardAccessibility::of(pianoWidget());
    }
    QAccessibleInterface* keyInterface(std::int64_t note) const {
        auto& key = keys_[note];
        if (key == nullptr) {
            key = new KeyInterface(pianoWidget(), note);
            QAccessible::registerAccessibleInterface(key);
        }
        return key;
    }

    mutable std::map<std::int64_t, KeyInterface*> keys_;
};

QAccessibleInterface* keyboardFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(QtPianoWidget::staticMetaObject.className()) &&
        object != nullptr && object->isWidgetType()) {
        return new KeyboardInterface(static_cast<QtPianoWidget*>(object));
    }
    return nullptr;
}

} // namespace

void installKeyboardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(keyboardFactory);
        return true;
    }();
    (void)installed;
}

KeyboardAccessibility::KeyboardAccessibility(QtPianoWidget& widget)
    : QObject(&widget), widget_(widget), announceTimer_(new QTimer(this)),
      pressGenerations_(PianoController::keyCount, 0) {
    setObjectName(QStringLiteral("keyboardAccessibility"));
    announceTimer_->setSingleShot(true);
    announceTimer_->setInterval(announceDelayMs);
    connect(announceTimer_, &QTimer::timeout, this, &KeyboardAccessibility::announceRange);
    connect(&widget_, &QtPianoWidget::displayChanged, this, &KeyboardAccessibility::displayChanged);
    widget_.installEventFilter(this);
    for (const PianoKey& key : widget_.pianoView().controller().keys()) {
        shownPressed_.set(static_cast<std::size_t>(key.note), isPressed(key));
    }
    announcedRange_ = rangeText();
}

KeyboardAccessibility::~KeyboardAccessibility() {
    PianoController& controller = widget_.pianoView().controller();
    bool released = false;
    for (PianoKey& key : controller.keys()) {
        released = std::exchange(key.isPressedByAction, false) || released;
    }
    if (released) {
        controller.updatePlayingNotesFromPressedKeys();
        controller.notifyPressedKeysChanged();
    }
}

KeyboardAccessibility& KeyboardAccessibility::of(QtPianoWidget& widget) {
    auto* own = widget.findChild<KeyboardAccessibility*>(QStringLiteral("keyboardAccessibility"),
                                                         Qt::FindDirectChildrenOnly);
    return own != nullptr ? *own : *new KeyboardAccessibility(widget);
}

std::vector<PianoKey*> KeyboardAccessibility::shownKeys() const {
    // In the piano window only the scrolled-to part shows; the strip shows all it lays out.
    const QRect shown = widget_.visibleRegion().boundingRect();
    std::vector<PianoKey*> keys = widget_.pianoView().getVisibleKeys();
    std::erase_if(keys, [&](const PianoKey* key) {
        const QRect rect = keyRect(widget_, *key);
        return rect.right() < shown.left() || rect.left() > shown.right();
    });
    return keys;
}

QString KeyboardAccessibility::keyName(const PianoKey& key) const {
    const bool solfege = widget_.pianoView().keyLabels() == preferences::KeyLabels::solfege;
    return QString::fromStdString(noteName(key.note, solfege));
}

bool KeyboardAccessibility::isPressed(const PianoKey& key) {
    return key.isPressed() || key.isHeldByMidiIn;
}

QString KeyboardAccessibility::rangeText() const {
    const std::vector<PianoKey*> keys = shownKeys();
    if (keys.empty()) {
        return {};
    }
    return QCoreApplication::translate("KeyboardAccessibility", "%1 to %2")
        .arg(keyName(*keys.front()), keyName(*keys.back()));
}

void KeyboardAccessibility::press(PianoKey& key) {
    const auto note = static_cast<std::size_t>(key.note);
    const unsigned generation = ++pressGenerations_[note];
    PianoController& controller = widget_.pianoView().controller();
    key.isPressedByAction = true;
    controller.updatePlayingNotesFromPressedKeys();
    controller.notifyPressedKeysChanged();
    QTimer::singleShot(pressDurationMs, this,
                       [this, note = key.note, generation] { release(note, generation); });
}

void KeyboardAccessibility::release(std::int64_t note, unsigned generation) {
    PianoKey* key = keyOfNote(widget_, note);
    if (key == nullptr || pressGenerations_[static_cast<std::size_t>(note)] != generation ||
        !key->isPressedByAction) {
        return;
    }
    key->isPressedByAction = false;
    PianoController& controller = widget_.pianoView().controller();
    controller.updatePlayingNotesFromPressedKeys();
    controller.notifyPressedKeysChanged();
}

bool KeyboardAccessibility::eventFilter(QObject* watched, QEvent* event) {
    // The scroll area scrolls by moving the keyboard; a resize changes what fits.
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
        announceTimer_->start();
    }
    return QObject::eventFilter(watched, event);
}

void KeyboardAccessibility::displayChanged() {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* keyboard = QAccessible::queryAccessibleInterface(&widget_);
    const std::vector<PianoKey*> shown = shownKeys();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto note = static_cast<std::size_t>(shown[i]->note);
        const bool pressed = isPressed(*shown[i]);
        if (shownPressed_.test(note) == pressed) {
            continue;
        }
        shownPressed_.set(note, pressed);
        if (QAccessibleInterface* key = keyboard->child(static_cast<int>(i))) {
            QAccessible::State changed;
            changed.pressed = true;
            QAccessibleStateChangeEvent event(key, changed);
            QAccessible::updateAccessibility(&event);
        }
    }
    announceTimer_->start();
}

void KeyboardAccessibility::announceRange() {
    const QString range = rangeText();
    if (range == announcedRange_) {
        return;
    }
    announcedRange_ = range;
    if (QAccessible::isActive()) {
        QAccessibleEvent description(&widget_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&description);
        QAccessibleEvent children(&widget_, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&children);
    }
}

} // namespace tinkella
