// The name of a file-system item, as a window shows it. Status codes are 0 or negative.
#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>

#include "platform/status_codes.h"

namespace reelsnap {

// The item's name as the file system holds it, in UTF-16 units.
std::int16_t NameOfRef(const std::filesystem::path& item, QString* name);

}  // namespace reelsnap
