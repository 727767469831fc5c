#pragma once

#include <QApplication>

namespace tinkella::testing {

// The one QApplication of a Qt test program, made on first call unless one exists already;
// it lives until the program ends and is never destroyed: input devices the toolkit registers
// after it (the primary pointer on the first mouse event) are kept in a registry that static
// destruction would tear down first, and deleting them afterwards crashes at exit.
// Tests run with QT_QPA_PLATFORM=offscreen.
inline QApplication& ensureQtApplication() {
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *existing;
    }
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

} // namespace tinkella::testing
