#include "files/file_system.h"
#include "platform/path_text.h"

#include <sys/stat.h>

#include <cerrno>

namespace reelsnap {
namespace {

std::int16_t StatusOfItem(const std::filesystem::path& item) {
    struct stat st {};
    if (::stat(item.c_str(), &st) == 0) return kNoErr;
    return errno == ENOENT || errno == ENOTDIR ? kFileNotFoundErr : kIoErr;
}

std::filesystem::path Normalized(const std::filesystem::path& item) {
    std::filesystem::path p = item.lexically_normal();
    if (!p.has_filename() && p.has_parent_path() && p != p.root_path()) p = p.parent_path();
    return p;
}

}  // namespace

std::int16_t NameOfRef(const std::filesystem::path& item, QString* name) {
    if (!name) return kParamErr;
    if (const std::int16_t status = StatusOfItem(item); status != kNoErr) return status;
    const std::filesystem::path p = Normalized(item);
    *name = p == p.root_path() ? QStringLiteral("/") : DisplayPath(p.filename());
    return kNoErr;
}

}  // namespace reelsnap
