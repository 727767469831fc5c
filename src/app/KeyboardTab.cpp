#include "app/KeyboardTab.h"

#include "app/KeyboardAidsGroup.h"
#include "app/MpeGroup.h"
#include "model/Preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWidget>

namespace tinkella::app {

KeyboardTab::KeyboardTab(DefaultsController& defaults, QObject* parent)
    : SettingsTab(parent), defaults_(defaults), expressionPopUp_(new QComboBox),
      keyboardAids_(new KeyboardAidsGroup(defaults, this)), mpe_(new MpeGroup(defaults, this)),
      highContrast_(new QCheckBox(tr("High contrast keys"))) {
    expressionPopUp_->addItems({tr("Off"), tr("MPE")});
    connect(expressionPopUp_, &QComboBox::activated, this, &KeyboardTab::expressionChanged);

    page_ = new QWidget;
    auto* keyboard = new QVBoxLayout(page_);
    keyboard->setContentsMargins(0, 8, 0, 0);
    // Gaps of their own, not the style's spacing, so that the page fits the General page's
    // height. How the keys play comes first; the General page keeps its rows as they always were.
    keyboard->setSpacing(0);
    keyboard->addWidget(makeRow(tr("Expression"), expressionPopUp_, 194,
                                tr("Off, or MPE: each note on a MIDI channel of its own, bent by "
                                   "sliding along the keys")));
    keyboard->addSpacing(4);
    keyboard->addWidget(mpe_->box());
    keyboard->addSpacing(4);
    keyboard->addWidget(keyboardAids_->box());
    keyboard->addSpacing(2);
    keyboard->addWidget(highContrast_, 0, Qt::AlignLeft);
    keyboard->addStretch(1);
    describe(highContrast_, highContrast_->text(),
             tr("Black and white keys with strong outlines; your keys light in orange, notes "
                "from MIDI in in blue"));
    std::vector<QWidget*> order{expressionPopUp_, mpe_->pitchRoundingPopUp(), mpe_->timbrePopUp(),
                                mpe_->zonePopUp()};
    order.push_back(static_cast<QWidget*>(mpe_->bendRangeField()));
    order.push_back(static_cast<QWidget*>(mpe_->membersField()));
    for (QWidget* control : keyboardAids_->controls()) {
        order.push_back(control);
    }
    order.push_back(highContrast_);
    setTabOrder(order);
    connect(highContrast_, &QCheckBox::clicked, this, [this](bool on) {
        defaults_.setObject(DefaultsValue::boolean(on), preferences::highContrast);
    });
    highContrastBinding_ =
        preferences::bind<bool>(defaults_, preferences::highContrast, [this](bool on) {
            const QSignalBlocker quiet(highContrast_);
            highContrast_->setChecked(on);
        });

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

QWidget* KeyboardTab::firstControl() const {
    return expressionPopUp_;
}

} // namespace tinkella::app
