// reelsnap-cli as a user runs it: batches, counts, usage errors, existing
// files and the exit status, checked on the images it writes.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <fstream>

#include "support/fixtures.h"
#include "support/image_files.h"

namespace reelsnap {
namespace {
namespace fs = std::filesystem;
using namespace testing;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs reelsnap-cli, under the system locale `locale` when one is given.
Result RunCli(const QStringList& arguments, const QString& locale = {}) {
    QProcess process;
    if (!locale.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANG", "LC_ALL", "LANGUAGE"}) env.insert(name, locale);
        process.setProcessEnvironment(env);
    }
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

TEST(CommandLine, TwoMoviesGoIntoFoldersNamedAfterThem) {
    const fs::path out = NewTempDir("cli-batch");
    const Result r =
        RunCli({"-o", Path(out), "--first", "2", "--last", "6", "--step", "2", "--type", "png",
                "--pad", Path(Fixture("h264_mp4")), Path(Fixture("clip_120"))});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(FileNames(out), (std::set<std::string>{"clip", "h264"}));
    const std::map<std::string, int> expected = {
        {"frame_00000002.png", 2}, {"frame_00000004.png", 4}, {"frame_00000006.png", 6}};
    EXPECT_EQ(IndicesByName(out / "h264"), expected);
    EXPECT_EQ(IndicesByName(out / "clip"), expected);
    EXPECT_EQ(ImageCodecName(out / "clip" / "frame_00000002.png"), "png");
}

TEST(CommandLine, CountPrintsEachMoviesFramesAndWritesNothing) {
    const fs::path out = NewTempDir("cli-count");
    const Result r = RunCli(
        {"--count", "-o", Path(out), Path(Fixture("h264_mp4")), Path(Fixture("mjpeg_250_avi"))});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, Fixture("h264_mp4").string() + ": 40 frames\n" +
                         Fixture("mjpeg_250_avi").string() + ": 250 frames\n");
    EXPECT_TRUE(fs::is_empty(out));
}

TEST(CommandLine, UsageErrorsExitWithTwo) {
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"--type", "webp", Path(Fixture("h264_mp4"))},
          QStringList{"--step", "0", Path(Fixture("h264_mp4"))},
          QStringList{"--no-such-option", Path(Fixture("h264_mp4"))}}) {
        const Result r = RunCli(arguments);
        EXPECT_EQ(r.status, 2) << arguments.join(' ').toStdString();
        EXPECT_NE(r.err.find("reelsnap-cli: "), std::string::npos);
    }
    EXPECT_EQ(RunCli({"--help"}).status, 0);
    EXPECT_EQ(RunCli({"--version"}).out, "reelsnap-cli " REELSNAP_VERSION "\n");
}

TEST(CommandLine, SpeaksTheSystemsLanguage) {
    const Result german = RunCli({"--step", "0", Path(Fixture("h264_mp4"))}, "de_DE.UTF-8");
    EXPECT_EQ(german.status, 2);
    EXPECT_EQ(german.err,
              "reelsnap-cli: --step erwartet eine Zahl von 1 bis 32767\n"
              "reelsnap-cli: siehe --help\n");
    const Result french = RunCli({"--count", Path(Fixture("h264_mp4"))}, "fr_FR.UTF-8");
    EXPECT_EQ(french.out, Fixture("h264_mp4").string() + " : 40 images\n");
}

TEST(CommandLine, AnExistingFileIsKeptUnlessOverwriteIsGiven) {
    const fs::path out = NewTempDir("cli-existing");
    std::ofstream(out / "frame_2.jpg") << "mine";
    const QStringList arguments = {"-o", Path(out), "--last", "3", Path(Fixture("h264_mp4"))};
    const Result kept = RunCli(arguments);
    EXPECT_EQ(kept.status, 0) << kept.err;
    EXPECT_EQ(fs::file_size(out / "frame_2.jpg"), 4u);
    EXPECT_NE(kept.err.find("frame_2.jpg"), std::string::npos) << "it says what it kept";
    EXPECT_EQ(IndicesByName(out).at("frame_3.jpg"), 3);

    const Result replaced = RunCli(QStringList(arguments) << "--overwrite"
                                                          << "--quiet");
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(replaced.err, "");
    EXPECT_EQ(IndicesByName(out).at("frame_2.jpg"), 2);
}

TEST(CommandLine, PreservedDatesAreTheMoviesPlusEachFramesTime) {
    // A movie that records no creation time is dated by its file.
    const fs::path movie = NewTempDir("cli-dated") / "clip.mov";
    fs::copy_file(Fixture("clip_120"), movie);
    const auto dated = std::chrono::floor<std::chrono::seconds>(fs::file_time_type::clock::now()) -
                       std::chrono::hours(24 * 400);
    fs::last_write_time(movie, dated);
    const fs::path out = NewTempDir("cli-dates");
    const Result r =
        RunCli({"-o", Path(out), "--last", "3", "--preserve-dates", "--quiet", Path(movie)});
    EXPECT_EQ(r.status, 0) << r.err;
    // 25 frames a second: frame 3 is shown 80 ms after frame 1.
    const auto first = fs::last_write_time(out / "frame_1.jpg");
    EXPECT_EQ(fs::last_write_time(out / "frame_3.jpg") - first, std::chrono::milliseconds(80));
    EXPECT_EQ(first, dated);

    const fs::path plain = NewTempDir("cli-undated");
    RunCli({"-o", Path(plain), "--last", "1", "--quiet", Path(movie)});
    EXPECT_GT(fs::last_write_time(plain / "frame_1.jpg"), dated + std::chrono::hours(24));
}

TEST(CommandLine, AnUnreadableMovieFailsAndTheOthersAreStillDone) {
    const fs::path out = NewTempDir("cli-mixed");
    const Result r = RunCli({"-o", Path(out), "--last", "1", Path(Fixture("h264_mp4")),
                             Path(Fixture("not_a_movie")), Path(Fixture("clip_120"))});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(Fixture("not_a_movie").string() + ": not a movie"), std::string::npos)
        << r.err;
    EXPECT_EQ(IndicesByName(out / "h264"), (std::map<std::string, int>{{"frame_1.jpg", 1}}));
    EXPECT_EQ(IndicesByName(out / "clip"), (std::map<std::string, int>{{"frame_1.jpg", 1}}));
}

}  // namespace
}  // namespace reelsnap
