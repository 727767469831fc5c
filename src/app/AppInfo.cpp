#include "app/AppInfo.h"

namespace tinkella::app {

const char* applicationVersion() {
    return TINKELLA_VERSION;
}

} // namespace tinkella::app
