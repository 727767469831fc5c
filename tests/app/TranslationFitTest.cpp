// The settings panel in English and in every language built into the program: each label and
// control shows its whole text (its size hint within its geometry), the panel grows no wider
// than 420 px, and it keeps its first size as the pages made after the start come up. An
// untranslated entry shows the English text, so it fits as English does.
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

// A text a widget shows, the room it needs and the room it has.
struct Shown {
    QString text;
    QSize needs, has;
};

std::vector<Shown> shownTexts(QWidget* widget) {
    const QFontMetrics metrics = widget->fontMetrics();
    const auto width = [&metrics](const QString& text) {
        return metrics.horizontalAdvance(text);
    };
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return {{label->text(),
                 label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                   : label->sizeHint(),
                 label->size()}};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        // Rows of check boxes sit closer than the style's focus frame asks: its line must fit.
        return {{button->text(), {button->sizeHint().width(), metrics.height()}, button->size()}};
    }
    std::vector<Shown> shown;
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
        // Each choice, as the closed box would show it.
        QStyleOptionComboBox option;
        option.initFrom(box);
        const QRect room = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                        QStyle::SC_ComboBoxEditField, box);
        for (int i = 0; i < box->count(); ++i) {
            shown.push_back({box->itemText(i), {width(box->itemText(i)), 0}, room.size()});
        }
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        shown.push_back({group->title(), {width(group->title()) + 16, 0}, group->size()});
    } else if (auto* bar = qobject_cast<QTabBar*>(widget)) {
        for (int i = 0; i < bar->count(); ++i) {
            const QRect tab = bar->tabRect(i).intersected(bar->rect());
            shown.push_back({bar->tabText(i), {width(bar->tabText(i)), 0}, tab.size()});
        }
    }
    return shown;
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
        const QSize shownAtStart = panel->size();
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            QApplication::processEvents();
            EXPECT_LE(panel->width(), 420) << catalogue.toStdString();
            for (QWidget* widget : panel->findChildren<QWidget*>()) {
                for (const Shown& text :
                     widget->isVisibleTo(panel) ? shownTexts(widget) : std::vector<Shown>{}) {
                    EXPECT_TRUE(text.text.isEmpty() || (text.needs.width() <= text.has.width() &&
                                                        text.needs.height() <= text.has.height()))
                        << catalogue.toStdString() << ": " << widget->metaObject()->className()
                        << " \"" << text.text.toStdString() << "\" needs " << text.needs.width()
                        << "x" << text.needs.height() << ", has " << text.has.width() << "x"
                        << text.has.height();
                }
            }
        }
        // The pages made after the start fit the panel as it was first shown.
        EXPECT_EQ(panel->size(), shownAtStart) << catalogue.toStdString();
        panel->hide();
        QCoreApplication::removeTranslator(&translator);
    }
}

} // namespace
} // namespace tinkella
