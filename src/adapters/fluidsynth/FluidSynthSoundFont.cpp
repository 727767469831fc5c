#include "adapters/fluidsynth/FluidSynthSoundFont.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <glib.h>
#include <mutex>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tinkella {

namespace {

constexpr const char* defaultFontName = "default-GM.sf2";

std::mutex& errorMutex() {
    static std::mutex mutex;
    return mutex;
}

std::string& lastError() {
    static std::string text;
    return text;
}

// FluidSynth's JACK driver reports its server going away only through the log, from JACK's
// shutdown thread, where nothing but async-signal-safe calls may run: tell the user once, with
// one write(2).
void reportLostJackServer(const char* message) {
    static std::atomic<bool> reported{false};
    if (std::strstr(message, "Lost the connection to the JACK server") == nullptr ||
        reported.exchange(true)) {
        return;
    }
    static constexpr char line[] = "Tinkella: the JACK server has gone away; the built-in "
                                   "synthesiser is silent until Tinkella is restarted.\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, line, sizeof line - 1);
}

// May run on the audio thread: errors are kept only when the lock is free at once.
void keepError(int level, const char* message, void*) {
    if (level > FLUID_ERR || message == nullptr) {
        return;
    }
    reportLostJackServer(message);
    std::unique_lock<std::mutex> lock(errorMutex(), std::try_to_lock);
    if (lock.owns_lock()) {
        lastError() = message;
    }
}

void dropMessage(int, const char*, void*) {}

// Why the file at path cannot be read as a sound font, in words for the user ("permission
// denied", "no such file or directory"); empty when its first byte can be read. Never blocks:
// a FIFO or a device is refused without being read.
std::string unreadableReason(const std::string& path) {
    const auto inWords = [](int error) {
        std::string text = std::generic_category().message(error);
        text.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(text.front())));
        return text;
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return inWords(errno);
    }
    struct stat status {};
    char byte = 0;
    std::string reason;
    if (::fstat(fd, &status) < 0) {
        reason = inWords(errno);
    } else if (!S_ISREG(status.st_mode)) {
        reason = "not a regular file";
    } else if (::read(fd, &byte, 1) < 0) {
        reason = inWords(errno);
    }
    ::close(fd);
    return reason;
}

void dropGLibMessage(const gchar*, GLogLevelFlags, const gchar*, gpointer) {}

// While held, messages logged through GLib's default handler are dropped: libinstpatch,
// FluidSynth's sound font reader, reports a malformed file there as well as failing the load,
// and the load's own error is what the user is told. Process-wide; held on the loading thread.
class QuietGLibLog {
public:
    QuietGLibLog() : previous_(g_log_set_default_handler(dropGLibMessage, nullptr)) {}
    ~QuietGLibLog() { g_log_set_default_handler(previous_, nullptr); }
    QuietGLibLog(const QuietGLibLog&) = delete;
    QuietGLibLog& operator=(const QuietGLibLog&) = delete;

private:
    GLogFunc previous_;
};

bool isSoundFontFile(const std::filesystem::path& path) {
    std::error_code ignored;
    return path.extension() == ".sf2" && std::filesystem::is_regular_file(path, ignored);
}

} // namespace

void captureFluidSynthLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        fluid_set_log_function(FLUID_PANIC, keepError, nullptr);
        fluid_set_log_function(FLUID_ERR, keepError, nullptr);
        fluid_set_log_function(FLUID_WARN, dropMessage, nullptr);
        fluid_set_log_function(FLUID_INFO, dropMessage, nullptr);
        fluid_set_log_function(FLUID_DBG, dropMessage, nullptr);
    });
}

std::string lastFluidSynthError() {
    std::lock_guard<std::mutex> lock(errorMutex());
    return lastError();
}

void clearFluidSynthError() {
    std::lock_guard<std::mutex> lock(errorMutex());
    lastError().clear();
}

std::vector<std::string> soundFontCandidates(const std::string& explicitPath,
                                             const std::string& directory) {
    if (!explicitPath.empty()) {
        return {explicitPath};
    }
    if (const char* fromEnvironment = std::getenv("TINKELLA_SOUNDFONT");
        fromEnvironment != nullptr && *fromEnvironment != '\0') {
        return {fromEnvironment};
    }
    std::vector<std::string> candidates;
    const std::filesystem::path dir(directory);
    if (isSoundFontFile(dir / defaultFontName)) {
        candidates.push_back((dir / defaultFontName).string());
    }
    std::vector<std::string> others;
    std::error_code error;
    for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end;
         it.increment(error)) {
        if (isSoundFontFile(it->path()) && it->path().filename() != defaultFontName) {
            others.push_back(it->path().string());
        }
    }
    std::sort(others.begin(), others.end());
    candidates.insert(candidates.end(), others.begin(), others.end());
    return candidates;
}

SoundFontLoad loadSoundFont(fluid_synth_t* synth, const std::vector<std::string>& candidates,
                            const std::string& directory) {
    SoundFontLoad load;
    if (candidates.empty()) {
        load.error = "no General MIDI sound font found in " + directory;
        return load;
    }
    const QuietGLibLog quiet;
    std::string reasons;
    for (const std::string& path : candidates) {
        std::string reason = unreadableReason(path);
        if (reason.empty() && !fluid_is_soundfont(path.c_str())) {
            reason = "not a SoundFont 2 file";
        } else if (reason.empty()) {
            clearFluidSynthError();
            const int id = fluid_synth_sfload(synth, path.c_str(), 1);
            if (id != FLUID_FAILED) {
                load.fontId = id;
                load.path = path;
                return load;
            }
            reason = lastFluidSynthError();
            if (reason.empty()) {
                reason = "FluidSynth could not load it";
            }
        }
        reasons += (reasons.empty() ? "" : "; ") + path + ": " + reason;
    }
    load.error = candidates.size() == 1
                     ? "the sound font " + reasons
                     : "no sound font in " + directory + " could be loaded (" + reasons + ")";
    return load;
}

} // namespace tinkella
