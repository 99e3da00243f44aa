// The real executable, as a file manager starts it: launch arguments,
// QuitWhenDone and the exit status.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QLocalSocket>
#include <QProcess>
#include <QProcessEnvironment>
#include <csignal>
#include <fstream>
#include <optional>
#include <thread>

#include "app_harness.h"
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

void StartApplication(QProcess& process, const fs::path& config, const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(config.string()));
    // Its own instance socket, apart from any Reelsnap the user runs.
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(config.string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QT_LOGGING_RULES", "*.warning=false");
    process.setProcessEnvironment(env);
    process.start(REELSNAP_BINARY, arguments);
}

Launch LaunchApplication(const fs::path& config, const QStringList& arguments) {
    QProcess process;
    StartApplication(process, config, arguments);
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

// QuitWhenDone ends the process with status 0 after a run of every frame
// (only the first movie of a list is processed), one that ended early (a
// folder), and one whose walk stopped at its last index.
TEST(Executable, QuitWhenDoneEndsWithStatusZeroAndCompleteFiles) {
    const struct {
        QStringList movies;
        std::string members;
        std::size_t files;
    } rows[] = {
        {{Path(Fixture("h264_mp4")), Path(Fixture("clip_120"))}, "", 40},
        {{Path(NewTempDir("a-folder"))}, "", 0},
        {{Path(Fixture("clip_120"))}, R"("FinalFrameIndex": 3, )", 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.movies.join(' ').toStdString());
        const fs::path config = NewTempDir("process-config");
        const fs::path destination = NewTempDir("process-frames");
        WritePreferences(config, destination, row.members);
        const Launch launch = LaunchApplication(config, row.movies);
        ASSERT_TRUE(launch.finished);
        EXPECT_EQ(launch.exitCode, 0);
        EXPECT_EQ(FileNames(destination).size(), row.files);
        for (const std::string& name : FileNames(destination)) {
            auto image = DecodeImageFile(destination / name);
            ASSERT_TRUE(image && name.ends_with(".tif")) << name;
            EXPECT_EQ(ReadFrameIndex(*image), std::stoi(name.substr(6))) << name;
        }
    }
}

// The files of a folder whose names say they are temporary files of ours.
std::vector<std::string> TemporaryFiles(const fs::path& folder) {
    std::vector<std::string> names;
    for (const std::string& name : FileNames(folder)) {
        if (name.find(".part-") != std::string::npos) names.push_back(name);
    }
    return names;
}

TEST(Executable, TerminationSignalsQuitAfterTheFrameInProgress) {
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const fs::path config = NewTempDir("process-config");
        const fs::path destination = NewTempDir("process-frames");
        WritePreferences(config, destination, R"("QuitWhenDone": false, )");
        QProcess process;
        StartApplication(process, config, {QString::fromStdString(Fixture("long_mkv").string())});
        // Once the walk writes files, the signal comes in the middle of it.
        ASSERT_TRUE(ProcessEventsUntil([&] { return FileNames(destination).size() > 20; }, 30));
        ::kill(pid_t(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "quit, not killed";
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_TRUE(TemporaryFiles(destination).empty());
        const auto names = FileNames(destination);
        EXPECT_LT(names.size(), 30000u);
        for (const std::string& name : names) {
            auto image = DecodeImageFile(destination / name);
            ASSERT_TRUE(image) << name << " is complete";
        }
    }
}

TEST(Executable, ARunRemovesTemporaryFilesOfProcessesThatAreGone) {
    QProcess gone;
    gone.start("true", QStringList{});
    ASSERT_TRUE(gone.waitForFinished(10000));
    const qint64 deadPid = gone.processId() > 0 ? gone.processId() : 999999;
    const fs::path config = NewTempDir("process-config");
    const fs::path destination = NewTempDir("process-frames");
    const std::string stale = ".frame_9.tif.part-" + std::to_string(deadPid) + "-0";
    const std::string live = ".frame_8.tif.part-" + std::to_string(::getpid()) + "-0";
    std::ofstream(destination / stale) << "left by a kill";
    std::ofstream(destination / live) << "being written";
    std::ofstream(destination / ".notes.part-x") << "not ours";
    // A name of the same shape that no frame has is a user's file.
    const std::string users = ".notes.txt.part-" + std::to_string(deadPid) + "-0";
    std::ofstream(destination / users) << "the user's";
    // So is one without the leading dot that ours have.
    const std::string undotted = "Xframe_1.jpg.part-" + std::to_string(deadPid) + "-0";
    std::ofstream(destination / undotted) << "the user's too";
    // A writer in another PID namespace (a container, another host) holds
    // its file's lock, whatever its PID reads as here.
    const std::string locked = ".frame_7.tif.part-" + std::to_string(deadPid) + "-1";
    std::ofstream(destination / locked) << "being written elsewhere";
    const int lock = ::open((destination / locked).c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(lock, LOCK_EX), 0);
    WritePreferences(config, destination, R"("FinalFrameIndex": 1, )");
    const Launch launch =
        LaunchApplication(config, {QString::fromStdString(Fixture("h264_mp4").string())});
    ::close(lock);
    ASSERT_TRUE(launch.finished);
    EXPECT_EQ(FileNames(destination), (std::set<std::string>{live, locked, users, undotted,
                                                             ".notes.part-x", "frame_1.tif"}));
}

// Whether a Reelsnap listens for later launches on the socket.
bool InstanceListens(const fs::path& config) {
    QLocalSocket probe;
    probe.connectToServer(QString::fromStdString((config / "com.ondrel.Reelsnap").string()));
    return probe.waitForConnected(100);
}

// Starts the first instance, with nothing to do, and waits until it listens.
void StartFirstInstance(QProcess& first, const fs::path& config) {
    StartApplication(first, config, {});
    ASSERT_TRUE(ProcessEventsUntil([&] { return InstanceListens(config); }, 30));
}

// A second launch with a movie ends at once with status 0, and the first
// instance runs the movie.
void ExpectHandedOn(const fs::path& config, const fs::path& destination, std::size_t frames) {
    const Launch second =
        LaunchApplication(config, {QString::fromStdString(Fixture("h264_mp4").string())});
    ASSERT_TRUE(second.finished);
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_TRUE(ProcessEventsUntil([&] { return FileNames(destination).size() == frames; }, 60));
}

void Terminate(QProcess& first) {
    ::kill(pid_t(first.processId()), SIGTERM);
    ASSERT_TRUE(first.waitForFinished(30000));
    EXPECT_EQ(first.exitCode(), 0);
}

TEST(Executable, ASecondLaunchHandsItsMoviesToTheRunningOne) {
    const fs::path config = NewTempDir("process-config");
    const fs::path destination = NewTempDir("process-frames");
    WritePreferences(config, destination, R"("QuitWhenDone": false, )");
    QProcess first;
    StartFirstInstance(first, config);
    ExpectHandedOn(config, destination, 40);
    // A plain launch only brings it forward, and ends at once: its message is taken whole.
    const auto launched = std::chrono::steady_clock::now();
    EXPECT_EQ(LaunchApplication(config, {}).exitCode, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - launched, std::chrono::seconds(4));
    EXPECT_EQ(first.state(), QProcess::Running);
    Terminate(first);
    EXPECT_FALSE(fs::exists(config / "com.ondrel.Reelsnap")) << "the socket goes with it";
}

TEST(Executable, ASocketLeftByACrashedInstanceIsTakenOver) {
    const fs::path config = NewTempDir("process-config");
    const fs::path destination = NewTempDir("process-frames");
    WritePreferences(config, destination, R"("QuitWhenDone": false, "FinalFrameIndex": 2, )");
    // A socket file that nobody listens on any more.
    const std::string socketPath = (config / "com.ondrel.Reelsnap").string();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_FALSE(InstanceListens(config));

    QProcess first;
    StartFirstInstance(first, config);
    ExpectHandedOn(config, destination, 2);
    Terminate(first);
}

// A process that listens on `socketPath` as another Reelsnap would, and says
// "taken" to whatever it is handed; as the user `uid` where one is given (the
// test then runs as root). It ends with status 1 when it was handed anything.
pid_t StartImpostor(const std::string& socketPath, std::optional<uid_t> uid) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof(address.sun_path) - 1);
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) ::_exit(2);
    ::chmod(socketPath.c_str(), 0777);
    if (uid && ::setuid(*uid) != 0) ::_exit(2);
    ::listen(fd, 4);
    pollfd waiting{fd, POLLIN, 0};
    if (::poll(&waiting, 1, 20000) <= 0) ::_exit(0);
    const int connection = ::accept(fd, nullptr, nullptr);
    char bytes[256];
    pollfd reading{connection, POLLIN, 0};
    if (::poll(&reading, 1, 3000) <= 0 || ::read(connection, bytes, sizeof bytes) <= 0) ::_exit(0);
    if (::write(connection, "taken\n", 6) < 0) ::_exit(1);
    ::_exit(1);
}

int ImpostorStatus(pid_t impostor) {
    int status = 0;
    ::kill(impostor, SIGTERM);
    ::waitpid(impostor, &status, 0);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) return 0;  // still waiting
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Without XDG_RUNTIME_DIR the socket's folder is in the temporary folder,
// where another user may make it first; and in a folder of the user's own,
// only a process of the user's own is handed a movie. Either way the launch
// runs the movie itself.
TEST(Executable, TheInstanceSocketIsNeverAnotherUsersOne) {
    const bool root = ::getuid() == 0;
    const uid_t nobody = 65534;
    const fs::path config = NewTempDir("process-config");
    const fs::path destination = NewTempDir("process-frames");
    WritePreferences(config, destination, R"("FinalFrameIndex": 2, )");
    const fs::path temporary = NewTempDir("process-tmp");
    const fs::path folder = temporary / ("com.ondrel.Reelsnap-" + std::to_string(::getuid()));
    fs::create_directory(folder);
    // Someone else's folder: theirs where the test can give it away, else open to all.
    if (root) {
        ASSERT_EQ(::chown(folder.c_str(), nobody, nobody), 0);
    } else {
        fs::permissions(folder, fs::perms::all);
    }
    const pid_t impostor = StartImpostor((folder / "socket").string(), std::nullopt);
    QProcess launch;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(config.string()));
    env.remove("XDG_RUNTIME_DIR");
    env.insert("TMPDIR", QString::fromStdString(temporary.string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    launch.setProcessEnvironment(env);
    launch.start(REELSNAP_BINARY, {QString::fromStdString(Fixture("h264_mp4").string())});
    ASSERT_TRUE(launch.waitForFinished(60000));
    EXPECT_EQ(ImpostorStatus(impostor), 0) << "handed nothing";
    EXPECT_EQ(FileNames(destination), (std::set<std::string>{"frame_1.tif", "frame_2.tif"}));

    if (!root) return;  // a socket of another user's in a private folder takes root to make
    const fs::path runtime = NewTempDir("process-runtime");
    fs::permissions(runtime, fs::perms::owner_all);
    const pid_t other = StartImpostor((runtime / "com.ondrel.Reelsnap").string(), nobody);
    ASSERT_TRUE(
        ProcessEventsUntil([&] { return fs::exists(runtime / "com.ondrel.Reelsnap"); }, 10));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // until it listens
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.string()));
    launch.setProcessEnvironment(env);
    fs::remove_all(destination);
    fs::create_directory(destination);
    launch.start(REELSNAP_BINARY, {QString::fromStdString(Fixture("h264_mp4").string())});
    ASSERT_TRUE(launch.waitForFinished(60000));
    EXPECT_EQ(ImpostorStatus(other), 0) << "handed nothing";
    EXPECT_EQ(FileNames(destination), (std::set<std::string>{"frame_1.tif", "frame_2.tif"}));
}

// Started under nohup (SIGHUP ignored), a hangup does not end the window;
// SIGTERM still quits it as Quit does.
TEST(Executable, AHangupIgnoredAtStartStaysIgnored) {
    const fs::path config = NewTempDir("process-config");
    const fs::path destination = NewTempDir("process-frames");
    WritePreferences(config, destination, R"("QuitWhenDone": false, )");
    QProcess first;
    first.setChildProcessModifier([] { std::signal(SIGHUP, SIG_IGN); });
    StartFirstInstance(first, config);
    ExpectHandedOn(config, destination, 40);  // its handlers are in place by then
    ::kill(pid_t(first.processId()), SIGHUP);
    EXPECT_FALSE(first.waitForFinished(3000)) << "still running";
    Terminate(first);
}

// Names are bytes: a movie whose name is not UTF-8, given as the launch
// argument, is read; its frames go where the preferences say.
TEST(Executable, AMovieNamedInBytesThatAreNotUtf8IsRead) {
    const fs::path config = NewTempDir("process-config");
    const fs::path destination = NewTempDir("process-frames");
    WritePreferences(config, destination, R"("FinalFrameIndex": 2, )");
    const fs::path movie = NewTempDir("process-bytes") / "latin1-\xe9.mp4";
    fs::copy_file(Fixture("h264_mp4"), movie);
    QProcess launch;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(config.string()));
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(config.string()));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("APP", REELSNAP_BINARY);
    env.insert("FOLDER", QString::fromStdString(movie.parent_path().string()));
    launch.setProcessEnvironment(env);
    // QProcess would pass the name through the locale's encoding: bash passes its bytes.
    launch.start("bash", {"-c", "exec \"$APP\" \"$FOLDER/$(printf 'latin1-\\xe9.mp4')\""});
    ASSERT_TRUE(launch.waitForFinished(60000));
    EXPECT_EQ(launch.exitCode(), 0);
    EXPECT_EQ(FileNames(destination), (std::set<std::string>{"frame_1.tif", "frame_2.tif"}));
}

}  // namespace
}  // namespace reelsnap
