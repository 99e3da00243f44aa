// Named test movies, written once per test process into a scratch folder.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "test_movies.h"

namespace reelsnap::testing {

// The scratch folder of this test process; removed at exit.
const std::filesystem::path& ScratchDir();

// A fresh empty folder inside the scratch folder.
std::filesystem::path NewTempDir(const std::string& stem);

// The names of the files in a folder.
std::set<std::string> FileNames(const std::filesystem::path& folder);

// The path of a named test movie, written on first use. Names:
// h264_mp4, h264_mov (B-frames), shared_times_mov (60 frames, pairs sharing a time),
// dense_times_mp4 (25 frames 0.1 ms apart), late_start, vfr_mkv, mjpeg_250_avi,
// audio_only, rotated_90, mirrored_left_right, mirrored_top_bottom,
// turned_and_mirrored (90 degrees, then left-right), grey_ramp_10bit, anamorphic,
// mpeg4_bframes_avi, h264_bframes_avi, mpeg2_ps, h264_raw (packets without
// presentation times), vp9_alpha, hdr_pq and hdr_hlg (known colours in BT.2020,
// 10 bits), hdr_pq_bad_mastering (hdr_pq, its mastering metadata absurd), interlaced_mpeg2,
// bt709_limited, bt709_full, untagged_sd, untagged_hd, alpha_png, prores_10bit, truncated,
// not_a_movie, non_ascii, grey_ramp_10bit_wide (1024 wide: every 10-bit level), placed (dated,
// recorded at -22.9519-043.2105+700), huge_frame, sparse_keys (every 50th frame wanted, key frame
// every 25), sparse_ts and sparse_mkv (160 frames, key frame every 60), long_mkv (30000 tiny
// frames), corrupt_avi (MJPEG, 20 frames, 5 and 12 do not decode).
const std::filesystem::path& Fixture(const std::string& name);

// The frame count the generator wrote for a named test movie.
int FixtureFrames(const std::string& name);

// Every named test movie: its file name and how it is written.
struct FixtureEntry {
    std::string file;
    MovieSpec spec;
};
std::map<std::string, FixtureEntry> FixtureCatalog();

}  // namespace reelsnap::testing

namespace reelsnap::testing {

// Replaces a preferences file with this text through a new file and a
// rename, as another process would.
void ReplacePreferencesFile(const std::filesystem::path& file, const std::string& json);

// Points XDG_CONFIG_HOME at a fresh folder for the life of the object, so
// that each test starts as a fresh user.
class ScopedConfigHome {
  public:
    ScopedConfigHome();
    ~ScopedConfigHome();
    ScopedConfigHome(const ScopedConfigHome&) = delete;
    ScopedConfigHome& operator=(const ScopedConfigHome&) = delete;

    const std::filesystem::path& dir() const { return dir_; }
    std::filesystem::path preferencesFile() const { return dir_ / "Ondrel" / "Reelsnap.json"; }
    // Replaces the preferences file with this text, as another process would.
    void WritePreferences(const std::string& json) const;
    std::string ReadPreferences() const;

  private:
    std::filesystem::path dir_;
    std::string previous_;
    bool hadPrevious_ = false;
};

}  // namespace reelsnap::testing
