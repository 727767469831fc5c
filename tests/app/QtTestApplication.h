#pragma once

#include <QApplication>
#include <memory>

namespace tinkella::testing {

// The one QApplication of a Qt test program, made on first call unless one exists already;
// it lives until the program ends. Tests run with QT_QPA_PLATFORM=offscreen.
inline QApplication& ensureQtApplication() {
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        return *existing;
    }
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name, nullptr};
    static auto application = std::make_unique<QApplication>(argc, argv);
    return *application;
}

} // namespace tinkella::testing
