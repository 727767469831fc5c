#include "hosting/ShellStripAccessibility.h"

#include "view/PianoView.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QCoreApplication>

namespace tinkella {

namespace {

// The strip: a window of the keys it shows.
class StripInterface : public QAccessibleObject {
public:
    explicit StripInterface(ShellStripAccessibility* strip) : QAccessibleObject(strip) {}

    QWindow* window() const override { return &strip(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(QCoreApplication::instance());
    }
    int childCount() const override { return strip().keyboard().keyCount(); }
    QAccessibleInterface* child(int index) const override { return strip().keyboard().key(index); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return strip().keyboard().indexOfKey(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return strip().keyboard().keyAt({x, y});
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return QCoreApplication::translate("KeyboardAccessibility", "Touch strip keyboard");
        }
        return kind == QAccessible::Description ? strip().keyboard().rangeText() : QString();
    }
    QRect rect() const override { return strip().toScreen(strip().shownRect()); }
    QAccessible::Role role() const override { return QAccessible::Window; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !strip().isShown();
        return state;
    }

private:
    ShellStripAccessibility& strip() const {
        return *static_cast<ShellStripAccessibility*>(object());
    }
};

QAccessibleInterface* stripFactory(const QString& className, QObject* object) {
    return className == QLatin1String(ShellStripAccessibility::staticMetaObject.className())
               ? new StripInterface(static_cast<ShellStripAccessibility*>(object))
               : nullptr;
}

} // namespace

ShellStripAccessibility::ShellStripAccessibility(PianoView& view) : view_(view), keyboard_(*this) {
    static const bool installed = [] {
        QAccessible::installFactory(stripFactory);
        return true;
    }();
    (void)installed;
}

ShellStripAccessibility::~ShellStripAccessibility() = default;

void ShellStripAccessibility::setShown(bool shown) {
    shown_ = shown;
    keyboard_.displayChanged();
}

QAccessibleInterface* ShellStripAccessibility::accessibleRoot() const {
    return QAccessible::queryAccessibleInterface(const_cast<ShellStripAccessibility*>(this));
}

QRect ShellStripAccessibility::shownRect() const {
    const Size size = view_.bounds().size;
    return shown_ ? QRect(0, 0, static_cast<int>(size.width), static_cast<int>(size.height))
                  : QRect();
}

} // namespace tinkella
