#include "foundation/OpenedLibrary.h"

#include <cstdio>
#include <dlfcn.h>

namespace tinkella {

namespace {

// Whether two addresses lie in the same loaded object (the program, or one library).
bool sameObject(const void* a, const void* b) {
    Dl_info first{};
    Dl_info second{};
    return dladdr(a, &first) != 0 && dladdr(b, &second) != 0 && first.dli_fbase == second.dli_fbase;
}

} // namespace

OpenedLibrary::OpenedLibrary(const char* soname, const char* name)
    : handle_(dlopen(soname, RTLD_NOW | RTLD_GLOBAL)), name_(name) {
    if (handle_ == nullptr) {
        std::fprintf(stderr, "Tinkella: %s cannot be loaded (%s)\n", name_, dlerror());
    }
}

void* OpenedLibrary::address(const char* symbol) const {
    if (handle_ == nullptr) {
        return nullptr;
    }
    void* found = dlsym(RTLD_DEFAULT, symbol);
    if (found == nullptr || sameObject(found, reinterpret_cast<const void*>(&sameObject))) {
        found = dlsym(handle_, symbol);
    }
    return found;
}

bool OpenedLibrary::complete(bool found) const {
    if (handle_ != nullptr && !found) {
        std::fprintf(stderr, "Tinkella: %s cannot be loaded (%s)\n", name_, dlerror());
    }
    return found;
}

} // namespace tinkella
