#include "model/Preferences.h"

namespace tinkella {

namespace preferences {

std::string keyPath(std::string_view key) {
    std::string path = "values.";
    path += key;
    return path;
}

const DefaultsController::Defaults& registeredDefaults() {
    static const DefaultsController::Defaults defaults{
        {std::string(instrument), DefaultsValue::integer(1)},
        {std::string(blackKeyTouchArea), DefaultsValue::real(0.15)},
        {std::string(keyWidth), DefaultsValue::integer(50)},
        {std::string(noteOffset), DefaultsValue::integer(60)},
        {std::string(blackKeyGlissando), DefaultsValue::boolean(false)},
        {std::string(outputMode), DefaultsValue::integer(2)},
        {std::string(settingsVisible), DefaultsValue::boolean(true)},
    };
    return defaults;
}

} // namespace preferences

OutputMode outputModeFromStored(std::int64_t stored) {
    switch (stored) {
    case 0:
        return OutputMode::midiOnly;
    case 1:
        return OutputMode::synthesiserOnly;
    default:
        return OutputMode::both;
    }
}

bool settingsVisibleFromStored(const DefaultsValue& stored) {
    // A number that is exactly 0 or 1 counts as a boolean, as it does on the platform the
    // settings come from; any other number, a text or nothing opens the panel.
    if (const auto b = stored.asBoolean()) {
        return *b;
    }
    const auto n = stored.number();
    return !(n && *n == 0.0);
}

int instrumentFromStored(const DefaultsValue& stored) {
    if (stored.kind() != DefaultsValue::Kind::integer) {
        return 1;
    }
    const std::int64_t program = stored.integerValue();
    return program >= 1 && program <= 128 ? static_cast<int>(program) : 1;
}

} // namespace tinkella
