#pragma once

namespace tinkella::app {

// Held on the main thread around the construction of the QApplication. While held, the
// toolkit's messages are kept back. When the toolkit cannot start any platform (a display that
// does not exist, a missing plugin) it would abort with several lines of plugin advice: instead
// one line naming the first kept message goes to standard error and the process ends with
// status 1. Released, it passes the kept messages on
// to the handler that was installed before it.
class ToolkitStartGuard {
public:
    ToolkitStartGuard();
    ~ToolkitStartGuard();
    ToolkitStartGuard(const ToolkitStartGuard&) = delete;
    ToolkitStartGuard& operator=(const ToolkitStartGuard&) = delete;
};

} // namespace tinkella::app
