#pragma once

namespace tinkella {

// A shared library opened by the program on first use rather than linked to it (the adapters'
// *Library.cpp files, which define the library's functions the program calls and forward them).
// Opening maps and relocates the library and what it needs on the calling thread, so that the
// cost falls on the thread that first uses it, never before the first window shows.
// The library stays open for the life of the process. Each user opens its library once, from a
// function-local static.
class OpenedLibrary {
public:
    // Opens soname with its symbols global (a library opened later, or preloaded before, finds
    // them). On failure, one line on standard error: "Tinkella: <name> cannot be loaded (why)".
    OpenedLibrary(const char* soname, const char* name);

    // Sets pointer to the process's first definition of symbol: a preloaded library's comes
    // before the library's own (so a checker that wraps a call still sees it), but never this
    // program's, which would call itself. False when the library or the symbol is missing.
    template <typename Pointer> bool find(Pointer& pointer, const char* symbol) {
        pointer = reinterpret_cast<Pointer>(address(symbol));
        return pointer != nullptr;
    }

    // found, after saying on standard error, as above, why not when the library opened but
    // lacked a function.
    bool complete(bool found) const;

private:
    void* address(const char* symbol) const;

    void* handle_;
    const char* name_;
};

} // namespace tinkella
