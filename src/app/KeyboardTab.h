#pragma once

#include "app/SettingsTab.h"
#include "foundation/DefaultsController.h"

class QCheckBox;
class QComboBox;

namespace tinkella::app {

class KeyboardAidsGroup;
class MpeGroup;

// The settings panel's "Keyboard" tab: how the keys play (Expression: Off or MPE, and how MPE
// plays: MpeGroup) first, then the keyboard aids (KeyboardAidsGroup), then high-contrast keys.
// The pop-up shows the stored "expression" and writes the user's choice; what the keyboard does
// with it is ExpressionPacer's. Main thread only.
class KeyboardTab final : public SettingsTab {
    Q_OBJECT

public:
    // defaults must outlive the tab.
    KeyboardTab(DefaultsController& defaults, QObject* parent);

    // The title, for a bar that shows the tab before it is made.
    static QString tabTitle() { return tr("Keyboard"); }
    QString title() const override { return tabTitle(); }
    QWidget* firstControl() const override;
    QWidget* page() const override { return page_; }

    // "Off" (index 0) or "MPE" (index 1).
    QComboBox* expressionPopUp() const { return expressionPopUp_; }
    KeyboardAidsGroup& keyboardAids() const { return *keyboardAids_; }
    MpeGroup& mpe() const { return *mpe_; }
    QCheckBox* highContrastCheckbox() const { return highContrast_; }

    // index: the expression pop-up's item (0 off, 1 MPE).
    void expressionChanged(int index);

private:
    DefaultsController& defaults_;
    QWidget* page_ = nullptr;                   // owned by the panel once laid out
    QComboBox* expressionPopUp_ = nullptr;      // a child of the page
    KeyboardAidsGroup* keyboardAids_ = nullptr; // a child of this tab
    MpeGroup* mpe_ = nullptr;                   // a child of this tab
    QCheckBox* highContrast_ = nullptr;         // a child of the page
    DefaultsBinding binding_;
    DefaultsBinding highContrastBinding_;
};

} // namespace tinkella::app
