#include "model/Preferences.h"

#include "interfaces/MidiMessage.h"

#include <algorithm>
#include <cmath>

namespace tinkella::preferences {

double clampedNumber(const Setting<double>& setting, const DefaultsValue& stored) {
    const double number = stored.number().value_or(setting.registered);
    return std::isfinite(number) ? std::clamp(number, setting.minimum, setting.maximum)
                                 : setting.registered;
}

int integerInRange(const Setting<int>& setting, const DefaultsValue& stored) {
    if (stored.kind() != DefaultsValue::Kind::integer) {
        return setting.registered;
    }
    const std::int64_t value = stored.integerValue();
    return value >= setting.minimum && value <= setting.maximum ? static_cast<int>(value)
                                                                : setting.registered;
}

bool anyBoolean(const Setting<bool>& setting, const DefaultsValue& stored) {
    return stored.isAbsent() ? setting.registered : stored.boolValue();
}

bool strictBoolean(const Setting<bool>& setting, const DefaultsValue& stored) {
    if (const auto b = stored.asBoolean()) {
        return *b;
    }
    const auto n = stored.number();
    if (n && (*n == 0.0 || *n == 1.0)) {
        return *n != 0.0;
    }
    return setting.registered;
}

OutputMode outputModeOf(const Setting<OutputMode>& setting, const DefaultsValue& stored) {
    switch (stored.isAbsent() ? static_cast<std::int64_t>(setting.registered)
                              : stored.integerValue()) {
    case 0:
        return OutputMode::midiOnly;
    case 1:
        return OutputMode::synthesiserOnly;
    default:
        return OutputMode::both;
    }
}

int clampedInteger(const Setting<int>& setting, const DefaultsValue& stored) {
    if (stored.kind() == DefaultsValue::Kind::integer) {
        return static_cast<int>(
            std::clamp<std::int64_t>(stored.integerValue(), setting.minimum, setting.maximum));
    }
    const auto number = stored.number();
    if (stored.kind() != DefaultsValue::Kind::real || !number || !std::isfinite(*number)) {
        return setting.registered;
    }
    return static_cast<int>(
        std::lround(std::clamp<double>(*number, setting.minimum, setting.maximum)));
}

bool isKnobController(int controller) {
    return controller > ump::bankSelectController && controller < ump::allSoundOffController &&
           controller != ump::dataEntryMsbController &&
           controller != ump::bankSelectLsbController &&
           controller != ump::dataEntryLsbController && controller != ump::sustainController &&
           (controller < 96 || controller > ump::parameterMsbController);
}

int knobControllerOf(const Setting<int>& setting, const DefaultsValue& stored) {
    const int controller = clampedInteger(setting, stored);
    return isKnobController(controller) ? controller : setting.registered;
}

std::size_t ChoiceSetting::decode(const DefaultsValue& stored) const {
    if (const std::string* text = stored.asText()) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (*text == names[i]) {
                return i;
            }
        }
        return registered;
    }
    if (stored.kind() == DefaultsValue::Kind::integer && stored.integerValue() >= 0 &&
        stored.integerValue() < static_cast<std::int64_t>(names.size())) {
        return static_cast<std::size_t>(stored.integerValue());
    }
    return registered;
}

double windowKeyWidth(double width) {
    return std::ceil(0.6 * width + 20);
}

double keyWidthOfWindow(double windowWidth) {
    return (windowWidth - 20) / 0.6;
}

double scrollFraction(float offset) {
    return static_cast<double>(offset / static_cast<float>(noteOffset.maximum));
}

float noteOffsetAt(double fraction) {
    const double scale = noteOffset.maximum;
    const double offset = fraction * scale;
    if (!(offset > 0)) {
        return 0; // NaN (no scroll range) and negatives alike
    }
    return std::min(static_cast<float>(std::min(offset, scale)), static_cast<float>(scale));
}

std::string keyPath(std::string_view key) {
    std::string path = "values.";
    path += key;
    return path;
}

const DefaultsController::Defaults& registeredDefaults() {
    static const DefaultsController::Defaults defaults = [] {
        DefaultsController::Defaults all;
        forEachSetting([&all](const auto& setting) {
            all.emplace(std::string(setting.key), setting.registeredValue());
        });
        return all;
    }();
    return defaults;
}

} // namespace tinkella::preferences
