#include "fixtures.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <stdexcept>

extern "C" {
#include <libavutil/log.h>
}

namespace reelsnap::testing {
namespace fs = std::filesystem;

using Entry = FixtureEntry;

std::map<std::string, FixtureEntry> FixtureCatalog() {
    std::map<std::string, Entry> c;
    MovieSpec h264;
    h264.bFrames = 3;
    h264.gop = 12;
    h264.frames = 40;
    c["h264_mp4"] = {"h264.mp4", h264};
    MovieSpec mov = h264;
    mov.format = "mov";
    c["h264_mov"] = {"h264.mov", mov};
    // Frames that share a presentation time (5 and 6, 22 and 23, 40 to 42),
    // as FFmpeg's muxer leaves them from variable-rate B-frame video.
    MovieSpec shared = h264;
    shared.format = "mov";
    shared.bFrames = 2;
    shared.gop = 250;
    shared.frames = 60;
    shared.sharedTimes = {5, 22, 40, 41};
    c["shared_times_mov"] = {"shared_times.mov", shared};
    // 25 frames 0.1 ms apart: names by the millisecond cannot tell them apart.
    MovieSpec dense;
    dense.width = 160;
    dense.height = 120;
    dense.frames = 25;
    dense.frameRate = {10000, 1};
    c["dense_times_mp4"] = {"dense_times.mp4", dense};
    MovieSpec late = h264;
    late.firstFrameDelay = 10;
    late.frames = 20;
    c["late_start"] = {"late.mp4", late};
    MovieSpec vfr;
    vfr.format = "matroska";
    vfr.bFrames = 2;
    vfr.variableFrameRate = true;
    vfr.frames = 24;
    c["vfr_mkv"] = {"vfr.mkv", vfr};
    // Key frames at irregular, known indices only.
    MovieSpec keys;
    keys.frames = 40;
    keys.gop = 1000;
    keys.bFrames = 2;
    keys.width = 160;
    keys.height = 120;
    keys.keyFrames = {1, 7, 20, 33};
    c["keys_mp4"] = {"keys.mp4", keys};
    keys.format = "matroska";
    c["keys_mkv"] = {"keys.mkv", keys};
    keys.format = "mpegts";
    c["keys_ts"] = {"keys.ts", keys};
    // Shots cut at known frames, one of them a key frame (13).
    MovieSpec shots;
    shots.frames = 36;
    shots.width = 160;
    shots.height = 120;
    shots.cuts = {9, 13, 23, 30};
    c["shots_mp4"] = {"shots.mp4", shots};
    MovieSpec mjpeg;
    mjpeg.format = "avi";
    mjpeg.codec = "mjpeg";
    mjpeg.pixelFormat = AV_PIX_FMT_YUVJ420P;
    mjpeg.colorRange = AVCOL_RANGE_JPEG;
    mjpeg.width = 96;
    mjpeg.height = 64;
    mjpeg.frames = 250;
    c["mjpeg_250_avi"] = {"mjpeg250.avi", mjpeg};
    mjpeg.frames = 20;
    mjpeg.corruptFrames = {5, 12};
    c["corrupt_avi"] = {"corrupt.avi", mjpeg};
    MovieSpec audio;
    audio.audioOnly = true;
    c["audio_only"] = {"audio.wav", audio};
    MovieSpec rotated;
    rotated.clockwiseRotation = 90;
    rotated.frames = 6;
    c["rotated_90"] = {"rotated.mp4", rotated};
    // Containers and streams whose packets do not all carry presentation times.
    MovieSpec aviBFrames;
    aviBFrames.format = "avi";
    aviBFrames.codec = "mpeg4";
    aviBFrames.bFrames = 2;
    aviBFrames.frames = 40;
    c["mpeg4_bframes_avi"] = {"bframes.avi", aviBFrames};
    MovieSpec aviH264 = h264;
    aviH264.format = "avi";
    c["h264_bframes_avi"] = {"h264_bframes.avi", aviH264};
    MovieSpec programStream;
    programStream.format = "mpeg";
    programStream.codec = "mpeg2video";
    programStream.bFrames = 2;
    programStream.frames = 40;
    c["mpeg2_ps"] = {"program.mpg", programStream};
    MovieSpec rawH264 = h264;
    rawH264.format = "h264";
    c["h264_raw"] = {"raw.h264", rawH264};
    MovieSpec mirrored;
    mirrored.mirrorLeftRight = true;
    mirrored.frames = 3;
    c["mirrored_left_right"] = {"mirrored_lr.mp4", mirrored};
    mirrored.mirrorLeftRight = false;
    mirrored.mirrorTopBottom = true;
    c["mirrored_top_bottom"] = {"mirrored_tb.mp4", mirrored};
    mirrored.mirrorTopBottom = false;
    mirrored.mirrorLeftRight = true;
    mirrored.clockwiseRotation = 90;
    c["turned_and_mirrored"] = {"turned_mirrored.mp4", mirrored};
    // HDR as phones record it: BT.2020, 10 bits, PQ or HLG.
    MovieSpec pq;
    pq.knownColors = true;
    pq.frames = 3;
    pq.tagColorSpace = true;
    pq.codec = "libx265";
    pq.pixelFormat = AV_PIX_FMT_YUV420P10LE;
    pq.colorSpace = AVCOL_SPC_BT2020_NCL;
    pq.primaries = AVCOL_PRI_BT2020;
    pq.transfer = AVCOL_TRC_SMPTE2084;
    pq.crf = 4;
    c["hdr_pq"] = {"hdr_pq.mp4", pq};
    pq.implausibleMastering = true;
    c["hdr_pq_bad_mastering"] = {"hdr_pq_bad_mastering.mp4", pq};
    pq.implausibleMastering = false;
    MovieSpec hlg = pq;
    hlg.transfer = AVCOL_TRC_ARIB_STD_B67;
    c["hdr_hlg"] = {"hdr_hlg.mp4", hlg};
    MovieSpec interlaced;
    interlaced.format = "mpegts";
    interlaced.codec = "mpeg2video";
    interlaced.interlacedBars = true;
    interlaced.frames = 6;
    c["interlaced_mpeg2"] = {"interlaced.ts", interlaced};
    // Groups of 12 frames, so that a selection lands on a key frame and past it.
    // Moving grain: the deinterlacer's picture of a frame then depends on its neighbours.
    MovieSpec interlacedGroups = interlaced;
    interlacedGroups.interlacedBars = false;
    interlacedGroups.interlaced = true;
    interlacedGroups.noise = 24;
    interlacedGroups.frames = 30;
    c["interlaced_groups_ts"] = {"interlaced_groups.ts", interlacedGroups};
    // H.264 in MP4 whose stream says nothing of its fields: the frames do.
    MovieSpec interlacedH264;
    interlacedH264.interlaced = true;
    interlacedH264.noise = 24;
    interlacedH264.untaggedFieldOrder = true;
    interlacedH264.bFrames = 2;
    c["interlaced_h264_mp4"] = {"interlaced_h264.mp4", interlacedH264};
    MovieSpec interlacedH264Bars = interlaced;
    interlacedH264Bars.format = "mp4";
    interlacedH264Bars.codec = "libx264";
    interlacedH264Bars.untaggedFieldOrder = true;
    c["interlaced_h264_bars"] = {"interlaced_bars.mp4", interlacedH264Bars};
    MovieSpec ramp;
    ramp.pixelFormat = AV_PIX_FMT_YUV420P10LE;
    ramp.greyRamp = true;
    ramp.width = 256;
    ramp.height = 64;
    ramp.frames = 2;
    ramp.crf = 0;
    c["grey_ramp_10bit"] = {"ramp10.mp4", ramp};
    ramp.width = 1024;  // every one of the 877 levels from 64 to 940
    ramp.height = 16;
    ramp.frames = 1;
    c["grey_ramp_10bit_wide"] = {"ramp10wide.mp4", ramp};
    MovieSpec anamorphic;
    anamorphic.format = "mov";
    anamorphic.codec = "mpeg4";
    anamorphic.width = 720;
    anamorphic.height = 480;
    anamorphic.sampleAspectRatio = {32, 27};
    anamorphic.frames = 4;
    c["anamorphic"] = {"anamorphic.mov", anamorphic};
    MovieSpec bt709;
    bt709.knownColors = true;
    bt709.colorSpace = AVCOL_SPC_BT709;
    bt709.tagColorSpace = true;
    bt709.frames = 3;
    bt709.crf = 4;
    c["bt709_limited"] = {"bt709.mp4", bt709};
    MovieSpec sd = bt709;
    sd.colorSpace = AVCOL_SPC_SMPTE170M;
    sd.tagColorSpace = false;
    c["untagged_sd"] = {"untagged_sd.mp4", sd};
    MovieSpec hd = bt709;
    hd.tagColorSpace = false;
    hd.width = 1280;
    hd.height = 720;
    c["untagged_hd"] = {"untagged_hd.mp4", hd};
    // Plain yuv420p tagged full range: the VP9 decoder keeps it so, where
    // the H.264 and HEVC decoders turn it into yuvj420p.
    MovieSpec full = bt709;
    full.format = "webm";
    full.codec = "libvpx-vp9";
    full.colorRange = AVCOL_RANGE_JPEG;
    c["bt709_full"] = {"bt709_full.webm", full};
    // Deep and full range: the filter graph must not read it as limited.
    MovieSpec deepFull = bt709;
    deepFull.codec = "libx265";
    deepFull.pixelFormat = AV_PIX_FMT_YUV420P10LE;
    deepFull.colorRange = AVCOL_RANGE_JPEG;
    c["bt709_full_10bit"] = {"bt709_full_10bit.mp4", deepFull};
    // Odd on both sides: the last chroma sample of a row covers one column.
    MovieSpec odd = full;
    odd.colorRange = AVCOL_RANGE_MPEG;
    odd.width = 161;
    odd.height = 121;
    c["odd_size"] = {"odd_size.webm", odd};
    MovieSpec alpha;
    alpha.format = "mov";
    alpha.codec = "png";
    alpha.pixelFormat = AV_PIX_FMT_RGBA;
    alpha.translucent = true;
    alpha.frames = 4;
    c["alpha_png"] = {"alpha.mov", alpha};
    MovieSpec vp9Alpha = alpha;
    vp9Alpha.format = "webm";
    vp9Alpha.codec = "libvpx-vp9";
    vp9Alpha.pixelFormat = AV_PIX_FMT_YUVA420P;
    vp9Alpha.crf = 4;
    c["vp9_alpha"] = {"alpha.webm", vp9Alpha};
    MovieSpec prores;
    prores.format = "mov";
    prores.codec = "prores_ks";
    prores.pixelFormat = AV_PIX_FMT_YUV422P10LE;
    prores.frames = 4;
    c["prores_10bit"] = {"prores.mov", prores};
    MovieSpec faststart = h264;
    faststart.faststart = true;
    faststart.frames = 60;
    faststart.noise = 30;
    c["truncated"] = {"truncated.mp4", faststart};
    MovieSpec plain;
    plain.frames = 12;
    c["non_ascii"] = {"Fünf Bilder – 映画.mp4", plain};
    MovieSpec huge;
    huge.format = "matroska";
    huge.codec = "ffv1";
    huge.pixelFormat = AV_PIX_FMT_YUV420P;
    huge.width = 16400;
    huge.height = 16;
    huge.frames = 2;
    c["huge_frame"] = {"huge.mkv", huge};
    MovieSpec sparse;
    sparse.gop = 25;
    sparse.bFrames = 2;
    sparse.frames = 160;
    sparse.width = 160;
    sparse.height = 120;
    c["sparse_keys"] = {"sparse.mp4", sparse};
    // Long groups of pictures in containers whose seeks land where they land.
    MovieSpec sparseTs = sparse;
    sparseTs.format = "mpegts";
    sparseTs.gop = 60;
    c["sparse_ts"] = {"sparse.ts", sparseTs};
    MovieSpec sparseMkv = sparseTs;
    sparseMkv.format = "matroska";
    c["sparse_mkv"] = {"sparse.mkv", sparseMkv};
    // Long enough that counting it, one demuxing pass, takes a while.
    MovieSpec longMkv;
    longMkv.format = "matroska";
    longMkv.codec = "mjpeg";
    longMkv.pixelFormat = AV_PIX_FMT_YUVJ420P;
    longMkv.colorRange = AVCOL_RANGE_JPEG;
    longMkv.width = 32;
    longMkv.height = 32;
    longMkv.frames = 30000;
    c["long_mkv"] = {"long.mkv", longMkv};
    MovieSpec clip;
    clip.format = "mov";
    clip.width = 64;
    clip.height = 48;
    clip.frames = 120;
    c["clip_120"] = {"clip.mov", clip};
    // A creation time in the container.
    MovieSpec dated = clip;
    dated.frames = 3;
    dated.creationTime = "2021-03-04T05:06:07.000000Z";
    c["dated"] = {"dated.mov", dated};
    // And a place, south and west of Greenwich.
    MovieSpec placed = dated;
    placed.location = "-22.9519-043.2105+700.000/";
    c["placed"] = {"placed.mov", placed};
    // MPEG-2 in open groups: the B-frames that lead a group are shown before
    // its key frame, and refer to the group before it.
    MovieSpec openGroups;
    openGroups.format = "mpegts";
    openGroups.codec = "mpeg2video";
    openGroups.bFrames = 2;
    openGroups.gop = 9;
    openGroups.frames = 40;
    c["open_gop_mpeg2"] = {"open_gop.ts", openGroups};
    c["not_a_movie"] = {"notes.txt", {}};
    return c;
}

namespace {

Entry& Lookup(const std::string& name) {
    static std::map<std::string, Entry> catalog = FixtureCatalog();
    auto it = catalog.find(name);
    if (it == catalog.end()) throw std::runtime_error("no fixture " + name);
    return it->second;
}

}  // namespace

std::set<std::string> FileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

const fs::path& ScratchDir() {
    static const fs::path dir = [] {
        std::string templ = (fs::temp_directory_path() / "reelsnap-test-XXXXXX").string();
        if (!mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
        static fs::path made = templ;
        std::atexit([] {
            if (std::getenv("REELSNAP_KEEP_SCRATCH")) return;
            std::error_code ec;
            fs::remove_all(made, ec);
        });
        return made;
    }();
    return dir;
}

fs::path NewTempDir(const std::string& stem) {
    static int counter = 0;
    fs::path dir = ScratchDir() / (stem + "-" + std::to_string(++counter));
    fs::create_directories(dir);
    return dir;
}

const fs::path& Fixture(const std::string& name) {
    static std::map<std::string, fs::path> written;
    if (auto it = written.find(name); it != written.end()) return it->second;
    const Entry& e = Lookup(name);
    fs::path dir = ScratchDir() / "movies";
    fs::create_directories(dir);
    fs::path path = dir / fs::u8path(e.file);
    if (name == "not_a_movie") {
        std::ofstream(path) << "These are notes about a movie, not a movie.\n";
    } else {
        std::string error = WriteTestMovie(path, e.spec);
        if (!error.empty()) throw std::runtime_error(name + ": " + error);
        if (name == "truncated") fs::resize_file(path, fs::file_size(path) * 6 / 10);
    }
    return written.emplace(name, path).first->second;
}

int FixtureFrames(const std::string& name) {
    return Lookup(name).spec.frames;
}

}  // namespace reelsnap::testing

namespace {
// Encoders and decoders of the fixtures talk a lot; the tests read results, not logs.
const bool kQuietLibraries = [] {
    av_log_set_level(AV_LOG_QUIET);
    return true;
}();
}  // namespace

namespace reelsnap::testing {

ScopedConfigHome::ScopedConfigHome() : dir_(NewTempDir("config")) {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) {
        previous_ = old;
        hadPrevious_ = true;
    }
    setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
}

ScopedConfigHome::~ScopedConfigHome() {
    if (hadPrevious_) {
        setenv("XDG_CONFIG_HOME", previous_.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

void ReplacePreferencesFile(const fs::path& file, const std::string& json) {
    fs::create_directories(file.parent_path());
    const fs::path temporary = file.string() + ".new";
    std::ofstream(temporary) << json;
    fs::rename(temporary, file);
}

void ScopedConfigHome::WritePreferences(const std::string& json) const {
    ReplacePreferencesFile(preferencesFile(), json);
}

std::string ScopedConfigHome::ReadPreferences() const {
    std::ifstream in(preferencesFile());
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace reelsnap::testing
