// reelsnap-cli as a user runs it: batches, counts, existing files and the
// exit status, checked on the images it writes. The command line runs in
// this process, its output caught; what only a process shows (signals, the
// locale, bytes in argv, a closed output, a file size limit) runs it as one.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <avif/avif.h>
#include <sys/resource.h>
#include <exiv2/exiv2.hpp>

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>

#include <chrono>
#include <cmath>
#include <csignal>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

#include "cli/run_movies.h"
#include "platform/path_text.h"
#include "platform/translations.h"
#include "support/fixtures.h"
#include "support/image_files.h"
#include "support/test_movies.h"

namespace reelsnap {
namespace {
namespace fs = std::filesystem;
using namespace testing;
using ::testing::HasSubstr;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

// The bytes written to a file descriptor between its capture and `Take()`.
class Captured {
  public:
    explicit Captured(int fd) : fd_(fd), saved_(::dup(fd)), file_(std::tmpfile()) {
        ::dup2(::fileno(file_), fd_);
    }
    ~Captured() { Take(); }
    std::string Take() {
        if (!file_) return {};
        ::dup2(saved_, fd_);
        ::close(saved_);
        std::string bytes;
        std::rewind(file_);
        for (int c; (c = std::fgetc(file_)) != EOF;) bytes += char(c);
        std::fclose(std::exchange(file_, nullptr));
        return bytes;
    }

  private:
    int fd_;
    int saved_;
    std::FILE* file_;
};

// Runs the command line in this process.
Result RunCli(const QStringList& arguments) {
    std::fflush(stdout);
    Captured out(STDOUT_FILENO);
    Captured err(STDERR_FILENO);
    Result result;
    result.status = cli::RunArguments(QStringList{"reelsnap-cli"} + arguments);
    std::fflush(stdout);
    result.err = err.Take();
    result.out = out.Take();
    return result;
}

// Runs reelsnap-cli as a process, under the system locale `locale`.
Result RunProcess(const QStringList& arguments, const QString& locale) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANG", "LC_ALL", "LANGUAGE"}) env.insert(name, locale);
    process.setProcessEnvironment(env);
    process.start(REELSNAP_CLI, arguments);
    Result result;
    if (!process.waitForFinished(60000)) {
        process.kill();
        return result;
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

// Waits, 30 s at most, until the folder holds `count` files.
void WaitForFiles(const fs::path& folder, std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while ((!fs::exists(folder) || FileNames(folder).size() < count) &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

QString Path(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// The frame index each image file of the folder carries, by file name.
std::map<std::string, int> IndicesByName(const fs::path& folder) {
    std::map<std::string, int> indices;
    for (const std::string& name : FileNames(folder)) {
        auto image = DecodeImageFile(folder / name);
        indices[name] = image ? ReadFrameIndex(*image) : -1;
    }
    return indices;
}

// Several movies go into folders named after them, numbered for movies of
// one name; one that cannot be read fails, and the others are still done.
TEST(CommandLine, EachMovieIntoItsOwnFolder) {
    const fs::path in = NewTempDir("cli-same-names");
    fs::create_directories(in / "y");
    fs::copy_file(Fixture("clip_120"), in / "y" / "h264.mp4");
    const fs::path out = NewTempDir("cli-batch");
    const Result r =
        RunCli({"-o", Path(out), "--first", "2", "--last", "6", "--step", "2", "--type", "png",
                "--pad", Path(Fixture("h264_mp4")), Path(in / "y" / "h264.mp4"),
                Path(Fixture("not_a_movie")), Path(Fixture("h264_mp4"))});
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr(Fixture("not_a_movie").string() + ": not a movie"));
    EXPECT_EQ(FileNames(out), (std::set<std::string>{"h264", "h264 (2)", "h264 (3)"}));
    const std::map<std::string, int> expected = {
        {"frame_00000002.png", 2}, {"frame_00000004.png", 4}, {"frame_00000006.png", 6}};
    for (const char* folder : {"h264", "h264 (2)", "h264 (3)"}) {
        EXPECT_EQ(IndicesByName(out / folder), expected) << folder;
    }
    const auto width = [&](const char* folder) {
        const auto image = DecodeImageFile(out / folder / "frame_00000002.png");
        return image ? image->size().width : 0.0;
    };
    EXPECT_EQ(width("h264"), width("h264 (3)")) << "the first movie, twice";
    EXPECT_EQ(width("h264 (2)"), 64.0) << "the second movie's frames are its own";
    EXPECT_NE(width("h264"), 64.0);
}

TEST(CommandLine, SpeaksTheSystemsLanguage) {
    const Result german = RunProcess({"--step", "0", Path(Fixture("h264_mp4"))}, "de_DE.UTF-8");
    EXPECT_EQ(german.status, 2);
    EXPECT_EQ(german.err,
              "reelsnap-cli: --step erwartet eine Zahl von 1 bis 32767\n"
              "reelsnap-cli: siehe --help\n");
    const Result french = RunProcess({"--count", Path(Fixture("h264_mp4"))}, "fr_FR.UTF-8");
    EXPECT_EQ(french.out, Fixture("h264_mp4").string() + " : 40 images\n");
}

TEST(CommandLine, AnExistingFileIsKeptUnlessOverwriteIsGiven) {
    const fs::path out = NewTempDir("cli-existing");
    std::ofstream(out / "frame_2.jpg") << "mine";
    const QStringList arguments = {"-o", Path(out), "--last", "3", Path(Fixture("h264_mp4"))};
    const Result kept = RunCli(arguments);
    EXPECT_EQ(kept.status, 0) << kept.err;
    EXPECT_EQ(fs::file_size(out / "frame_2.jpg"), 4u);
    EXPECT_EQ(kept.err, Fixture("h264_mp4").string() +
                            ": 2 frames written, 1 kept\n"
                            "reelsnap-cli: kept 1 existing file; --overwrite replaces it\n");
    EXPECT_EQ(IndicesByName(out).at("frame_3.jpg"), 3);

    const Result replaced = RunCli(QStringList(arguments) << "--overwrite"
                                                          << "--quiet");
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(replaced.err, "");
    EXPECT_EQ(IndicesByName(out).at("frame_2.jpg"), 2);
}

// Files dated at the movie's own creation time (MOV keeps whole seconds)
// plus each frame's time, 25 frames a second.
TEST(CommandLine, PreservedDatesAreTheMoviesPlusEachFramesTime) {
    const fs::path out = NewTempDir("cli-tagged");
    ASSERT_EQ(
        RunCli({"-o", Path(out), "--last", "3", "--preserve-dates", Path(Fixture("dated"))}).status,
        0);
    const auto created = std::chrono::sys_days{std::chrono::year{2021} / 3 / 4} +
                         std::chrono::hours(5) + std::chrono::minutes(6) + std::chrono::seconds(7);
    EXPECT_EQ(std::chrono::file_clock::to_sys(fs::last_write_time(out / "frame_3.jpg")),
              created + std::chrono::milliseconds(80));
}

TEST(CommandLine, ProblemsAreNamedAndLeaveNothingBehind) {
    const fs::path out = NewTempDir("cli-problems");
    std::ofstream(out / "afile") << "x";
    const Result missing = RunCli({"-o", Path(out / "m"), "--quiet", Path(out / "gone.mp4"),
                                   Path(Fixture("audio_only")), Path(Fixture("h264_mp4"))});
    EXPECT_EQ(missing.status, 1);
    EXPECT_THAT(missing.err, HasSubstr("gone.mp4: No such file or directory"));
    EXPECT_THAT(missing.err, HasSubstr("audio.wav: no video stream"));
    EXPECT_EQ(FileNames(out / "m"), (std::set<std::string>{"h264"})) << "no empty folders";
    // Frames that decode but are too large for an image say so.
    const Result huge = RunCli({"-o", Path(out / "h"), Path(Fixture("huge_frame"))});
    EXPECT_EQ(huge.status, 1);
    EXPECT_THAT(huge.err, HasSubstr(": frame 1 is larger than 16384 pixels a side"));

    // A list without end is read only as far as the bound.
    EXPECT_THAT(RunCli({"--frames", "@/dev/zero", Path(Fixture("h264_mp4"))}).err,
                HasSubstr("--frames: “/dev/zero” is larger than 64 MiB"));

    const Result count = RunCli({"--count", Path(Fixture("audio_only"))});
    EXPECT_EQ(count.status, 1);
    EXPECT_EQ(count.out, "");

    const Result notAFolder = RunCli({"-o", Path(out / "afile"), Path(Fixture("h264_mp4"))});
    EXPECT_EQ(notAFolder.status, 1);
    EXPECT_THAT(notAFolder.err, HasSubstr("cannot make the folder “" + (out / "afile").string() +
                                          "”: Not a directory"));

    // An empty selection says why; "jpg" is "jpeg".
    const Result past = RunCli(
        {"-o", Path(out / "past"), "--first", "100", "--type", "jpg", Path(Fixture("h264_mp4"))});
    EXPECT_EQ(past.status, 0) << past.err;
    const std::string movie = Fixture("h264_mp4").string();
    EXPECT_EQ(past.err, "reelsnap-cli: " + movie +
                            ": nothing selected: frames from 100 on were asked for, and the movie "
                            "has 40 frames\n" +
                            movie + ": 0 frames written\n");
    const Result one = RunCli(
        {"-o", Path(out / "one"), "--last", "1", "--type", "tif", Path(Fixture("h264_mp4"))});
    EXPECT_EQ(one.err, movie + ": 1 frame written\n");
    EXPECT_EQ(ImageCodecName(out / "one" / "frame_1.tif"), "tiff");
}

// A write that fails once its temporary file is open (the file size limit
// of the process) names the file, and leaves no temporary file.
TEST(CommandLine, AWriteThatFailsMidwayLeavesNoTemporaryFile) {
    const fs::path out = NewTempDir("cli-fsize");
    QProcess process;
    process.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(REELSNAP_CLI, {"-o", Path(out), "--last", "4", "--type", "bmp", "--jobs", "1",
                                 Path(Fixture("h264_mp4"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    const std::string err = process.readAllStandardError().toStdString();
    EXPECT_THAT(
        err, HasSubstr("could not write “" + (out / "frame_1.bmp").string() + "”: File too large"));
    EXPECT_THAT(err, HasSubstr("0 frames written, "));
    EXPECT_EQ(FileNames(out), std::set<std::string>{});
}

// SIGTERM ends a run as Ctrl+C does: after the frame in progress, every
// file complete, no temporary file left, the movie's record says it
// stopped, and the exit status is 128 + 15.
TEST(CommandLine, TerminationEndsTheRunWithCompleteFiles) {
    const fs::path out = NewTempDir("cli-term");
    QProcess process;
    // Lossless JPEG 2000 takes tens of milliseconds a frame: the signal comes midway.
    process.start(REELSNAP_CLI, {"-o", Path(out), "--type", "jp2", "--quality", "max", "--jobs",
                                 "1", "--json", Path(Fixture("h264_mp4"))});
    ASSERT_TRUE(process.waitForStarted());
    WaitForFiles(out, 2);
    ::kill(pid_t(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "it ends, it is not killed";
    EXPECT_EQ(process.exitCode(), 143);
    const std::string records = process.readAllStandardOutput().toStdString();
    EXPECT_THAT(records, HasSubstr("\"status\": \"stopped\""));
    EXPECT_NE(process.readAllStandardError().toStdString().find(": interrupted"),
              std::string::npos);
    const auto names = FileNames(out);
    EXPECT_LT(names.size(), 40u);
    for (const std::string& name : names) {
        EXPECT_TRUE(name.starts_with("frame_")) << name;
        EXPECT_TRUE(DecodeImageFile(out / name)) << name << " is complete";
    }
}

// Runs a shell command line with the names' bytes, which QProcess would
// pass through the locale's encoding.
Result RunShell(const std::string& script) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CLI", REELSNAP_CLI);
    process.setProcessEnvironment(env);
    process.start("bash", {"-c", QString::fromStdString(script)});
    Result result;
    if (!process.waitForFinished(60000)) return result;
    result.status = process.exitCode();
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    return result;
}

TEST(CommandLine, RecordsThatCannotBeWrittenFailTheRun) {
    const std::string movie = "'" + Fixture("clip_120").string() + "'";
    const fs::path full = NewTempDir("cli-full");
    Result r = RunShell("\"$CLI\" --json --type png --last 3 -o '" + full.string() + "' " + movie +
                        " > /dev/full");
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_THAT(r.err, HasSubstr("could not write to standard output: No space left on device"));
    // A reader that goes away ends the run as SIGTERM would: every file
    // complete, no temporary file left, the status of SIGPIPE.
    const fs::path piped = NewTempDir("cli-pipe");
    r = RunShell("\"$CLI\" --json --type png --jobs 4 -o '" + piped.string() + "' " + movie +
                 " | head -1 > /dev/null; echo ${PIPESTATUS[0]}");
    EXPECT_EQ(r.out, "141\n") << r.err;
    EXPECT_THAT(r.err, HasSubstr("Broken pipe"));
    const auto indices = IndicesByName(piped);
    EXPECT_LT(indices.size(), 120u);
    for (const auto& [name, index] : indices) {
        EXPECT_NE(name[0], '.') << name;
        EXPECT_GE(index, 1) << name;
    }
}

TEST(CommandLine, NamesAreBytesNotText) {
    const fs::path dir = NewTempDir("cli-bytes");
    const std::string latin1 = "latin1-\xe9";
    fs::copy_file(Fixture("h264_mp4"), dir / (latin1 + ".mp4"));
    const std::string quoted = "'" + dir.string() + "'/";
    const Result r = RunShell("\"$CLI\" --last 2 -o " + quoted + "\"$(printf 'dest-\\xe9')\" " +
                              quoted + "\"$(printf 'latin1-\\xe9.mp4')\"");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, dir.string() + "/latin1-\\xE9.mp4: 2 frames written\n")
        << "printable, and the same bytes";
    EXPECT_EQ(IndicesByName(dir / "dest-\xe9"),
              (std::map<std::string, int>{{"frame_1.jpg", 1}, {"frame_2.jpg", 2}}));
    const Result count =
        RunShell("\"$CLI\" --count " + quoted + "\"$(printf 'latin1-\\xe9.mp4')\"");
    EXPECT_EQ(count.out, dir.string() + "/latin1-\\xE9.mp4: 40 frames\n") << count.err;
}

// Started under nohup (SIGHUP ignored), a hangup does not stop the run.
TEST(CommandLine, AHangupIgnoredAtStartStaysIgnored) {
    const fs::path out = NewTempDir("cli-nohup");
    QProcess process;
    process.setChildProcessModifier([] { std::signal(SIGHUP, SIG_IGN); });
    process.start(REELSNAP_CLI, {"-o", Path(out), "--type", "jp2", "--quality", "max", "--jobs",
                                 "1", "--quiet", Path(Fixture("h264_mp4"))});
    ASSERT_TRUE(process.waitForStarted());
    WaitForFiles(out, 2);
    ::kill(pid_t(process.processId()), SIGHUP);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_EQ(FileNames(out).size(), 40u);
}
// The JSON records of standard output, one a line.
std::vector<QJsonObject> Records(const std::string& out) {
    std::vector<QJsonObject> records;
    std::size_t start = 0;
    for (std::size_t end; (end = out.find('\n', start)) != std::string::npos; start = end + 1) {
        QJsonParseError error;
        const auto line = QByteArray::fromStdString(out.substr(start, end - start));
        const QJsonDocument document = QJsonDocument::fromJson(line, &error);
        EXPECT_TRUE(document.isObject()) << line.toStdString();
        records.push_back(document.object());
    }
    return records;
}

// Runs the movie with these selection options into a fresh folder; the
// index each written file carries, by name.
std::map<std::string, int> Selected(const std::string& fixture, const QStringList& options,
                                    Result* result = nullptr) {
    const fs::path out = NewTempDir("cli-select");
    const Result r = RunCli(QStringList{"-o", Path(out), "--type", "png"} + options +
                            QStringList{Path(Fixture(fixture))});
    EXPECT_EQ(r.status, 0) << r.err;
    if (result) *result = r;
    return IndicesByName(out);
}

// The files frame_N.png for these indices, each carrying its own index.
std::map<std::string, int> Frames(std::initializer_list<int> indices) {
    std::map<std::string, int> files;
    for (const int i : indices) files["frame_" + std::to_string(i) + ".png"] = i;
    return files;
}

// The variable-frame-rate movie's frames last 37, 54, 71, 20, 37 ... ms:
// frame i + 1 begins 20 + 17 (i mod 4) ms after frame i, the first at 0.
std::vector<int> VfrFrameTimesMs() {
    std::vector<int> times{0};
    for (int i = 1; i < 24; ++i) times.push_back(times.back() + 20 + 17 * (i % 4));
    return times;
}

TEST(Selection, TimesTakeTheFrameShownAtEachTime) {
    const std::vector<int> ms = VfrFrameTimesMs();  // frame 3 at 91 ms, frame 4 at 162 ms
    ASSERT_EQ(ms[2], 91);
    Result r;
    // Exactly at a frame's time shows that frame, just before it the one before;
    // unsorted and repeated times give each frame once; times past the end are counted.
    EXPECT_EQ(Selected("vfr_mkv", {"--times", "0.162,0.091,0.090,0.161,0.0911,0:00:00.162,9"}, &r),
              Frames({2, 3, 4}));
    EXPECT_THAT(r.err, HasSubstr("1 listed past the movie's end"));

    // Every 0.1 s from the first frame's time: the frame shown at 0, 0.1, 0.2 ...
    std::vector<int> expected;
    for (int t = 0; t < ms.back() + 37; t += 100) {
        const int shown = int(std::upper_bound(ms.begin(), ms.end(), t) - ms.begin());
        if (expected.empty() || expected.back() != shown) expected.push_back(shown);
    }
    std::map<std::string, int> files;
    for (const int i : expected) files["frame_" + std::to_string(i) + ".png"] = i;
    EXPECT_EQ(Selected("vfr_mkv", {"--every-seconds", "0.1"}), files);
    // From --first on: t0 is frame 5's time (182 ms); 382 ms shows frame 9 (364 ms).
    EXPECT_EQ(Selected("vfr_mkv", {"--every-seconds", "0:00.2", "--first", "5", "--last", "9"}),
              Frames({5, 9}));
    // From frame 6 (219 ms): 419 ms shows frame 10, 619 ms frame 14, 819 ms
    // frame 19 (counted from the movie's start: 9, 13, 18).
    EXPECT_EQ(Selected("vfr_mkv", {"--every-seconds", "0.2", "--first", "6", "--last", "20"}),
              Frames({6, 10, 14, 19}));
    // Times count from the first frame, wherever the container's clock
    // starts (1.4 s in a transport stream), as players and ffmpeg -ss count.
    EXPECT_EQ(Selected("keys_ts", {"--times", "0,0.4"}), Frames({1, 11}));
    EXPECT_EQ(Selected("keys_ts", {"--first", "11", "--last", "11", "--name", "{time}"}),
              (std::map<std::string, int>{{"00-00-00.400.png", 11}}));
}

TEST(Selection, KeyFramesAreTheKeyFramesInEveryContainer) {
    for (const char* fixture : {"keys_mp4", "keys_mkv", "keys_ts"}) {
        SCOPED_TRACE(fixture);
        Result r;
        EXPECT_EQ(Selected(fixture, {"--key-frames", "--json"}, &r), Frames({1, 7, 20, 33}));
        EXPECT_EQ(Records(r.out).back()["decoded"], 4) << "the key frames and nothing else";
        EXPECT_EQ(Selected(fixture, {"--key-frames", "--first", "2", "--last", "20"}),
                  Frames({7, 20}));
    }
}

TEST(Selection, SpreadAndListsWithinTheRange) {
    // 40 frames: one spread frame is the middle one; as many as frames, each once.
    EXPECT_EQ(Selected("h264_mp4", {"--spread", "1"}), Frames({21}));
    EXPECT_EQ(Selected("h264_mp4", {"--spread", "4"}), Frames({6, 16, 26, 36}));
    EXPECT_EQ(Selected("h264_mp4", {"--spread", "3", "--first", "11", "--last", "19"}),
              Frames({12, 15, 18}));
    EXPECT_EQ(Selected("h264_mp4", {"--spread", "100", "--first", "37"}).size(), 4u);
    // Past the end of 40 frames: the three listed, not the range's end less the count.
    Result r;
    EXPECT_TRUE(Selected("h264_mp4", {"--frames", "50-52"}, &r).empty());
    EXPECT_THAT(r.err, HasSubstr("3 listed past the movie's end"));

    EXPECT_EQ(Selected("h264_mp4", {"--frames", "30,2, 5-7,6,38-45"}, &r),
              Frames({2, 5, 6, 7, 30, 38, 39, 40}));
    EXPECT_THAT(r.err, HasSubstr("5 listed past the movie's end"));
    const fs::path list = NewTempDir("cli-list") / "frames.txt";
    std::ofstream(list) << "# frames from an edit list\n12\n\n  3-4\n#40\n12\n";
    EXPECT_EQ(Selected("h264_mp4", {"--frames", "@" + Path(list), "--last", "11"}), Frames({3, 4}));
}

// The shots of the movie cut at frames 9, 13 (a key frame), 23 and 30, by
// file: the shot whose brightness each file has (-1 for none).
std::map<std::string, int> ShotsOfScenes(const QStringList& options) {
    const fs::path out = NewTempDir("cli-scenes");
    const Result r = RunCli(QStringList{"-o", Path(out), "--type", "png", "--scenes"} + options +
                            QStringList{Path(Fixture("shots_mp4"))});
    EXPECT_EQ(r.status, 0) << r.err;
    std::map<std::string, int> shots;
    for (const std::string& name : FileNames(out)) {
        const auto image = DecodeImageFile(out / name);
        double sum = 0;
        for (int y = 0; image && y < image->height(); ++y) {
            for (int x = 0; x < image->width(); ++x) sum += image->row(y)[4 * x + 1];
        }
        const double mean = image ? sum / (image->width() * image->height()) : -100;
        shots[name] = -1;
        for (int shot = 0; shot < 5; ++shot) {
            // The faint grid lifts the shot's grey by at most 12.
            if (std::abs(mean - ShotBrightness(shot) - 6) < 8) shots[name] = shot;
        }
    }
    return shots;
}

TEST(Selection, ScenesBeginAtTheCuts) {
    using Shots = std::map<std::string, int>;
    EXPECT_EQ(ShotsOfScenes({}), (Shots{{"frame_1.png", 0},
                                        {"frame_9.png", 1},
                                        {"frame_13.png", 2},
                                        {"frame_23.png", 3},
                                        {"frame_30.png", 4}}));
    EXPECT_EQ(
        ShotsOfScenes({"--first", "10"}),
        (Shots{
            {"frame_10.png", 1}, {"frame_13.png", 2}, {"frame_23.png", 3}, {"frame_30.png", 4}}));
    EXPECT_EQ(ShotsOfScenes({"--scene-threshold", "100"}), (Shots{{"frame_1.png", 0}}));
    // A score at the threshold is a scene: at 0, every frame of a still movie.
    EXPECT_EQ(Selected("bt709_limited", {"--scenes", "--scene-threshold", "0"}).size(),
              std::size_t(FixtureFrames("bt709_limited")));
}

TEST(Selection, NamesByTemplate) {
    const fs::path out = NewTempDir("cli-names");
    const Result r = RunCli({"-o", Path(out), "--type", "png", "--times", "0.1,0.2", "--name",
                             "{movie}_{time}_{index:3}_{n}", Path(Fixture("vfr_mkv"))});
    ASSERT_EQ(r.status, 0) << r.err;
    // 0.1 s shows frame 3 (91 ms), 0.2 s frame 5 (182 ms).
    EXPECT_EQ(IndicesByName(out), (std::map<std::string, int>{{"vfr_00-00-00.091_003_1.png", 3},
                                                              {"vfr_00-00-00.182_005_2.png", 5}}));
}

TEST(Selection, ANameTwoFramesWouldTakeIsAFailedWriteNamingBoth) {
    // Frames 0.1 ms apart, named by the millisecond: frame 2 takes frame 1's
    // name. Nothing is lost in silence or counted as kept.
    const fs::path out = NewTempDir("cli-clash");
    const Result r = RunCli({"-o", Path(out), "--type", "png", "--name", "{ms}", "--json",
                             Path(Fixture("dense_times_mp4"))});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_THAT(r.err, HasSubstr("frame 2 has the same name as frame 1"));
    EXPECT_EQ(r.err.find("kept"), std::string::npos) << r.err;
    EXPECT_THAT(r.out, HasSubstr("\"written\": 1, \"kept\": 0"));
    EXPECT_THAT(r.out, HasSubstr("\"failed_frames\": 1,"));
    EXPECT_EQ(IndicesByName(out), (std::map<std::string, int>{{"0.png", 1}}));
}

// The command line as the unit of a batch job: lists, shards, folders by
// the movie's path, records and resuming.

std::vector<QJsonObject> MovieRecords(const std::vector<QJsonObject>& records) {
    std::vector<QJsonObject> movies;
    std::copy_if(records.begin(), records.end(), std::back_inserter(movies),
                 [](const QJsonObject& r) { return r.contains("status"); });
    return movies;
}

// A record's path: its bytes as written, whatever they are.
fs::path PathIn(const QJsonObject& record, const char* key) {
    return PathOfText(record[key].toString());
}

// Every file below the folder, relative to it, with its bytes.
std::map<fs::path, std::string> FilesBelow(const fs::path& folder) {
    std::map<fs::path, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path().lexically_relative(folder)] =
            std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

TEST(Batch, TreeWritesOnlyBelowTheOutputWhateverTheNames) {
    const fs::path dir = NewTempDir("batch-tree");
    const std::string odd = "spaced name\nnewline \xe9";
    fs::create_directories(dir / "movies" / odd);
    fs::copy_file(Fixture("keys_mp4"), dir / "movies" / odd / "clip.mp4");
    fs::copy_file(Fixture("keys_mp4"), dir / "outside.mp4");
    fs::copy_file(Fixture("keys_mp4"), dir / "movies" / "../movies.mp4");
    std::ofstream(dir / "list", std::ios::binary)
        << (dir / "movies" / odd / "clip.mp4").string() << '\0' << (dir / "outside.mp4").string()
        << '\0' << (dir / "movies" / ".." / "movies.mp4").string() << '\0';
    const Result r = RunCli({"--from", Path(dir / "list"), "--null", "--tree", Path(dir / "movies"),
                             "-o", Path(dir / "out"), "--last", "1", "--json"});
    EXPECT_EQ(r.status, 1) << "movies outside the tree fail";
    const auto files = FilesBelow(dir / "out");
    EXPECT_EQ(files.size(), 1u);
    EXPECT_TRUE(files.contains(fs::path(odd) / "clip" / "frame_1.jpg"));
    const std::vector<QJsonObject> records = Records(r.out);
    ASSERT_EQ(records.size(), 4u) << r.out;
    EXPECT_EQ(PathIn(records[0], "file"), dir / "out" / odd / "clip" / "frame_1.jpg")
        << "the bytes of the name, not dropped";
    EXPECT_EQ(PathIn(records[1], "movie"), dir / "movies" / odd / "clip.mp4");
    EXPECT_EQ(records[2]["status"], "failed");
    EXPECT_EQ(records[3]["status"], "failed");
    EXPECT_THAT(r.err, HasSubstr("outside.mp4: is not inside"));
}

TEST(Batch, RecordsAreTheFilesAndAFrameThatDoesNotDecodeFailsTheRun) {
    const fs::path out = NewTempDir("batch-records");
    const Result r =
        RunCli({"-o", Path(out), "--type", "png", "--json", Path(Fixture("corrupt_avi"))});
    EXPECT_EQ(r.status, 1);
    EXPECT_THAT(r.err, HasSubstr(": frame 5 could not be decoded\n"));
    EXPECT_THAT(r.err, HasSubstr(": frame 12 could not be decoded\n"));
    const std::vector<QJsonObject> records = Records(r.out);
    ASSERT_FALSE(records.empty());
    std::set<std::string> recorded;
    for (const QJsonObject& frame : records) {
        if (frame.contains("status")) continue;
        const fs::path file = PathIn(frame, "file");
        recorded.insert(file.filename());
        const auto image = DecodeImageFile(file);
        ASSERT_TRUE(image) << file;
        EXPECT_EQ(ReadFrameIndex(*image), frame["index"].toInt());
        EXPECT_NEAR(frame["time"].toDouble(), (frame["index"].toInt() - 1) / 25.0, 1e-9);
        EXPECT_EQ(frame["key_frame"], true);
    }
    EXPECT_EQ(recorded, FileNames(out)) << "a record for every file, a file for every record";
    const QJsonObject movie = records.back();
    EXPECT_EQ(movie["status"], "failed");
    EXPECT_EQ(movie["selected"], 20);
    EXPECT_EQ(movie["written"], 18);
    EXPECT_EQ(movie["failed_frames"], 2);
    EXPECT_GE(movie["decode_errors"].toInt(), 2);
    EXPECT_EQ(movie["written"].toInt() + movie["kept"].toInt() + movie["skipped"].toInt() +
                  movie["failed_frames"].toInt(),
              movie["selected"].toInt());

    // Names that JSON escapes come back as they are.
    const fs::path odd = NewTempDir("batch-odd") / "a\\b \"c\"\t.mp4";
    fs::copy_file(Fixture("h264_mp4"), odd);
    const Result o =
        RunCli({"-o", Path(odd.parent_path() / "out"), "--json", "--last", "1", Path(odd)});
    ASSERT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(Records(o.out).back()["movie"].toString().toStdString(), odd.string());
}

// Killed midway and run again, a job ends with the files of a run that was
// never killed, decoding for the missing frames alone; run once more, it
// decodes nothing.
TEST(Batch, ARunAgainFinishesExactlyWhatAKilledOneLeft) {
    const fs::path dir = NewTempDir("batch-resume");
    const QStringList options = {"--type", "jp2",     "--quality",
                                 "max",    "--jobs",  "1",
                                 "--json", "--quiet", Path(Fixture("h264_mp4"))};
    ASSERT_EQ(RunCli(QStringList{"-o", Path(dir / "whole")} + options).status, 0);

    QProcess killed;
    killed.start(REELSNAP_CLI, QStringList{"-o", Path(dir / "out")} + options);
    ASSERT_TRUE(killed.waitForStarted());
    WaitForFiles(dir / "out", 12);
    ::kill(pid_t(killed.processId()), SIGKILL);
    ASSERT_TRUE(killed.waitForFinished(30000));
    std::size_t left = 0;
    for (const std::string& name : FileNames(dir / "out")) left += name.starts_with("frame_");
    ASSERT_LT(left, 40u) << "killed midway";

    const Result again = RunCli(QStringList{"-o", Path(dir / "out")} + options);
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(FilesBelow(dir / "out"), FilesBelow(dir / "whole"))
        << "the same bytes, no part files";
    const QJsonObject movie = MovieRecords(Records(again.out)).at(0);
    EXPECT_EQ(movie["kept"], int(left));
    EXPECT_EQ(movie["written"], 40 - int(left));
    EXPECT_EQ(movie["written"].toInt() + movie["kept"].toInt() + movie["skipped"].toInt(), 40)
        << "kept frames are not also skipped";
    // From the key frame before the first missing frame on: at most a group of pictures more.
    EXPECT_LE(movie["decoded"].toInt(), 40 - int(left) + 12);

    const Result finished = RunCli(QStringList{"-o", Path(dir / "out")} + options);
    EXPECT_EQ(finished.status, 0) << finished.err;
    const QJsonObject none = MovieRecords(Records(finished.out)).at(0);
    EXPECT_EQ(none["kept"], 40);
    EXPECT_EQ(none["skipped"], 0);
    EXPECT_EQ(none["decoded"], 0) << "an MP4's frames are found without decoding";
}

// The distinct values of the red channel along the middle row.
std::set<int> LevelsOfMiddleRow(const Image& image) {
    std::set<int> levels;
    const int y = image.height() / 2;
    for (int x = 0; x < image.width(); ++x) {
        levels.insert(image.isDeep() ? reinterpret_cast<const std::uint16_t*>(image.row(y))[4 * x]
                                     : image.row(y)[4 * x]);
    }
    return levels;
}

// A 10-bit ramp through all 877 of its levels keeps every one at 16 bits, in
// PNG and TIFF, at its own size and scaled; at 8 bits, or from an 8-bit
// movie, the files are 8-bit.
TEST(CommandLine, SixteenBitsKeepEveryLevelOfADeepMovie) {
    const fs::path ramp = Fixture("grey_ramp_10bit_wide");
    for (const char* type : {"png", "tiff"}) {
        SCOPED_TRACE(type);
        const fs::path out = NewTempDir("cli-deep");
        ASSERT_EQ(
            RunCli({"-o", Path(out / "16"), "--type", type, "--depth", "16", Path(ramp)}).status,
            0);
        const std::string name =
            std::string("frame_1.") + (type == std::string("png") ? "png" : "tif");
        EXPECT_EQ(ImageBitsPerChannel(out / "16" / name), 16);
        const auto deep = DecodeImageFile16(out / "16" / name);
        ASSERT_TRUE(deep);
        EXPECT_EQ(LevelsOfMiddleRow(*deep).size(), 877u) << "no two levels merged";

        ASSERT_EQ(RunCli({"-o", Path(out / "8"), "--type", type, Path(ramp)}).status, 0);
        EXPECT_EQ(ImageBitsPerChannel(out / "8" / name), 8);
        EXPECT_LE(LevelsOfMiddleRow(*DecodeImageFile16(out / "8" / name)).size(), 256u);

        ASSERT_EQ(RunCli({"-o", Path(out / "half"), "--type", type, "--depth", "16", "--scale",
                          "50", Path(ramp)})
                      .status,
                  0);
        EXPECT_EQ(ImageBitsPerChannel(out / "half" / name), 16);
        EXPECT_GT(LevelsOfMiddleRow(*DecodeImageFile16(out / "half" / name)).size(), 256u);

        ASSERT_EQ(RunCli({"-o", Path(out / "sdr"), "--type", type, "--depth", "16", "--last", "1",
                          Path(Fixture("h264_mp4"))})
                      .status,
                  0);
        EXPECT_EQ(ImageBitsPerChannel(out / "sdr" / name), 8) << "an 8-bit movie stays 8-bit";
    }
}

struct Story {
    std::map<std::string, std::string> tags;  // EXIF and XMP keys and values as text
    double latitude = 0, longitude = 0;
};

double Degrees(const Exiv2::Value& value) {
    return value.toFloat(0) + value.toFloat(1) / 60 + value.toFloat(2) / 3600;
}

// The file's EXIF and XMP, read by exiv2.
std::optional<Story> ReadStory(const fs::path& file) {
    Exiv2::enableBMFF();
    try {
        auto image = Exiv2::ImageFactory::open(file.string());
        image->readMetadata();
        Story story;
        for (const auto& datum : image->exifData()) story.tags[datum.key()] = datum.toString();
        for (const auto& datum : image->xmpData()) story.tags[datum.key()] = datum.toString();
        const auto& exif = image->exifData();
        if (auto it = exif.findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude")); it != exif.end()) {
            story.latitude = Degrees(it->value());
        }
        if (auto it = exif.findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLongitude")); it != exif.end()) {
            story.longitude = Degrees(it->value());
        }
        return story;
    } catch (const Exiv2::AnyError& error) {
        ADD_FAILURE() << file << ": " << error.what();
        return std::nullopt;
    }
}

// Frame 2 of a movie recorded at 05:06:07 UTC south and west of
// Greenwich, under a name that is not ASCII, tells its story in every type
// that takes one; a movie without a creation time or a place tells no date
// or place.
TEST(CommandLine, MetadataTellsTheFramesStory) {
    const fs::path dir = NewTempDir("cli-story");
    const std::string name = "Café 東京.mov";
    fs::copy_file(Fixture("placed"), dir / name);
    for (const char* type : {"jpeg", "png", "tiff", "webp", "jp2", "avif", "jxl"}) {
        SCOPED_TRACE(type);
        const fs::path out = dir / type;
        const Result r = RunCli({"-o", Path(out), "--type", type, "--metadata", "--first", "2",
                                 "--last", "2", QString::fromStdString((dir / name).string())});
        ASSERT_EQ(r.status, 0) << r.err;
        ASSERT_EQ(FileNames(out).size(), 1u);
        const fs::path file = out / *FileNames(out).begin();
        ASSERT_TRUE(DecodeImageFile(file)) << "still an image";
        auto story = ReadStory(file);
        ASSERT_TRUE(story);
        EXPECT_EQ(story->tags["Exif.Photo.DateTimeOriginal"], "2021:03:04 05:06:07");
        EXPECT_EQ(story->tags["Exif.Photo.SubSecTimeOriginal"], "040") << "1/25 s on";
        EXPECT_EQ(story->tags["Exif.Photo.OffsetTimeOriginal"], "+00:00");
        EXPECT_TRUE(story->tags["Exif.Image.Software"].starts_with("Reelsnap "));
        EXPECT_EQ(story->tags["Exif.GPSInfo.GPSLatitudeRef"], "S");
        EXPECT_EQ(story->tags["Exif.GPSInfo.GPSLongitudeRef"], "W");
        EXPECT_NEAR(story->latitude, 22.9519, 1e-4);
        EXPECT_NEAR(story->longitude, 43.2105, 1e-4);
        EXPECT_EQ(story->tags["Xmp.dc.source"], name);
        EXPECT_EQ(story->tags["Xmp.reelsnap.FrameIndex"], "2");
        EXPECT_EQ(story->tags["Xmp.reelsnap.FrameTime"], "0.040");
        if (std::string(type) == "png") {
            // The standard chunk, which browsers and libpng read.
            std::ifstream in(file, std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), {}};
            EXPECT_THAT(bytes, HasSubstr("eXIf"));
            EXPECT_EQ(bytes.find("Raw profile type exif"), std::string::npos);
        }
    }
    for (const char* fixture : {"dated", "h264_mp4"}) {
        const fs::path out = dir / fixture;
        ASSERT_EQ(
            RunCli({"-o", Path(out), "--metadata", "--last", "1", Path(Fixture(fixture))}).status,
            0);
        const auto story = ReadStory(out / "frame_1.jpg");
        ASSERT_TRUE(story);
        EXPECT_FALSE(story->tags.contains("Exif.GPSInfo.GPSLatitude")) << fixture;
        EXPECT_EQ(story->tags.contains("Exif.Photo.DateTimeOriginal"),
                  fixture == std::string("dated"));
    }
    // A date nanoseconds cannot hold and a place off the globe are left out, and said.
    MovieSpec far;
    far.format = "nut";  // which keeps the tags as text
    far.frames = 2;
    far.creationTime = "9999-12-31T00:00:00.000000Z";
    far.location = "+99.0000+000.0000/";
    ASSERT_EQ(WriteTestMovie(dir / "far.nut", far), "");
    const Result r = RunCli({"-o", Path(dir / "far"), "--metadata", Path(dir / "far.nut")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_THAT(r.err, HasSubstr("far.nut: the date the movie records is none that a file can "
                                 "hold; left out of the metadata\n"));
    EXPECT_THAT(r.err, HasSubstr("far.nut: the place the movie records cannot be read; left out "
                                 "of the metadata\n"));
    const auto story = ReadStory(dir / "far" / "frame_1.jpg");
    ASSERT_TRUE(story);
    EXPECT_FALSE(story->tags.contains("Exif.Photo.DateTimeOriginal"));
    EXPECT_FALSE(story->tags.contains("Exif.GPSInfo.GPSLatitude"));
}

// The colour in the middle of each third of the image's middle row.
std::vector<Rgb> ThirdsOf(const Image& image) {
    std::vector<Rgb> colours;
    for (const int third : {1, 3, 5}) {
        const std::uint8_t* p = image.row(image.height() / 2) + 4 * (image.width() * third / 6);
        colours.push_back({p[0], p[1], p[2]});
    }
    return colours;
}

bool NearKnownColors(const std::vector<Rgb>& colours, int tolerance) {
    for (std::size_t i = 0; i < 3; ++i) {
        const Rgb& want = kKnownColors[i];
        if (std::abs(colours[i].r - want.r) > tolerance ||
            std::abs(colours[i].g - want.g) > tolerance ||
            std::abs(colours[i].b - want.b) > tolerance) {
            return false;
        }
    }
    return true;
}

// Kept, a PQ or HLG frame is the movie's own values in BT.2020, tagged so
// (AVIF's CICP, PNG's cICP at 16 bits); a JPEG of it is tone-mapped.
TEST(CommandLine, HdrKeptIsTheMoviesOwnAndTagged) {
    for (const auto& [fixture, transfer] :
         {std::pair{"hdr_pq", AVIF_TRANSFER_CHARACTERISTICS_SMPTE2084},
          std::pair{"hdr_hlg", AVIF_TRANSFER_CHARACTERISTICS_HLG}}) {
        SCOPED_TRACE(fixture);
        const fs::path out = NewTempDir("cli-hdr");
        for (const char* type : {"avif", "png", "jxl", "jpeg"}) {
            ASSERT_EQ(RunCli({"-o", Path(out), "--type", type, "--hdr", "keep", "--quality", "max",
                              "--last", "1", Path(Fixture(fixture))})
                          .status,
                      0);
        }
        const std::unique_ptr<avifDecoder, void (*)(avifDecoder*)> decoder(avifDecoderCreate(),
                                                                           avifDecoderDestroy);
        const std::unique_ptr<avifImage, void (*)(avifImage*)> avif(avifImageCreateEmpty(),
                                                                    avifImageDestroy);
        ASSERT_EQ(avifDecoderReadFile(decoder.get(), avif.get(), (out / "frame_1.avif").c_str()),
                  AVIF_RESULT_OK);
        EXPECT_EQ(avif->depth, 10u);
        EXPECT_EQ(avif->colorPrimaries, AVIF_COLOR_PRIMARIES_BT2020);
        EXPECT_EQ(avif->transferCharacteristics, transfer);
        const auto avifPixels = DecodeImageFile(out / "frame_1.avif");
        ASSERT_TRUE(avifPixels);
        EXPECT_TRUE(NearKnownColors(ThirdsOf(*avifPixels), 6)) << "not tone-mapped";

        std::ifstream png(out / "frame_1.png", std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(png), {});
        const char cicp[] = {'c', 'I', 'C', 'P', 9, char(transfer), 0, 1};
        EXPECT_NE(bytes.find(std::string(cicp, 8)), std::string::npos) << "the cICP chunk";
        EXPECT_EQ(ImageBitsPerChannel(out / "frame_1.png"), 16);
        const auto pngPixels = DecodeImageFile(out / "frame_1.png");
        ASSERT_TRUE(pngPixels);
        EXPECT_TRUE(NearKnownColors(ThirdsOf(*pngPixels), 3)) << "not tone-mapped";

        ASSERT_TRUE(DecodeImageFile(out / "frame_1.jxl"));
        const auto jpeg = DecodeImageFile(out / "frame_1.jpg");
        ASSERT_TRUE(jpeg);
        EXPECT_FALSE(NearKnownColors(ThirdsOf(*jpeg), 12)) << "a JPEG is tone-mapped";
    }
}

}  // namespace
}  // namespace reelsnap

// The English table gives the plurals, as it does for the program.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    const reelsnap::Translations translations(QLocale(QLocale::English));
    return RUN_ALL_TESTS();
}
