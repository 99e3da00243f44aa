#include "cli/destinations.h"

#include "cli/cli_texts.h"

namespace reelsnap::cli {

Destinations::Destinations(const Options& options)
    : options_(options), folders_(MovieFolders(options.movies)) {}

std::variant<std::filesystem::path, Problem> Destinations::Of(std::size_t i) {
    const std::filesystem::path& movie = options_.movies[i];
    if (!options_.tree) {
        return options_.folderPerMovie ? options_.output / folders_[i] : options_.output;
    }
    const std::optional<std::filesystem::path> folder = TreeFolder(movie, *options_.tree);
    if (!folder) {
        return Problem{
            Text(CommandLine::tr("is not inside %1 (--tree)").arg(Quoted(*options_.tree)))};
    }
    // Two movies of one name that differ in their extension alone would
    // mix their frames.
    const auto [taken, fresh] = takenBy_.emplace(*folder, movie);
    if (!fresh) {
        return Problem{Text(CommandLine::tr("its folder %1 is that of %2")
                                .arg(Quoted(*folder), Quoted(taken->second)))};
    }
    return options_.output / *folder;
}

}  // namespace reelsnap::cli
