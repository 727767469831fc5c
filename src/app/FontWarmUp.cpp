#include "app/FontWarmUp.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>

namespace tinkella::app {

FontWarmUp::FontWarmUp()
    : thread_([description = QGuiApplication::font().toString()] {
          // A font of the thread's own (a copy would share the application font's caches with the
          // main thread); measuring a word with it loads the database, the font and its shaping.
          QFont font;
          font.fromString(description);
          QFontMetricsF(font).horizontalAdvance(QStringLiteral("Tinkella"));
      }) {}

FontWarmUp::~FontWarmUp() {
    thread_.join();
}

} // namespace tinkella::app
