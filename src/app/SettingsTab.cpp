#include "app/SettingsTab.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QWidget>

namespace tinkella::app {

QWidget* SettingsTab::makeRow(const QString& label, QWidget* control, int width) {
    auto* row = new QWidget;
    row->setFixedSize(columnWidth, rowHeight);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* title = new QLabel(label);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    title->setFont(QApplication::font());
    control->setFixedWidth(width);
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
