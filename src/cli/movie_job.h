// One movie of the command line: counted, or its frames extracted, and
// what is said of it.
#pragma once

#include <filesystem>

#include "cli/movie_outcome.h"
#include "cli/options.h"
#include "extract/frame_writer_pool.h"

namespace reelsnap::cli {

// Prints the movie's frame count unless records are asked for.
MovieOutcome CountMovie(const Options& options, const std::filesystem::path& movie);

// Writes the movie's selected frames into `destination`, made where it is
// missing (and taken away again when the movie fails before writing a frame).
MovieOutcome ExtractMovie(const Options& options, const std::filesystem::path& movie,
                          const std::filesystem::path& destination, FrameWriterPool& writers);

}  // namespace reelsnap::cli
