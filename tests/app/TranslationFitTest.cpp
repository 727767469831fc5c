// The settings panel in English and in every language built into the program: each label and
// control shows its whole text (its size hint within its geometry), and the panel grows no wider
// than 420 px. An untranslated entry shows the English text, so it fits as English does.
#include "app/AppHarness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTranslator>
#include <gtest/gtest.h>

namespace tinkella {
namespace {

// Why widget cuts its text short, or empty when it shows all of it.
QString cutText(QWidget* widget) {
    const auto exceeds = [widget](QSize hint) {
        return hint.width() > widget->width() || hint.height() > widget->height();
    };
    const auto describe = [widget](const QString& text, QSize hint) {
        return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
            .arg(QString::fromLatin1(widget->metaObject()->className()), text)
            .arg(hint.width())
            .arg(hint.height())
            .arg(widget->width())
            .arg(widget->height());
    };
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
        const QSize hint =
            label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->sizeHint();
        return exceeds(hint) ? describe(label->text(), hint) : QString();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget);
        button && !button->text().isEmpty()) {
        // Rows of check boxes sit closer than the style's focus frame asks: its line must fit.
        const QSize hint(button->sizeHint().width(), button->fontMetrics().height());
        return exceeds(hint) ? describe(button->text(), hint) : QString();
    }
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
        // Each choice, as the closed box would show it.
        QStyleOptionComboBox option;
        option.initFrom(box);
        const int room =
            box->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box)
                .width();
        for (int i = 0; i < box->count(); ++i) {
            const QSize hint(box->fontMetrics().horizontalAdvance(box->itemText(i)), 0);
            if (hint.width() > room) {
                return describe(box->itemText(i), hint);
            }
        }
        return {};
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget); group && !group->title().isEmpty()) {
        const QSize hint(group->fontMetrics().horizontalAdvance(group->title()) + 16, 0);
        return exceeds(hint) ? describe(group->title(), hint) : QString();
    }
    if (auto* bar = qobject_cast<QTabBar*>(widget)) {
        for (int i = 0; i < bar->count(); ++i) {
            const QSize text(bar->fontMetrics().horizontalAdvance(bar->tabText(i)), 0);
            if (text.width() > bar->tabRect(i).width() || bar->tabRect(i).right() > bar->width()) {
                return describe(bar->tabText(i), text);
            }
        }
    }
    return {};
}

TEST(TranslationFitTest, EveryTextOfThePanelShowsWholeInEveryLanguage) {
    QStringList catalogues{QString()}; // English, the sources' language, first
    for (QDirIterator it(QStringLiteral(":/i18n")); it.hasNext();) {
        catalogues << it.next();
    }
    ASSERT_GE(catalogues.size(), 16) << "a catalogue of the 15 languages is not built in";
    for (const QString& catalogue : catalogues) {
        QTranslator translator;
        if (!catalogue.isEmpty()) {
            ASSERT_TRUE(translator.load(catalogue)) << catalogue.toStdString();
            QCoreApplication::installTranslator(&translator);
        }
        testing::AppHarness app;
        app.launch();
        QWidget* panel = app.panel();
        panel->show();
        auto* pages = panel->findChild<QStackedWidget*>();
        ASSERT_NE(pages, nullptr);
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QApplication::processEvents();
            EXPECT_LE(panel->width(), 420) << catalogue.toStdString();
            for (QWidget* widget : panel->findChildren<QWidget*>()) {
                if (widget->isVisibleTo(panel)) {
                    const QString cut = cutText(widget);
                    EXPECT_TRUE(cut.isEmpty())
                        << catalogue.toStdString() << ": " << cut.toStdString();
                }
            }
        }
        panel->hide();
        QCoreApplication::removeTranslator(&translator);
    }
}

} // namespace
} // namespace tinkella
