#include "app/SettingsTab.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
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
    layout->addWidget(title, 0, Qt::AlignVCenter);
    layout->addStretch(1);
    layout->addWidget(control, 0, Qt::AlignVCenter);
    return row;
}

} // namespace tinkella::app
