#include "adapters/fluidsynth/FluidSynthAudioSystem.h"

#include "adapters/fluidsynth/FluidSynthGraph.h"

namespace tinkella {

OSStatus FluidSynthAudioSystem::newGraph(std::unique_ptr<AudioGraph>& graph) {
    graph = std::make_unique<FluidSynthGraph>(options_);
    return 0;
}

std::unique_ptr<AudioSystem> makeFluidSynthAudioSystem(FluidSynthOptions options) {
    return std::make_unique<FluidSynthAudioSystem>(std::move(options));
}

} // namespace tinkella
