// The four values the run reads live: the scale slider and the three number
// fields of the preferences window. Until that window exists they come from
// the stored settings.
#pragma once

#include <cstdint>

namespace reelsnap {

class LiveValues {
  public:
    virtual ~LiveValues() = default;
    virtual std::int16_t CurrentScalePercent() = 0;
    // At least 1.
    virtual std::int16_t CurrentSkip() = 0;
    // False when the field is empty, leaving `index` as it was.
    virtual bool CurrentInitialFrameIndex(std::int32_t& index) = 0;
    virtual bool CurrentFinalFrameIndex(std::int32_t& index) = 0;
};

// The stored values, with the same defaults as the window's controls.
class StoredLiveValues : public LiveValues {
  public:
    std::int16_t CurrentScalePercent() override;
    std::int16_t CurrentSkip() override;
    bool CurrentInitialFrameIndex(std::int32_t& index) override;
    bool CurrentFinalFrameIndex(std::int32_t& index) override;
};

// The preferences window once it exists, else the stored values.
LiveValues& CurrentLiveValues();
void SetLiveValues(LiveValues* values);

}  // namespace reelsnap
