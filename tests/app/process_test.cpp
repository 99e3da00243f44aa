// The real executable, as a file manager starts it: launch arguments,
// QuitWhenDone and the exit status.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <fstream>

#include "support/fixtures.h"
#include "support/image_files.h"

namespace reelsnap {
namespace {
namespace fs = std::filesystem;
using namespace testing;

struct Launch {
    int exitCode = -1;
    bool finished = false;
};

Launch LaunchApplication(const fs::path& config, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(config.string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_LOGGING_RULES", "*.warning=false");
    process.setProcessEnvironment(env);
    process.start(REELSNAP_BINARY, arguments);
    Launch launch;
    launch.finished = process.waitForFinished(60000);
    if (!launch.finished) process.kill();
    launch.exitCode = process.exitCode();
    return launch;
}

void WritePreferences(const fs::path& config, const fs::path& destination,
                      const std::string& moreMembers = "") {
    ReplacePreferencesFile(
        config / "Ondrel" / "Reelsnap.json",
        std::string(R"({"CopyTo": true, "QuitWhenDone": true, "ImageType": 1, )") + moreMembers +
            R"("CopyToLocation": {"data": ")" +
            QByteArray::fromStdString(destination.string()).toBase64().toStdString() + R"("}})");
}

TEST(Executable, QuitWhenDoneEndsWithStatusZeroAndCompleteFiles) {
    const fs::path config = NewTempDir("process-config");
    const fs::path destination = NewTempDir("process-frames");
    WritePreferences(config, destination);
    // The second movie is real: only the first of a list is processed.
    const Launch launch =
        LaunchApplication(config, {QString::fromStdString(Fixture("h264_mp4").string()),
                                   QString::fromStdString(Fixture("clip_120").string())});
    ASSERT_TRUE(launch.finished);
    EXPECT_EQ(launch.exitCode, 0);
    int files = 0;
    for (const auto& entry : fs::directory_iterator(destination)) {
        ++files;
        EXPECT_EQ(entry.path().extension(), ".tif");
        auto image = DecodeImageFile(entry.path());
        ASSERT_TRUE(image) << entry.path();
        EXPECT_EQ(ReadFrameIndex(*image), std::stoi(entry.path().stem().string().substr(6)));
    }
    EXPECT_EQ(files, 40);
}

TEST(Executable, QuitWhenDoneAlsoAfterARunThatEndedEarly) {
    const fs::path config = NewTempDir("process-config");
    const fs::path destination = NewTempDir("process-frames");
    WritePreferences(config, destination);
    const Launch launch = LaunchApplication(config, {QString::fromStdString(destination.string())});
    ASSERT_TRUE(launch.finished);
    EXPECT_EQ(launch.exitCode, 0);
    EXPECT_TRUE(fs::is_empty(destination));
}

TEST(Executable, QuitWhenDoneAfterAWalkThatStoppedAtItsLastIndex) {
    const fs::path config = NewTempDir("process-config");
    const fs::path destination = NewTempDir("process-frames");
    WritePreferences(config, destination, R"("FinalFrameIndex": 3, )");
    const Launch launch =
        LaunchApplication(config, {QString::fromStdString(Fixture("clip_120").string())});
    ASSERT_TRUE(launch.finished);
    EXPECT_EQ(launch.exitCode, 0);
    EXPECT_EQ(FileNames(destination),
              (std::set<std::string>{"frame_1.tif", "frame_2.tif", "frame_3.tif"}));
}

}  // namespace
}  // namespace reelsnap
