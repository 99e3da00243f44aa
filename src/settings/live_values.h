// The four values the run reads live: the scale slider and the three number
// fields of the preferences window, not the stored settings.
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

}  // namespace reelsnap
