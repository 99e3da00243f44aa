// The qualities of the types that take one (JPEG and JPEG 2000): the
// window's popup and the command line's names share this one table.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "imaging/image_types.h"

namespace reelsnap {

// The stored ImageQuality numbers of the popup's items.
enum class ImageQuality : std::int16_t { Low = 1, Medium = 2, High = 3 };

// 0.4, 0.7 and 1.0 for Low, Medium and High; 0.0 for any other stored number.
float CompressionFactorOf(std::int16_t quality);

// The command line's value: "low", "medium" or "high" as the window's items,
// a whole number N from 1 to 100 for a factor of N/100, and "max" as 100.
// Nothing for anything else.
std::optional<float> CompressionFactorNamed(std::string_view value);

}  // namespace reelsnap
