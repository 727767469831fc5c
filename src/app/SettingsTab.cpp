#include "app/SettingsTab.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
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

} // namespace tinkella::app
