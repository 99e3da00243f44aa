#include "settings/live_values.h"

#include <algorithm>

#include "settings/settings_store.h"

namespace reelsnap {
namespace {
LiveValues* installed = nullptr;
}

std::int16_t StoredLiveValues::CurrentScalePercent() {
    return ReadInt16Setting(keys::ScalePercent).value_or(100);
}

std::int16_t StoredLiveValues::CurrentSkip() {
    return std::max<std::int16_t>(1, ReadInt16Setting(keys::Skip).value_or(1));
}

bool StoredLiveValues::CurrentInitialFrameIndex(std::int32_t& index) {
    index = std::max<std::int32_t>(1, ReadInt32Setting(keys::InitialFrameIndex).value_or(1));
    return true;
}

bool StoredLiveValues::CurrentFinalFrameIndex(std::int32_t& index) {
    const auto stored = ReadInt32Setting(keys::FinalFrameIndex);
    if (!stored) return false;
    index = std::max<std::int32_t>(1, *stored);
    return true;
}

LiveValues& CurrentLiveValues() {
    static StoredLiveValues stored;
    return installed ? *installed : stored;
}

void SetLiveValues(LiveValues* values) {
    installed = values;
}

}  // namespace reelsnap
