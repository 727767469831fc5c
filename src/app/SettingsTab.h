#pragma once

#include "foundation/DefaultsController.h"
#include "model/Preferences.h"

#include <QObject>
#include <QString>
#include <vector>

class QCheckBox;
class QSpinBox;
class QWidget;

namespace tinkella::app {

// One tab of the settings panel: a title and a page of controls, each control showing its stored
// setting and writing the user's changes to it, bound from the moment the tab is made. The
// panel lays the page out under its tab bar and owns it from then on. A new tab is a class like
// this and one line in WindowController's list of tabs. Main thread only.
class SettingsTab : public QObject {
    Q_OBJECT

public:
    // The page's column: width and the height of a labelled row, in points.
    static constexpr int columnWidth = 344;
    static constexpr int rowHeight = 26;
    // Between a wrapped title and its control.
    static constexpr int titleGap = 6;

    using QObject::QObject;

    // The tab's title, translated.
    virtual QString title() const = 0;
    virtual QWidget* page() const = 0;
    // Where the keyboard focus starts when the panel opens on this tab; null: Qt's choice.
    virtual QWidget* firstControl() const { return nullptr; }

    // What a screen reader says of a control: its name (the words beside it or on it) and what
    // it does. Every control of the panel goes through here (makeRow does for its rows), so none
    // is left unnamed.
    static void describe(QWidget* control, const QString& name, const QString& description);
    // Tab and Shift+Tab visit the controls in this order, their order on the page (top to
    // bottom, left to right).
    static void setTabOrder(const std::vector<QWidget*>& controls);

protected:
    // A row of the column: label at the left edge, control at the right edge with its width
    // fixed, in the regular system font. The label names the control (describe()) and is its
    // buddy.
    static QWidget* makeRow(const QString& label, QWidget* control, int width,
                            const QString& description = {});
    // The control shows the setting's decoded value and writes the user's changes to it; a spin
    // box takes the setting's range.
    DefaultsBinding bindCheckbox(DefaultsController& defaults, QCheckBox* checkbox,
                                 const preferences::Setting<bool>& setting);
    DefaultsBinding bindField(DefaultsController& defaults, QSpinBox* field,
                              const preferences::Setting<int>& setting);
};

} // namespace tinkella::app
