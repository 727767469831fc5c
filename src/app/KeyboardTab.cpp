#include "app/KeyboardTab.h"

#include "app/KeyboardAidsGroup.h"
#include "app/MpeGroup.h"
#include "model/Preferences.h"

#include <QComboBox>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWidget>

namespace tinkella::app {

KeyboardTab::KeyboardTab(DefaultsController& defaults, QObject* parent)
    : SettingsTab(parent), defaults_(defaults), expressionPopUp_(new QComboBox),
      keyboardAids_(new KeyboardAidsGroup(defaults, this)), mpe_(new MpeGroup(defaults, this)) {
    expressionPopUp_->addItems({tr("Off"), tr("MPE")});
    connect(expressionPopUp_, &QComboBox::activated, this, &KeyboardTab::expressionChanged);

    page_ = new QWidget;
    auto* keyboard = new QVBoxLayout(page_);
    keyboard->setContentsMargins(0, 8, 0, 0);
    // How the keys play comes first; the General page keeps its rows as they always were.
    keyboard->addWidget(makeRow(tr("Expression"), expressionPopUp_, 194));
    keyboard->addSpacing(4);
    keyboard->addWidget(mpe_->box());
    keyboard->addSpacing(4);
    keyboard->addWidget(keyboardAids_->box());
    keyboard->addStretch(1);

    binding_ = defaults_.bind(preferences::keyPath(preferences::expression.key),
                              [this](const DefaultsValue& stored) {
                                  const QSignalBlocker blocker(expressionPopUp_);
                                  expressionPopUp_->setCurrentIndex(
                                      preferences::expression.decode(stored) == "mpe" ? 1 : 0);
                              });
}

void KeyboardTab::expressionChanged(int index) {
    defaults_.setObject(DefaultsValue::text(index == 1 ? "mpe" : "off"), preferences::expression);
}

} // namespace tinkella::app
