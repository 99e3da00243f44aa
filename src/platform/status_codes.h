// The application's status codes: 0 for success, negative for failure.
#pragma once

#include <cstdint>

namespace reelsnap {

inline constexpr std::int16_t kNoErr = 0;
inline constexpr std::int16_t kParamErr = -50;  // a missing argument
inline constexpr std::int16_t kFileNotFoundErr = -43;
inline constexpr std::int16_t kIoErr = -36;
inline constexpr std::int16_t kUserCanceledErr = -128;
inline constexpr std::int16_t kEventNotHandledErr = -9874;  // a handler passes the command on
inline constexpr std::int16_t kDragNotAcceptedErr = -1857;
inline constexpr std::int16_t kHelpMenuNotFoundErr = -5600;

}  // namespace reelsnap
