#include "hosting/StripPlacement.h"

namespace tinkella {

namespace {

StripPlacementFactory& factory() {
    static StripPlacementFactory shared;
    return shared;
}

} // namespace

void setStripPlacementFactory(StripPlacementFactory newFactory) {
    factory() = std::move(newFactory);
}

StripPlacement chooseStripPlacement() {
    return factory() ? factory()() : StripPlacement{};
}

} // namespace tinkella
