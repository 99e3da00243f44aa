// Small queries on a file-system item: is it a folder, its name, its
// location. Status codes are 0 or negative.
#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>

#include "platform/status_codes.h"

namespace reelsnap {

// Where an item lives: its folder and its name.
struct FileSpec {
    std::filesystem::path folder;
    QString name;
};

// 0x10 for a folder, 0 for anything else, including an item that is gone.
int IsFolderRef(const std::filesystem::path& item);

// The item's name as the file system holds it, in UTF-16 units.
std::int16_t NameOfRef(const std::filesystem::path& item, QString* name);

std::int16_t SpecFromRef(const std::filesystem::path& item, FileSpec* spec);

}  // namespace reelsnap
