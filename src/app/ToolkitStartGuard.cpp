#include "app/ToolkitStartGuard.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace tinkella::app {

namespace {

struct KeptMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Touched only by the main thread while a guard is held; the toolkit starts its platform there.
QtMessageHandler previousHandler = nullptr;
std::vector<KeptMessage> keptMessages;

void pass(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (previousHandler != nullptr) {
        previousHandler(type, context, text);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
    }
}

void holdPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const QString reason = keptMessages.empty() ? text : keptMessages.front().text;
        std::fprintf(stderr,
                     "tinkella: no display to show the keyboard on (%s); start it from a desktop "
                     "session\n",
                     qPrintable(reason.simplified()));
        std::fflush(stderr);
        // The toolkit is half built: no destructor or exit handler may run now.
        ::_exit(1);
    }
    keptMessages.push_back(
        {type, QByteArray(context.category != nullptr ? context.category : "default"), text});
}

} // namespace

ToolkitStartGuard::ToolkitStartGuard() {
    previousHandler = qInstallMessageHandler(holdPlatformMessages);
}

ToolkitStartGuard::~ToolkitStartGuard() {
    qInstallMessageHandler(previousHandler);
    for (const KeptMessage& message : keptMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        pass(message.type, context, message.text);
    }
    keptMessages.clear();
}

} // namespace tinkella::app
