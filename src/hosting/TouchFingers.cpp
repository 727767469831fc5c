#include "hosting/TouchFingers.h"

#include <QInputDevice>
#include <cstdint>

namespace tinkella {

std::string touchIdentity(const QInputDevice* device, int pointId) {
    // The window system's id of the device alone may be shared by devices made up in tests; the
    // device object itself is unique while any of its points is down.
    return "touch " + std::to_string(device != nullptr ? device->systemId() : 0) + "/" +
           std::to_string(reinterpret_cast<std::uintptr_t>(device)) + "/" + std::to_string(pointId);
}

bool isTouchScreen(const QInputDevice* device) {
    return device != nullptr && device->type() == QInputDevice::DeviceType::TouchScreen;
}

std::set<std::string>& fingersTakenElsewhere() {
    static std::set<std::string> taken;
    return taken;
}

} // namespace tinkella
