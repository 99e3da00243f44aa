// The parsers of what users type and list: times, frame and time lists,
// list files, name templates, ISO 6709 places, shares, tree folders and
// containers' creation times. The
// first byte chooses the parser, the rest is its text. Each must refuse or
// give a value within its documented range; none may crash, overflow or
// take time that grows faster than its input.
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "cli/list_syntax.h"
#include "cli/movie_list.h"
#include "extract/frame_selection.h"
#include "extract/output_naming.h"
#include "imaging/frame_story.h"
#include "movie/movie.h"

namespace {

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

void Times(std::string_view text) {
    if (const auto ns = reelsnap::ParseTime(text)) {
        Require(*ns >= 0 && *ns <= 1'000'000'000'000'000'000);
    }
    std::string bad;
    if (const auto times = reelsnap::cli::ParseTimeList(text, bad)) {
        for (const std::int64_t ns : *times) Require(ns >= 0);
    }
}

void IndexList(std::string_view text) {
    std::string bad;
    if (const auto ranges = reelsnap::cli::ParseIndexList(text, bad)) {
        for (const auto& [from, to] : *ranges) Require(from >= 1 && to >= from);
    }
}

void ListFile(std::string_view bytes, bool nulSeparated) {
    static const std::filesystem::path file = [] {
        std::string name = (std::filesystem::temp_directory_path() / "list-fuzz-XXXXXX").string();
        const int fd = mkstemp(name.data());
        Require(fd >= 0);
        close(fd);
        return std::filesystem::path(name);
    }();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), std::streamsize(bytes.size()));
    const reelsnap::cli::ListFile list = reelsnap::cli::ReadListFile(file, nulSeparated);
    for (const std::string& item : list.items) {
        Require(!item.empty() && item.find('\0') == std::string::npos);
        if (!nulSeparated) Require(item.find('\n') == std::string::npos && item.front() != '#');
    }
}

void NameTemplate(std::string_view text) {
    if (reelsnap::NameTemplateProblem(text)) return;
    reelsnap::FrameNaming naming;
    naming.nameTemplate = std::string(text);
    reelsnap::FrameFacts facts;
    facts.index = INT32_MAX;
    facts.frameCount = INT32_MAX;
    facts.timeNs = INT64_MAX;
    facts.pts = INT64_MIN;
    facts.position = INT32_MAX;
    const auto name = reelsnap::BuildFrameFileName(facts, naming);
    Require(name && name->size() <= 255 && name->find('/') == std::string::npos &&
            name->front() != '.');
}

void Place(std::string_view text) {
    if (const auto place = reelsnap::ParseIso6709(text)) {
        Require(std::fabs(place->latitude) <= 90 && std::fabs(place->longitude) <= 180);
        if (place->altitude) Require(std::isfinite(*place->altitude));
    }
}

void CreationTime(std::string_view text) {
    const std::string tag(text);
    if (const auto ns = reelsnap::CreationTimeOfTag(tag.c_str())) {
        // A day short of what nanoseconds hold, so that a frame's time added stays in range.
        constexpr std::int64_t kMost = INT64_MAX - 86'400'000'000'000;
        Require(*ns >= -kMost && *ns <= kMost);
    }
}

void Batch(std::string_view text) {
    if (const auto shard = reelsnap::cli::ParseShard(text)) {
        Require(shard->k >= 1 && shard->k <= shard->n);
    }
    const std::size_t split = text.find('\n');
    const std::string movie(text.substr(0, split));
    const std::string base(split == std::string_view::npos ? "" : text.substr(split + 1));
    if (movie.find('\0') != std::string::npos || base.find('\0') != std::string::npos) return;
    if (const auto folder = reelsnap::cli::TreeFolder(movie, base)) {
        Require(folder->is_relative() && *folder->begin() != "..");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 8) {
        case 0:
            Times(text);
            break;
        case 1:
            IndexList(text);
            break;
        case 2:
            ListFile(text, false);
            break;
        case 3:
            ListFile(text, true);
            break;
        case 4:
            NameTemplate(text);
            break;
        case 5:
            Place(text);
            break;
        case 7:
            CreationTime(text);
            break;
        default:
            Batch(text);
            break;
    }
    return 0;
}
