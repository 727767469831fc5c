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
#include <utility>

namespace tinkella {

namespace {

// A key's rectangle in the y-down coordinates of the view's bounds.
QRect keyRect(const PianoView& view, const PianoKey& key) {
    const Rect shape =
        key.sharp ? view.getBlackDisplayRect(key.x) : view.getWhiteDisplayRect(key.x);
    const double height = view.bounds().size.height;
    return QRectF(shape.origin.x, height - shape.origin.y - shape.size.height, shape.size.width,
                  shape.size.height)
        .toAlignedRect();
}

PianoKey* keyOfNote(const PianoView& view, std::int64_t note) {
    auto& keys = view.controller().keys();
    return note >= 0 && static_cast<std::size_t>(note) < keys.size()
               ? &keys[static_cast<std::size_t>(note)]
               : nullptr;
}

// A piano widget as a keyboard's place: what shows of it is its visible region.
class WidgetPlace final : public KeyboardPlace {
public:
    explicit WidgetPlace(QtPianoWidget& widget) : widget_(widget) {}

    PianoView& pianoView() const override { return widget_.pianoView(); }
    QObject& accessibleObject() override { return widget_; }
    QRect shownRect() const override { return widget_.visibleRegion().boundingRect(); }
    QRect toScreen(const QRect& rect) const override {
        return {widget_.mapToGlobal(rect.topLeft()), rect.size()};
    }
    bool isShown() const override { return widget_.isVisible(); }
    QWindow* window() const override { return widget_.window()->windowHandle(); }

private:
    QtPianoWidget& widget_;
};

// One key: a button without an object of its own, registered with the toolkit's cache by its
// keyboard's accessibility part, which owns it.
class KeyInterface : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    KeyInterface(KeyboardAccessibility& keyboard, std::int64_t note)
        : keyboard_(&keyboard), note_(note) {}

    bool isValid() const override { return keyboard_ != nullptr && key() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return keyboard_ != nullptr ? keyboard_->place().window() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return keyboard_ != nullptr
                   ? QAccessible::queryAccessibleInterface(&keyboard_->place().accessibleObject())
                   : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        const PianoKey* held = key();
        return kind == QAccessible::Name && held != nullptr ? keyboard_->keyName(*held) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const PianoKey* held = key();
        return held != nullptr
                   ? keyboard_->place().toScreen(keyRect(keyboard_->place().pianoView(), *held))
                   : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override {
        QAccessible::State state;
        const PianoKey* held = key();
        if (held == nullptr) {
            state.invalid = true;
            return state;
        }
        const KeyboardPlace& place = keyboard_->place();
        state.pressed = KeyboardAccessibility::isPressed(*held);
        state.invisible = !place.isShown();
        state.offscreen = !place.shownRect().intersects(keyRect(place.pianoView(), *held));
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
            keyboard_->press(*held);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    PianoKey* key() const {
        return keyboard_ != nullptr ? keyOfNote(keyboard_->place().pianoView(), note_) : nullptr;
    }

    QPointer<KeyboardAccessibility> keyboard_;
    const std::int64_t note_;
};

// A piano widget's keyboard: a group of the keys it shows.
class KeyboardInterface : public QAccessibleWidget {
public:
    explicit KeyboardInterface(QtPianoWidget* widget)
        : QAccessibleWidget(widget, QAccessible::Grouping) {
        KeyboardAccessibility::of(*widget);
    }

    int childCount() const override { return keyboard().keyCount(); }
    QAccessibleInterface* child(int index) const override { return keyboard().key(index); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return keyboard().indexOfKey(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override { return keyboard().keyAt({x, y}); }
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
        return kind == QAccessible::Description ? keyboard().rangeText() : QString();
    }

private:
    QtPianoWidget& pianoWidget() const { return *static_cast<QtPianoWidget*>(widget()); }
    KeyboardAccessibility& keyboard() const { return KeyboardAccessibility::of(pianoWidget()); }
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

KeyboardAccessibility::KeyboardAccessibility(KeyboardPlace& place, QObject* parent)
    : QObject(parent), place_(place), announceTimer_(new QTimer(this)),
      pressGenerations_(PianoController::keyCount, 0) {
    setObjectName(QStringLiteral("keyboardAccessibility"));
    announceTimer_->setSingleShot(true);
    announceTimer_->setInterval(announceDelayMs);
    connect(announceTimer_, &QTimer::timeout, this, &KeyboardAccessibility::announceRange);
    place_.accessibleObject().installEventFilter(this);
    for (const PianoKey& key : place_.pianoView().controller().keys()) {
        shownPressed_.set(static_cast<std::size_t>(key.note), isPressed(key));
    }
    announcedRange_ = rangeText();
}

KeyboardAccessibility::~KeyboardAccessibility() {
    for (const auto& [note, key] : keys_) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(key));
    }
    PianoController& controller = place_.pianoView().controller();
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
    if (own == nullptr) {
        auto place = std::make_unique<WidgetPlace>(widget);
        own = new KeyboardAccessibility(*place, &widget);
        own->ownPlace_ = std::move(place);
        connect(&widget, &QtPianoWidget::displayChanged, own,
                &KeyboardAccessibility::displayChanged);
    }
    return *own;
}

std::vector<PianoKey*> KeyboardAccessibility::shownKeys() const {
    // In the piano window only the scrolled-to part shows; the strip shows all it lays out.
    const QRect shown = place_.shownRect();
    std::vector<PianoKey*> keys = place_.pianoView().getVisibleKeys();
    std::erase_if(keys, [&](const PianoKey* key) {
        const QRect rect = keyRect(place_.pianoView(), *key);
        return rect.right() < shown.left() || rect.left() > shown.right();
    });
    return keys;
}

QString KeyboardAccessibility::keyName(const PianoKey& key) const {
    const bool solfege = place_.pianoView().keyLabels() == preferences::KeyLabels::solfege;
    return QString::fromStdString(noteName(key.note, solfege));
}
QAccessibleInterface* KeyboardAccessibility::key(int index) const {
    const std::vector<PianoKey*> shown = shownKeys();
    return index >= 0 && static_cast<std::size_t>(index) < shown.size()
               ? keyInterface(shown[static_cast<std::size_t>(index)]->note)
               : nullptr;
}

int KeyboardAccessibility::indexOfKey(const QAccessibleInterface* key) const {
    const std::vector<PianoKey*> shown = shownKeys();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const auto cached = keys_.find(shown[i]->note);
        if (cached != keys_.end() && cached->second == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

QAccessibleInterface* KeyboardAccessibility::keyAt(QPoint screen) const {
    const QPoint origin = place_.toScreen({}).topLeft();
    const PianoView& view = place_.pianoView();
    const PianoKey* key = view.mouseKeyHitTest(
        {static_cast<double>(screen.x() - origin.x()),
         view.bounds().size.height - static_cast<double>(screen.y() - origin.y())});
    return key != nullptr ? keyInterface(key->note) : nullptr;
}

QAccessibleInterface* KeyboardAccessibility::keyInterface(std::int64_t note) const {
    auto& key = keys_[note];
    if (key == nullptr) {
        key = new KeyInterface(const_cast<KeyboardAccessibility&>(*this), note);
        QAccessible::registerAccessibleInterface(key);
    }
    return key;
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
    PianoController& controller = place_.pianoView().controller();
    key.isPressedByAction = true;
    controller.updatePlayingNotesFromPressedKeys();
    controller.notifyPressedKeysChanged();
    QTimer::singleShot(pressDurationMs, this,
                       [this, note = key.note, generation] { release(note, generation); });
}

void KeyboardAccessibility::release(std::int64_t note, unsigned generation) {
    PianoKey* key = keyOfNote(place_.pianoView(), note);
    if (key == nullptr || pressGenerations_[static_cast<std::size_t>(note)] != generation ||
        !key->isPressedByAction) {
        return;
    }
    key->isPressedByAction = false;
    PianoController& controller = place_.pianoView().controller();
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
    for (const PianoKey* key : shownKeys()) {
        const auto note = static_cast<std::size_t>(key->note);
        const bool pressed = isPressed(*key);
        if (shownPressed_.test(note) == pressed) {
            continue;
        }
        shownPressed_.set(note, pressed);
        QAccessible::State changed;
        changed.pressed = true;
        QAccessibleStateChangeEvent event(keyInterface(key->note), changed);
        QAccessible::updateAccessibility(&event);
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
        QAccessibleEvent description(&place_.accessibleObject(), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&description);
        QAccessibleEvent children(&place_.accessibleObject(), QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&children);
    }
}

} // namespace tinkella
