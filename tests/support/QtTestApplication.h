#pragma once

#include <QApplication>

namespace tinkella::testing {

// The one QApplication of a Qt test program, made on first call unless one exists already. It is
// never destroyed: the input devices the toolkit registers after it would be deleted after
// static destruction tore their registry down, crashing at exit.
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
