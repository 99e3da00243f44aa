#include "imaging/quality.h"

#include <charconv>

namespace reelsnap {

float CompressionFactorOf(std::int16_t quality) {
    switch (ImageQuality(quality)) {
        case ImageQuality::Low:
            return 0.4f;
        case ImageQuality::Medium:
            return 0.7f;
        case ImageQuality::High:
            return 1.0f;
    }
    return 0.0f;
}

std::optional<float> CompressionFactorNamed(std::string_view value) {
    if (value == "low") return CompressionFactorOf(std::int16_t(ImageQuality::Low));
    if (value == "medium") return CompressionFactorOf(std::int16_t(ImageQuality::Medium));
    if (value == "high") return CompressionFactorOf(std::int16_t(ImageQuality::High));
    if (value == "max") value = "100";
    int percent = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), percent);
    if (error != std::errc() || end != value.data() + value.size()) return std::nullopt;
    if (percent < 1 || percent > 100) return std::nullopt;
    return float(percent) / 100.0f;
}

}  // namespace reelsnap
