#pragma once

#include <QLocale>

namespace tinkella::app {

// Installs the catalogues of one language into the running application: Tinkella's own (built
// into the program at :/i18n) and the toolkit's (qtbase, from Qt's translations folder, which
// qt6-translations-l10n fills), for the texts of its standard dialogs. Only the first language
// of the locale's list that has a catalogue is loaded; English, the language of the sources,
// needs none. Returns whether Tinkella's own catalogue was found. Call once, after the
// application object is made and before any window. Main thread only.
bool installTranslations(const QLocale& locale = QLocale());

} // namespace tinkella::app
