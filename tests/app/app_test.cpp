// The application end to end, in process: start-up, commands, status lines,
// the frame count and the extraction run on generated movies.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <numeric>
#include <set>

#include "app/command_handlers.h"
#include "app/main_window.h"
#include "app/open_documents.h"
#include "app/status_line.h"
#include "app_harness.h"
#include "extract/extraction_run.h"
#include "files/file_system.h"
#include "movie/movie.h"
#include "settings/preferences_window.h"
#include "support/image_files.h"

namespace reelsnap {
namespace {
namespace fs = std::filesystem;
using namespace testing;

class AppTest : public AppFixture {
  protected:
    void SetUp() override {
        AppFixture::SetUp();
        destination_ = NewTempDir("frames");
    }
    fs::path destination_;
};

void ExpectIdleLook() {
    const MainWindow& c = App().mainWindow();
    EXPECT_EQ(c.statusText()->text(), kIdleMessage);
    EXPECT_FALSE(c.busyIndicator()->isVisible());
    EXPECT_TRUE(c.idlePane()->isVisible());
    EXPECT_FALSE(c.progressBar()->isVisible());
    EXPECT_FALSE(c.counterText()->isVisible());
    EXPECT_FALSE(c.stopButton()->isVisible());
    EXPECT_FALSE(c.stopButton()->isEnabled());
}

TEST_F(AppTest, StartsInTheIdleLookWithItsMenus) {
    ASSERT_TRUE(App().mainWindow().isVisible());
    ExpectIdleLook();
    QStringList help;
    for (QAction* action : App().mainWindow().helpMenu()->actions()) help << action->text();
    const auto store = help.indexOf("View in &Software Centre...");
    ASSERT_GE(store, 0);
    EXPECT_EQ(help.value(store + 1), "View in Ondrel &Website...");
    // Every action and button of the windows is connected to a command, each
    // to its own.
    std::set<QString> commands;
    for (QAction* action : App().mainWindow().findChildren<QAction*>()) {
        if (action->isSeparator() || action->menu()) continue;
        const CommandId command = App().mainWindow().CommandOf(action);
        EXPECT_NE(command, 0u) << action->objectName().toStdString();
        EXPECT_TRUE(commands.insert(CommandText(command)).second)
            << CommandText(command).toStdString();
    }
    EXPECT_EQ(commands, (std::set<QString>{"open", "pick", "frmC", "shwD", "pref", "quit", "HELP",
                                           "abou", "WEB1", "MAS1"}));
    EXPECT_EQ(App().mainWindow().CommandOf(App().mainWindow().stopButton()), commands::Stop);
    const PreferencesWindow& preferences = App().preferencesWindow();
    std::set<CommandId> controls;
    for (QWidget* control : preferences.findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QComboBox*>(control))
            continue;
        const CommandId command = preferences.CommandOf(control);
        EXPECT_NE(command, 0u) << control->objectName().toStdString();
        EXPECT_TRUE(controls.insert(command).second) << control->objectName().toStdString();
    }
    EXPECT_EQ(controls.size(), 15u);
}

TEST_F(AppTest, AStopWhileIdleIsClearedByTheNextRun) {
    App().mainWindow().stopButton()->setEnabled(true);
    App().DispatchCommand(commands::Stop, CommandOrigin::MainWindow);
    EXPECT_TRUE(App().run().stopRequested());
    RunDocuments({QString::fromStdString(Fixture("audio_only").string())});
    EXPECT_FALSE(App().run().stopRequested());
}

TEST_F(AppTest, QuitEndsTheEventLoopAndTheProcessStatusIsZero) {
    for (const bool byCloseButton : {false, true}) {
        QTimer::singleShot(0, [byCloseButton] {
            if (byCloseButton) {
                App().mainWindow().close();
            } else {
                App().DispatchCommand(commands::Quit, CommandOrigin::MainWindow);
            }
        });
        QTimer never;  // a quit that never comes
        never.setSingleShot(true);
        QObject::connect(&never, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        never.start(5000);
        EXPECT_EQ(QApplication::exec(), 0) << "closed " << byCloseButton;
        EXPECT_TRUE(App().run().quitRequested());
        EXPECT_TRUE(App().mainWindow().isVisible()) << "the window stays until the process ends";
    }
    EXPECT_EQ(App().status(), 0);
}

TEST_F(AppTest, FrameCountShowsAnAlert) {
    Dialogs().answers = {Fixture("clip_120")};
    const MessageBoxSeen alert = AnswerMessageBox(
        [] { App().DispatchCommand(commands::FrameCount, CommandOrigin::MainWindow); });
    EXPECT_EQ(alert.text, "The movie \"clip.mov\" has 120 frames.");
    EXPECT_EQ(alert.icon, IconImage(64)) << "the application's own icon";
    EXPECT_EQ(Dialogs().prompts.back(), "Choose a file");

    // A name is shown as it is: neither filled in again nor read as markup.
    const fs::path odd = NewTempDir("odd") / "x%1y%2 <i>z.mov";
    fs::copy_file(Fixture("clip_120"), odd);
    Dialogs().answers = {odd};
    const MessageBoxSeen oddAlert = AnswerMessageBox([] { App().CountFramesOfChosenMovie(); });
    EXPECT_EQ(oddAlert.text, "The movie \"x%1y%2 <i>z.mov\" has 120 frames.");
    EXPECT_EQ(oddAlert.format, Qt::PlainText);

    Dialogs().answers = {std::nullopt};
    EXPECT_EQ(AnswerMessageBox([] { App().CountFramesOfChosenMovie(); }).text, "");
    Dialogs().answers = {Fixture("not_a_movie")};
    EXPECT_EQ(AnswerMessageBox([] { App().CountFramesOfChosenMovie(); }).text, "");
}

TEST_F(AppTest, RunFailuresEndInTheIdleLookWithoutFiles) {
    UseStoredDestination(destination_);
    ResetTableLookups();
    RunDocuments({QString::fromStdString(NewTempDir("a folder").string())});
    EXPECT_EQ(TableLookups(kFolderMessage), 1) << "the folder message was shown";
    EXPECT_EQ(StatusLine1(), kFolderMessage) << "and stays until the next run";
    EXPECT_TRUE(App().mainWindow().idlePane()->isVisible());
    EXPECT_FALSE(App().mainWindow().stopButton()->isVisible());

    RunDocuments({});
    ExpectIdleLook();
    // A run that fails says why on line 1, naming the file; the rest of the
    // window is idle again.
    RunDocuments({QString::fromStdString(Fixture("not_a_movie").string())});
    EXPECT_EQ(StatusLine1().toStdString(), "“" + Fixture("not_a_movie").filename().string() +
                                               "” is not a movie that Reelsnap can read.");
    RunDocuments({QString::fromStdString(Fixture("audio_only").string())});
    EXPECT_EQ(StatusLine1().toStdString(), "“" + Fixture("audio_only").filename().string() +
                                               "” has no video to take frames from.");
    EXPECT_TRUE(App().mainWindow().idlePane()->isVisible());
    EXPECT_FALSE(App().mainWindow().stopButton()->isVisible());
    EXPECT_TRUE(FileNames(destination_).empty());

    // No stored destination: the user is asked, and cancels.
    StoreSettings("");
    const QString title = App().mainWindow().windowTitle();
    Dialogs().answers = {std::nullopt};
    RunDocuments({QString::fromStdString(Fixture("h264_mp4").string())});
    ASSERT_EQ(Dialogs().prompts.size(), 1u);
    EXPECT_EQ(Dialogs().prompts[0], kDestinationPrompt);
    EXPECT_EQ(Dialogs().folderTitles.at(0), "Choose Destination Folder") << "a short title";
    EXPECT_EQ(App().mainWindow().windowTitle(), title);
    ExpectIdleLook();
}

// What the main window showed at the event-loop turns of a run.
struct RunTrace {
    QStringList counters;        // each new counter text
    std::vector<int> barValues;  // each new value of the bar
    bool busyLookHeld = true;

    void Record() {
        const MainWindow& c = App().mainWindow();
        if (c.progressBar()->isVisible()) {  // walking
            busyLookHeld = busyLookHeld && c.busyIndicator()->isVisible() &&
                           !c.idlePane()->isVisible() && c.stopButton()->isVisible() &&
                           c.stopButton()->isEnabled();
        }
        const QString counter = c.counterText()->text();
        if (c.counterText()->isVisible() && !counter.isEmpty() &&
            (counters.isEmpty() || counters.back() != counter)) {
            counters << counter;
        }
        if (c.progressBar()->isVisible() &&
            (barValues.empty() || barValues.back() != c.progressBar()->value())) {
            barValues.push_back(c.progressBar()->value());
        }
    }
};

RunTrace RunAndTrace(const QStringList& documents) {
    RunTrace trace;
    RunDocuments(documents, [&] { trace.Record(); });
    return trace;
}

TEST_F(AppTest, EveryFrameByDefaultNamedAndTypedBySettings) {
    Dialogs().answers = {destination_};
    StoreSettings(R"("ImageType": 5, "AppendFrameCount": true)");
    // Only the first document is processed; the second is a real movie of 120 frames.
    const RunTrace trace = RunAndTrace({Path(Fixture("h264_mp4")), Path(Fixture("clip_120"))});
    EXPECT_EQ(App().mainWindow().windowTitle(),
              QString::fromStdString(destination_.filename().string()));
    const auto names = FileNames(destination_);
    ASSERT_EQ(names.size(), 40u);
    EXPECT_TRUE(names.contains("frame_1 of 40.png"));
    EXPECT_TRUE(names.contains("frame_40 of 40.png"));
    std::vector<int> expected(40);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(IndicesOfFiles(destination_, ".png"), expected);
    auto first = DecodeImageFile(destination_ / "frame_1 of 40.png");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->width(), 320);

    EXPECT_TRUE(trace.busyLookHeld) << "busy indicator, no idle pane, Stop shown and enabled";
    ASSERT_FALSE(trace.counters.isEmpty());
    EXPECT_EQ(trace.counters.front(), "(1 of 40)");
    EXPECT_EQ(trace.counters.back(), "(40 of 40)");
    ASSERT_GE(trace.barValues.size(), 20u) << "the bar moves with the frames";
    EXPECT_TRUE(std::is_sorted(trace.barValues.begin(), trace.barValues.end()));
    EXPECT_EQ(trace.barValues.back(), 512);
    ExpectIdleLook();
}

TEST_F(AppTest, SelectionByFirstLastAndStep) {
    UseStoredDestination(destination_, R"("InitialFrameIndex": 3, "FinalFrameIndex": 20,
        "Skip": 4, "ScalePercent": 50, "PadIndicesWithZeros": true, "AppendFrameCount": true)");
    const RunTrace trace = RunAndTrace({Path(Fixture("h264_mp4"))});
    // Multiples of the step, named with the movie's frame count, not the last index.
    EXPECT_EQ(FileNames(destination_),
              (std::set<std::string>{"frame_00000004 of 40.jpg", "frame_00000008 of 40.jpg",
                                     "frame_00000012 of 40.jpg", "frame_00000016 of 40.jpg",
                                     "frame_00000020 of 40.jpg"}));
    EXPECT_EQ(IndicesOfFiles(destination_, ".jpg"), (std::vector<int>{4, 8, 12, 16, 20}));
    auto image = DecodeImageFile(destination_ / "frame_00000004 of 40.jpg");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 160);
    EXPECT_EQ(image->height(), 120);
    EXPECT_EQ(trace.counters.back(), "(5 of 5)");
    EXPECT_EQ(trace.barValues.back(), 512);
}

std::string ReadFileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The window and the command line share one quality table: a quality the
// window stores and the command line's name or number for it write the same bytes.
TEST_F(AppTest, TheCommandLinesQualitiesAreTheWindows) {
    struct Case {
        const char* stored;
        const char* option;
    };
    for (const Case& c : {Case{"3", "high"}, Case{"1", "40"}}) {
        SCOPED_TRACE(c.option);
        const fs::path window = NewTempDir("window"), cli = NewTempDir("cli");
        UseStoredDestination(window,
                             std::string(R"("FinalFrameIndex": 3, "ImageQuality": )") + c.stored);
        RunDocuments({Path(Fixture("h264_mp4"))});
        ASSERT_EQ(QProcess::execute(REELSNAP_CLI, {"-o", Path(cli), "--last", "3", "--quality",
                                                   c.option, "--quiet", Path(Fixture("h264_mp4"))}),
                  0);
        ASSERT_EQ(FileNames(window), FileNames(cli));
        for (const std::string& name : FileNames(window)) {
            EXPECT_EQ(ReadFileBytes(window / name), ReadFileBytes(cli / name)) << name;
        }
    }
}

TEST_F(AppTest, TheSelectionModeChoosesTheFramesAndTheCounterCountsThem) {
    struct Case {
        const char* fixture;
        std::string members;
        std::vector<int> indices;
    };
    for (const Case& c : {
             Case{"h264_mp4", R"("SelectionMode": 4, "SelectionSpread": 4)", {6, 16, 26, 36}},
             Case{"keys_mp4", R"("SelectionMode": 3, "FinalFrameIndex": 30)", {1, 7, 20}},
             Case{"vfr_mkv",
                  R"("SelectionMode": 2, "SelectionSeconds": 0.2, "FinalFrameIndex": 9)",
                  {1, 5, 9}},
             Case{"shots_mp4", R"("SelectionMode": 5, "InitialFrameIndex": 2)", {2, 9, 13, 23, 30}},
             // A mode or number of the wrong type: every frame, and the mode's own default.
             Case{"h264_mp4", R"("SelectionMode": "4", "Skip": 20)", {20, 40}},
             Case{"h264_mp4",
                  R"("SelectionMode": 4, "SelectionSpread": 2.5, "Skip": 20)",
                  {3, 7, 11, 15, 19, 23, 27, 31, 35, 39}},
         }) {
        SCOPED_TRACE(c.members);
        const fs::path folder = NewTempDir("mode");
        UseStoredDestination(folder, c.members);
        const RunTrace trace = RunAndTrace({Path(Fixture(c.fixture))});
        std::set<std::string> expected;
        for (const int i : c.indices) expected.insert("frame_" + std::to_string(i) + ".jpg");
        EXPECT_EQ(FileNames(folder), expected);
        if (std::string(c.fixture) != "shots_mp4") {  // its frames' grid is too faint to read
            EXPECT_EQ(IndicesOfFiles(folder, ".jpg"), c.indices);
        }
        ASSERT_FALSE(trace.counters.isEmpty());
        const QString n = QString::number(c.indices.size());
        EXPECT_EQ(trace.counters.back(), "(" + n + " of " + n + ")");
    }
}

TEST_F(AppTest, NamesByTimeInTheMovie) {
    UseStoredDestination(destination_,
                         R"("NameBy": 2, "AppendFrameCount": true, "FinalFrameIndex": 3)");
    RunDocuments({Path(Fixture("vfr_mkv"))});
    EXPECT_EQ(FileNames(destination_),
              (std::set<std::string>{"frame_00-00-00.000 of 24.jpg", "frame_00-00-00.037 of 24.jpg",
                                     "frame_00-00-00.091 of 24.jpg"}));
    EXPECT_EQ(IndicesOfFiles(destination_, ".jpg"), (std::vector<int>{1, 2, 3}));
}

TEST_F(AppTest, ShowLastDestinationOpensTheFolderOfTheLastRun) {
    QAction* show = App().mainWindow().findChild<QAction*>("ShowDestinationAction");
    ASSERT_TRUE(show);
    EXPECT_FALSE(show->isEnabled()) << "no run yet";
    UseStoredDestination(destination_, R"("FinalFrameIndex": 1)");
    RunDocuments({Path(Fixture("h264_mp4"))});
    ASSERT_TRUE(show->isEnabled());
    OpenedUrls opened;
    show->trigger();
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(Path(destination_))});
}

TEST_F(AppTest, TheDestinationQuestionStartsWhereTheLastAnswerWas) {
    StoreSettings(R"("FinalFrameIndex": 1)");
    Dialogs().answers = {destination_};
    RunDocuments({Path(Fixture("h264_mp4"))});
    ASSERT_EQ(Dialogs().folderStarts.size(), 1u);
    EXPECT_FALSE(Dialogs().folderStarts[0])
        << "a fresh user's question starts where the dialog does";
    RestartApplication();                       // the folder is kept in the preferences
    RunDocuments({Path(Fixture("h264_mp4"))});  // and the question cancelled
    ASSERT_EQ(Dialogs().folderStarts.size(), 1u);
    EXPECT_EQ(Dialogs().folderStarts[0], destination_);
}

TEST_F(AppTest, TheCounterEndsAtTheFramesHandedOut) {
    struct Case {
        const char* settings;
        const char* lastCounter;
    };
    // A last index beyond the movie's 40 frames; a first index that is itself a multiple.
    for (const Case& c :
         {Case{R"("InitialFrameIndex": 10, "FinalFrameIndex": 100, "Skip": 5)", "(7 of 7)"},
          Case{R"("InitialFrameIndex": 2, "FinalFrameIndex": 4, "Skip": 2)", "(2 of 2)"}}) {
        SCOPED_TRACE(c.settings);
        UseStoredDestination(NewTempDir("counted"), c.settings);
        const RunTrace trace = RunAndTrace({Path(Fixture("h264_mp4"))});
        ASSERT_FALSE(trace.counters.isEmpty());
        EXPECT_EQ(trace.counters.back(), c.lastCounter);
        EXPECT_EQ(trace.barValues.back(), 512);
    }
}

TEST_F(AppTest, ARunWithoutFramesShowsNoOldCounter) {
    UseStoredDestination(destination_);
    RunDocuments({Path(Fixture("h264_mp4"))});
    UseStoredDestination(NewTempDir("none"), R"("Skip": 50)");
    const RunTrace trace = RunAndTrace({Path(Fixture("h264_mp4"))});
    EXPECT_TRUE(trace.counters.isEmpty()) << trace.counters.join(", ").toStdString();
    EXPECT_EQ(App().mainWindow().counterText()->text(), "");
}

TEST_F(AppTest, AFileTheRunDidNotWriteSurvives) {
    UseStoredDestination(destination_,
                         R"("ImageType": 5, "InitialFrameIndex": 7, "FinalFrameIndex": 8)");
    std::ofstream(destination_ / "frame_7.jpg") << "the user's own file";
    std::ofstream(destination_ / "frame_8.png") << "an older frame";
    RunDocuments({Path(Fixture("h264_mp4"))});
    EXPECT_EQ(StatusLine1(), kIdleMessage);
    EXPECT_EQ(FileNames(destination_),
              (std::set<std::string>{"frame_7.jpg", "frame_7.png", "frame_8.jpg", "frame_8.png"}));
    EXPECT_EQ(fs::file_size(destination_ / "frame_7.jpg"), 19u);
    EXPECT_EQ(ImageCodecName(destination_ / "frame_7.png"), "png");
    EXPECT_EQ(ImageCodecName(destination_ / "frame_8.jpg"), "png") << "kept under its .jpg name";
    EXPECT_EQ(fs::file_size(destination_ / "frame_8.png"), 14u);

    // Both names taken: the frame is not written, and the run says so.
    RunDocuments({Path(Fixture("h264_mp4"))});
    EXPECT_EQ(StatusLine1(), "Could not write “frame_7.png”: File exists.");
    EXPECT_EQ(fs::file_size(destination_ / "frame_7.jpg"), 19u);
}

// Runs the sparse movie and gives the command once five frames are done.
int RunUntilFiveFramesThen(const std::function<void()>& command) {
    int framesAtCommand = -1;
    RunDocuments({Path(Fixture("sparse_keys"))}, [&] {
        if (framesAtCommand < 0 && App().run().framesDone() >= 5) {
            framesAtCommand = App().run().framesDone();
            command();
        }
    });
    return framesAtCommand;
}

// Stop, Escape and Quit end the walk after the frame in progress, every
// counted frame's file complete.
TEST_F(AppTest, StopEscapeAndQuitEndTheWalkAfterTheFrameInProgress) {
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"Stop", [] { App().mainWindow().stopButton()->click(); }},
        {"Escape", [] { QTest::keyClick(&App().mainWindow(), Qt::Key_Escape); }},
        {"Quit", [] { App().DispatchCommand(commands::Quit, CommandOrigin::MainWindow); }},
    };
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        const fs::path folder = NewTempDir("stopped");
        UseStoredDestination(folder, R"("Skip": 3)");
        const int framesAtCommand = RunUntilFiveFramesThen(command);
        ASSERT_GT(framesAtCommand, 0) << "the walk let the event loop run";
        // A command that comes at a tenth index's yield still lets that index's frame be handled.
        EXPECT_LE(App().run().framesDone(), framesAtCommand + 1) << "of 53 frames";
        EXPECT_EQ(int(IndicesOfFiles(folder, ".jpg").size()), App().run().framesDone());
        if (std::string(name) != "Quit") ExpectIdleLook();
    }
}

TEST_F(AppTest, OpenMovieHandsTheChoiceInAsADropDoes) {
    UseStoredDestination(destination_, R"("FinalFrameIndex": 2)");
    Dialogs().answers = {Fixture("h264_mp4")};
    const int runs = RunsCompleted();
    App().mainWindow().findChild<QAction*>("OpenAction")->trigger();
    ASSERT_TRUE(ProcessEventsUntil([&] { return RunsCompleted() > runs; }));
    EXPECT_EQ(Dialogs().prompts.back(), "Open Movie");
    EXPECT_TRUE(Dialogs().filters.back().startsWith("Movies (*.mp4 "));
    EXPECT_EQ(FileNames(destination_), (std::set<std::string>{"frame_1.jpg", "frame_2.jpg"}));

    // Cancelled: nothing happens.
    Dialogs().answers = {std::nullopt};
    App().mainWindow().findChild<QAction*>("OpenAction")->trigger();
    ProcessEventsUntil([] { return false; }, 0.1);
    EXPECT_EQ(RunsCompleted(), runs + 1);
}

TEST_F(AppTest, StopWhileALongMovieIsCountedBreaksTheCountOff) {
    UseStoredDestination(destination_);
    bool stopped = false;
    RunDocuments({Path(Fixture("long_mkv"))}, [&] {
        // The progress display is shown before the movie is counted.
        if (!stopped && App().mainWindow().progressBar()->isVisible()) {
            stopped = true;
            App().mainWindow().stopButton()->click();
        }
    });
    ASSERT_TRUE(stopped) << "the window took commands while the movie was counted";
    EXPECT_LT(App().run().framesExpected(), FixtureFrames("long_mkv"));
    EXPECT_EQ(App().run().framesDone(), 0);
    EXPECT_TRUE(FileNames(destination_).empty());
    ExpectIdleLook();
}

TEST_F(AppTest, QuitWhenDoneAppliesAfterAStop) {
    UseStoredDestination(destination_, R"("QuitWhenDone": true)");
    RunUntilFiveFramesThen([] { App().mainWindow().stopButton()->click(); });
    EXPECT_LT(App().run().framesDone(), 160);
    EXPECT_TRUE(App().quitAfterRunArmed());
    App().DisarmQuitAfterRun();  // the armed timer then ends nothing
}

TEST_F(AppTest, ByeIsSeenWhileTheWindowFades) {
    MainWindow* window = &App().mainWindow();
    double lowestOpacityWithBye = 1.0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (window->isVisible() && StatusLine1() == kByeMessage) {
            lowestOpacityWithBye = std::min(lowestOpacityWithBye, window->windowOpacity());
        }
    });
    probe.start(0);
    App().SayGoodbye();
    EXPECT_LT(lowestOpacityWithBye, 0.9) << "the window faded out with the message on it";
    EXPECT_FALSE(window->isVisible());
}

TEST_F(AppTest, TheWalkYieldsEveryTenthIndexEvenWithoutFrames) {
    UseStoredDestination(destination_, R"("Skip": 1000)");
    int turnsDuringWalk = 0;
    RunDocuments({Path(Fixture("sparse_keys"))}, [&] {
        if (App().mainWindow().progressBar()->isVisible()) ++turnsDuringWalk;
    });
    EXPECT_GT(turnsDuringWalk, 0) << "no frame was handled, so only the tenth indices yielded";
    EXPECT_EQ(App().run().framesDone(), 0);
    EXPECT_TRUE(FileNames(destination_).empty());
}

TEST_F(AppTest, AFailedWriteEndsTheWalkAndIsReported) {
    UseStoredDestination("/proc");
    RunDocuments({Path(Fixture("h264_mp4"))});
    EXPECT_TRUE(StatusLine1().startsWith("Could not write “frame_1.jpg”: "))
        << StatusLine1().toStdString();
    EXPECT_LT(App().run().framesDone(), 40);
}

TEST_F(AppTest, PreserveDatesDatesEachFileByItsFrame) {
    using namespace std::chrono;
    // A movie that records no creation time is dated by its file.
    const fs::path movie = NewTempDir("dated") / "clip.mov";
    fs::copy_file(Fixture("clip_120"), movie);
    const auto dated = floor<seconds>(fs::file_time_type::clock::now()) - hours(24 * 400);
    fs::last_write_time(movie, dated);
    UseStoredDestination(destination_, R"("PreserveDates": true, "FinalFrameIndex": 3)");
    RunDocuments({Path(movie)});
    EXPECT_EQ(fs::last_write_time(destination_ / "frame_1.jpg"), dated);
    EXPECT_EQ(fs::last_write_time(destination_ / "frame_3.jpg") - dated, milliseconds(80))
        << "25 frames a second";

    const fs::path plain = NewTempDir("undated");
    UseStoredDestination(plain, R"("FinalFrameIndex": 1)");
    RunDocuments({Path(movie)});
    EXPECT_GT(fs::last_write_time(plain / "frame_1.jpg"), dated + hours(24))
        << "off, a file is dated when it is written";
}

TEST_F(AppTest, HdrFramesAreWrittenToneMapped) {
    UseStoredDestination(destination_, R"("ImageType": 5)");
    RunDocuments({Path(Fixture("hdr_hlg"))});
    ASSERT_EQ(FileNames(destination_).size(), 3u);
    auto movie = Movie::Open(Fixture("hdr_hlg"));
    ASSERT_TRUE(movie);
    auto expected = movie->FrameImageAtTime(movie->NextVideoSampleTime(0, true));
    auto written = DecodeImageFile(destination_ / "frame_1.png");
    ASSERT_TRUE(expected && written);
    EXPECT_TRUE(SamePixels(*written, *expected));
}

TEST_F(AppTest, AMovieOfWhichNoFrameDecodesIsReported) {
    // Frames too wide to hold once their pixel aspect ratio is applied.
    UseStoredDestination(destination_);
    RunDocuments({Path(Fixture("huge_frame"))});
    EXPECT_EQ(StatusLine1(), "No frame of “huge.mkv” could be decoded.");
    EXPECT_TRUE(FileNames(destination_).empty());
    // A movie of which some frames decode ends as usual.
    RunDocuments({Path(Fixture("truncated"))});
    EXPECT_EQ(StatusLine1(), kIdleMessage);
}

TEST_F(AppTest, AStoredFolderThatIsGoneFallsBackToAsking) {
    const fs::path gone = NewTempDir("gone");
    fs::remove(gone);
    UseStoredDestination(gone, R"("FinalFrameIndex": 2)");
    Dialogs().answers = {destination_};
    RunDocuments({Path(Fixture("h264_mp4"))});
    ASSERT_EQ(Dialogs().prompts.size(), 1u);
    EXPECT_EQ(Dialogs().prompts[0], kDestinationPrompt);
    EXPECT_EQ(FileNames(destination_), (std::set<std::string>{"frame_1.jpg", "frame_2.jpg"}));
}

TEST_F(AppTest, TheTitleShowsTheFolderNameAsItIs) {
    const fs::path folder = NewTempDir("titles") / "Shots [*] final";
    fs::create_directory(folder);
    UseStoredDestination(folder, R"("FinalFrameIndex": 1)");
    RunDocuments({Path(Fixture("h264_mp4"))});
    ASSERT_TRUE(App().mainWindow().windowHandle());
    EXPECT_EQ(App().mainWindow().windowHandle()->title(), "Shots [*] final");
}

TEST_F(AppTest, ADocumentArrivingDuringARunWaitsForIt) {
    UseStoredDestination(destination_);
    const auto before = RunsCompleted();
    bool posted = false;
    std::vector<int> firstRunCounts;
    const fs::path second = NewTempDir("second") / "clip.mov";
    fs::copy_file(Fixture("clip_120"), second);
    RunDocuments({Path(Fixture("sparse_keys"))}, [&] {
        if (RunsCompleted() == before) firstRunCounts.push_back(App().run().framesDone());
        if (!posted && App().run().framesDone() >= 5) {
            posted = true;
            App().PostOpenDocuments({Path(second)});
        }
    });
    EXPECT_TRUE(ProcessEventsUntil([&] { return RunsCompleted() == before + 2; }))
        << "two runs, one after the other";
    EXPECT_TRUE(std::is_sorted(firstRunCounts.begin(), firstRunCounts.end()))
        << "the running counter never goes back";
    EXPECT_EQ(firstRunCounts.back(), 160);
    EXPECT_EQ(FileNames(destination_).size(), 160u);  // the clip's 120 names are among them
    EXPECT_TRUE(FileNames(destination_).contains("frame_160.jpg"));
}

}  // namespace
}  // namespace reelsnap
