// Where each movie's frames go.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <variant>
#include <vector>

#include "cli/movie_outcome.h"
#include "cli/options.h"

namespace reelsnap::cli {

// A movie's folder below the output as --tree says, its own folder where
// there are several, else the output itself.
class Destinations {
  public:
    explicit Destinations(const Options& options);

    // The folder of the i-th movie, or why it has none.
    std::variant<std::filesystem::path, Problem> Of(std::size_t i);

  private:
    const Options& options_;
    std::vector<std::filesystem::path> folders_;
    std::map<std::filesystem::path, std::filesystem::path> takenBy_;
};

}  // namespace reelsnap::cli
