#pragma once

#include <set>
#include <string>

class QInputDevice;

namespace tinkella {

// What the widgets that take fingers share.

// A finger's identity, the same from its first to its last event and different for every finger
// down together, whichever window its events are handed to.
std::string touchIdentity(const QInputDevice* device, int pointId);
bool isTouchScreen(const QInputDevice* device);
// The fingers that a widget took from the events of another window, which that window's widgets
// leave be: Qt 6 may hand a finger that lands while another finger of the same touchscreen is
// down in another window to that other window. Main thread only.
std::set<std::string>& fingersTakenElsewhere();

} // namespace tinkella
