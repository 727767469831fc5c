#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tinkella::app {

bool installTranslations(const QLocale& locale) {
    // Kept for the life of the process, as the application refers to them.
    static QTranslator own;
    static QTranslator toolkit;
    const bool found =
        own.load(locale, QStringLiteral("tinkella"), QStringLiteral("_"), QStringLiteral(":/i18n"));
    if (found) {
        QCoreApplication::installTranslator(&own);
    }
    // The toolkit's English texts are its sources: a desktop whose first language is English
    // (LANGUAGE=en before a LANG of another) loads nothing more.
    const QStringList languages = locale.uiLanguages();
    const bool english = languages.isEmpty() || languages.constFirst().startsWith(u"en");
    if (!english && toolkit.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&toolkit);
    }
    return found;
}

} // namespace tinkella::app
