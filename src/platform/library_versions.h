// The libraries that do the work, as the About box names them: the versions
// in use (at run time where the library can tell) and FFmpeg's licence.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace reelsnap {

// Name and version of FFmpeg and of every image codec library.
std::vector<std::pair<std::string, std::string>> LibraryVersions();

// The licence FFmpeg's libraries were built under ("GPL version 2 or later").
std::string FfmpegLicence();

}  // namespace reelsnap
