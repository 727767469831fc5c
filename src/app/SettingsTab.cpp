#include "app/SettingsTab.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWidget>
#include <algorithm>

namespace tinkella::app {

void SettingsTab::describe(QWidget* control, const QString& name, const QString& description) {
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

void SettingsTab::setTabOrder(const std::vector<QWidget*>& controls) {
    for (std::size_t i = 1; i < controls.size(); ++i) {
        QWidget::setTabOrder(controls[i - 1], controls[i]);
    }
}

QWidget* SettingsTab::makeRow(const QString& label, QWidget* control, int width,
                              const QString& description) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* title = new QLabel(label);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    title->setFont(QApplication::font());
    // A title longer than the room beside the control (in some languages) wraps and the row
    // grows in height; every English title fits on its one line.
    if (title->sizeHint().width() > columnWidth - width) {
        const int room = columnWidth - width - titleGap;
        title->setWordWrap(true);
        title->setFixedWidth(room);
        row->setFixedSize(columnWidth, std::max(rowHeight, title->heightForWidth(room)));
    } else {
        row->setFixedSize(columnWidth, rowHeight);
    }
    title->setBuddy(control);
    describe(control, label, description);
    control->setFixedWidth(width);
    if (auto* popUp = qobject_cast<QComboBox*>(control)) {
        // Its width fixed, a pop-up need not measure every item's text for its size hint (the
        // 128 instruments took about 2 ms of the start); the list it opens is sized as before.
        // With no icon size, it stays as tall as its text needs.
        popUp->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        popUp->setIconSize(QSize(0, 0));
    }
    layout->addWidget(title, 0, Qt::AlignVCenter);
    layout->addStretch(1);
    layout->addWidget(control, 0, Qt::AlignVCenter);
    return row;
}

DefaultsBinding SettingsTab::bindCheckbox(DefaultsController& defaults, QCheckBox* checkbox,
                                          const preferences::Setting<bool>& setting) {
    connect(checkbox, &QCheckBox::clicked, this, [&defaults, &setting](bool checked) {
        defaults.setObject(DefaultsValue::boolean(checked), setting);
    });
    return preferences::bind<bool>(defaults, setting, [checkbox](bool checked) {
        const QSignalBlocker blocker(checkbox);
        checkbox->setChecked(checked);
    });
}

DefaultsBinding SettingsTab::bindField(DefaultsController& defaults, QSpinBox* field,
                                       const preferences::Setting<int>& setting) {
    field->setRange(setting.minimum, setting.maximum);
    connect(field, &QSpinBox::valueChanged, this, [&defaults, &setting](int value) {
        defaults.setObject(DefaultsValue::integer(value), setting);
    });
    return preferences::bind<int>(defaults, setting, [field](int value) {
        const QSignalBlocker blocker(field);
        field->setValue(value);
    });
}

} // namespace tinkella::app
