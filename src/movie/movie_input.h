// Opening a movie file with libavformat and reading its video packets, the
// same way for every context that reads the file.
#pragma once

#include <atomic>
#include <filesystem>

#include "movie/movie.h"
#include "platform/ffmpeg_raii.h"

namespace reelsnap {

// Reading and decoding give up on a movie after this many errors in a row:
// damage that long is no longer a glitch to skip.
inline constexpr int kMaxConsecutiveErrors = 64;

// The movie's file opened and probed, or nothing when it is no movie (a text
// file, an empty file, a folder). Every read fails once `interrupted` is set.
ff::InputContext OpenInput(const std::filesystem::path& path, std::atomic<bool>& interrupted,
                           MovieOpenFailure* failure = nullptr);

// The stream a player shows, or -1 when the movie has no video.
int FindVideoStream(AVFormatContext* input);

// Demuxes only that stream.
void KeepOnlyStream(AVFormatContext* input, int streamIndex);

// Reads on to the next packet of the stream: 0 with it in `packet` (the
// caller unrefs it), or a negative status at the end of the file, when
// interrupted, or after too many errors in a row.
int ReadStreamPacket(AVFormatContext* input, int streamIndex, AVPacket* packet);

// True for the MP4 and MOV family, whose index lists every sample.
bool IsMovFamily(const AVInputFormat* format);

}  // namespace reelsnap
