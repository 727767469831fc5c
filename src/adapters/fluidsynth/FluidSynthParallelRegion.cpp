// FluidSynth built with OpenMP (Debian's 2.3 is) mixes reverb and chorus inside a parallel region
// on every 64-frame block it renders: fluid_rvoice_mixer_process_fx() opens
// `#pragma omp parallel num_threads(n)`, n being the number of effects groups clipped to
// `synth.cpu-cores`, which is 1 with our settings. libgomp makes a team even for one thread, and
// allocates it at the start of the region and frees it at the end, on the audio thread, in every
// cycle that renders. No setting avoids the region except turning reverb and chorus off.
//
// This definition, linked into the executable (the adapter's link options ask for it), comes
// before libgomp's in symbol lookup, so FluidSynth's call lands here. A region asked to run on
// one thread runs its body right here, on the calling thread: outside any team, the worksharing
// inside it (the `omp for` over effects groups, its barrier) runs as an orphaned construct on a
// team of one, which is what libgomp would have made, without allocating or waiting. Any other
// region (FluidSynth's parallel sample loading, for one) goes to libgomp unchanged.
#include <dlfcn.h>

extern "C" void GOMP_parallel(void (*body)(void*), void* data, unsigned threads, unsigned flags) {
    if (threads == 1) {
        body(data);
        return;
    }
    using Parallel = void (*)(void (*)(void*), void*, unsigned, unsigned);
    static const auto next = reinterpret_cast<Parallel>(dlsym(RTLD_NEXT, "GOMP_parallel"));
    if (next == nullptr) {
        body(data);
        return;
    }
    next(body, data, threads, flags);
}
