#pragma once

#include "foundation/DefaultsController.h"
#include "model/Preferences.h"

#include <QObject>
#include <QString>

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

    using QObject::QObject;

    // The tab's title, translated.
    virtual QString title() const = 0;
    virtual QWidget* page() const = 0;

protected:
    // A row of the column: label at the left edge, control at the right edge with its width
    // fixed, in the regular system font.
    static QWidget* makeRow(const QString& label, QWidget* control, int width);
    // The control shows the setting's decoded value and writes the user's changes to it; a spin
    // box takes the setting's range.
    DefaultsBinding bindCheckbox(DefaultsController& defaults, QCheckBox* checkbox,
                                 const preferences::Setting<bool>& setting);
    DefaultsBinding bindField(DefaultsController& defaults, QSpinBox* field,
                              const preferences::Setting<int>& setting);
};

} // namespace tinkella::app
