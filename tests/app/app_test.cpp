// The application end to end, in process: start-up, commands, status lines,
// the frame count and the extraction run on generated movies.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#include <numeric>

#include "app/app_state.h"
#include "app/command_handlers.h"
#include "app/main_window.h"
#include "app/open_documents.h"
#include "app/status_line.h"
#include "app_harness.h"
#include "files/file_system.h"
#include "support/image_files.h"

namespace reelsnap {
namespace {
namespace fs = std::filesystem;
using namespace testing;

class AppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Dialogs().answers.clear();
        Dialogs().prompts.clear();
        State().stopRequested = false;
        State().quitRequested = false;
        StoreSettings("");
        destination_ = NewTempDir("frames");
    }
    fs::path destination_;
};

void ExpectIdleLook() {
    const MainWindowControls& c = State().controls;
    EXPECT_EQ(c.statusText->text(), kIdleMessage);
    EXPECT_FALSE(c.busyIndicator->isVisible());
    EXPECT_TRUE(c.idlePane->isVisible());
    EXPECT_FALSE(c.progressBar->isVisible());
    EXPECT_FALSE(c.counterText->isVisible());
    EXPECT_FALSE(c.stopButton->isVisible());
    EXPECT_FALSE(c.stopButton->isEnabled());
}

TEST_F(AppTest, StartsInTheIdleLookWithItsMenus) {
    ASSERT_TRUE(State().mainWindow->isVisible());
    ExpectIdleLook();
    QStringList help;
    for (QAction* action : State().mainWindow->helpMenu()->actions()) help << action->text();
    const auto store = help.indexOf("View in Mac App Store...");
    ASSERT_GE(store, 0);
    EXPECT_EQ(help.value(store + 1), "View in Ondrel Website...");
    QStringList commands;
    for (QAction* action : State().mainWindow->findChildren<QAction*>()) {
        commands << CommandText(CommandOf(action));
    }
    for (const char* command : {"pref", "quit", "frmC", "HELP", "WEB1", "MAS1"}) {
        EXPECT_TRUE(commands.contains(command)) << command;
    }
}

TEST_F(AppTest, CommandsSetTheirFlagsOrPassOn) {
    EXPECT_EQ(HandleCommand(commands::Stop), kNoErr);
    EXPECT_TRUE(State().stopRequested);
    EXPECT_EQ(HandleCommand(commands::Quit), kEventNotHandledErr) << "quit goes on to quit";
    EXPECT_TRUE(State().quitRequested);
    State().quitRequested = false;
    EXPECT_EQ(HandleCommand(FourCC("zzzz")), kEventNotHandledErr);
    EXPECT_EQ(HandleHelpMenuCommand(commands::Help), kEventNotHandledErr);
    EXPECT_EQ(HandleHelpMenuCommand(commands::Quit), kEventNotHandledErr);

    // A stop while idle is cleared by the next run.
    RunDocuments({QString::fromStdString(Fixture("audio_only").string())});
    EXPECT_FALSE(State().stopRequested);
}

// Reads the text of the alert the command shows, and dismisses it.
QString AnswerAlert(const std::function<void()>& command) {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            icon = box->icon();
            box->accept();
        }
    });
    poll.start(10);
    command();
    if (!text.isEmpty()) {
        EXPECT_EQ(icon, QMessageBox::Critical);
    }
    return text;
}

TEST_F(AppTest, FrameCountShowsAnAlert) {
    Dialogs().answers = {Fixture("clip_120")};
    const QString text =
        AnswerAlert([] { DispatchCommand(commands::FrameCount, CommandOrigin::MainWindow); });
    EXPECT_EQ(text, "The movie \"clip.mov\" has 120 frames.");
    EXPECT_EQ(Dialogs().prompts.back(), "Choose a file");

    Dialogs().answers = {std::nullopt};
    EXPECT_EQ(AnswerAlert([] { EXPECT_EQ(CountFramesOfChosenMovie(), kUserCanceledErr); }), "");
    Dialogs().answers = {Fixture("not_a_movie")};
    EXPECT_EQ(AnswerAlert([] { EXPECT_EQ(CountFramesOfChosenMovie(), kNoErr); }), "");
}

TEST_F(AppTest, StatusLinesAndTheStringCache) {
    ResetTableLookups();
    const QString key = "(%d of %d) cache probe";
    EXPECT_EQ(GetCachedLocalizedString(key), key);
    EXPECT_EQ(GetCachedLocalizedString(key), key);
    EXPECT_EQ(TableLookups(key), 1) << "the table is consulted once per key";

    ShowStatusMessage("line two", 2);
    EXPECT_EQ(State().controls.counterText->text(), "line two");
    ShowStatusMessage("nowhere", 0);
    ShowStatusMessage("nowhere", 3);
    EXPECT_EQ(State().controls.counterText->text(), "line two");
    EXPECT_EQ(StatusLine1(), kIdleMessage);
    EXPECT_EQ(TableLookups("nowhere"), 2) << "every message goes through the table";
    EXPECT_EQ(FillCounterFormat(kCounterFormat, 3, 120), "(3 of 120)");
    EXPECT_EQ(SetStaticTextString(nullptr, "x", true), kParamErr);
}

TEST_F(AppTest, RunFailuresEndInTheIdleLookWithoutFiles) {
    UseStoredDestination(destination_);
    ResetTableLookups();
    RunDocuments({QString::fromStdString(NewTempDir("a folder").string())});
    EXPECT_EQ(TableLookups(kFolderMessage), 1) << "the folder message was shown";
    ExpectIdleLook();

    RunDocuments({});
    RunDocuments({QString::fromStdString(Fixture("not_a_movie").string())});
    RunDocuments({QString::fromStdString(Fixture("audio_only").string())});
    ExpectIdleLook();
    EXPECT_TRUE(FileNames(destination_).empty());

    // No stored destination: the user is asked, and cancels.
    StoreSettings("");
    const QString title = State().mainWindow->windowTitle();
    Dialogs().answers = {std::nullopt};
    RunDocuments({QString::fromStdString(Fixture("h264_mp4").string())});
    ASSERT_EQ(Dialogs().prompts.size(), 1u);
    EXPECT_EQ(Dialogs().prompts[0], kDestinationPrompt);
    EXPECT_EQ(State().mainWindow->windowTitle(), title);
    ExpectIdleLook();
}

std::vector<int> IndicesOfFiles(const fs::path& folder, const std::string& extension) {
    std::vector<int> indices;
    for (const std::string& name : FileNames(folder)) {
        auto image = DecodeImageFile(folder / name);
        EXPECT_TRUE(image) << name;
        EXPECT_TRUE(name.ends_with(extension)) << name;
        if (image) indices.push_back(ReadFrameIndex(*image));
    }
    std::sort(indices.begin(), indices.end());
    return indices;
}

TEST_F(AppTest, EveryFrameByDefaultNamedAndTypedBySettings) {
    Dialogs().answers = {destination_};
    StoreSettings(R"("ImageType": 5, "AppendFrameCount": true)");
    RunDocuments({QString::fromStdString(Fixture("h264_mp4").string()), "/ignored/second.mp4"});
    EXPECT_EQ(State().mainWindow->windowTitle(),
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
    EXPECT_EQ(State().framesDone, 40);
    EXPECT_EQ(State().framesExpected, 40);
    ExpectIdleLook();
}

TEST_F(AppTest, SelectionByFirstLastAndStep) {
    UseStoredDestination(destination_, R"("InitialFrameIndex": 3, "FinalFrameIndex": 20,
        "Skip": 4, "ScalePercent": 50, "PadIndicesWithZeros": true)");
    QStringList counters;
    RunDocuments({QString::fromStdString(Fixture("h264_mp4").string())},
                 [&] { counters << State().controls.counterText->text(); });
    EXPECT_EQ(
        FileNames(destination_),
        (std::set<std::string>{"frame_00000004.jpg", "frame_00000008.jpg", "frame_00000012.jpg",
                               "frame_00000016.jpg", "frame_00000020.jpg"}));
    EXPECT_EQ(IndicesOfFiles(destination_, ".jpg"), (std::vector<int>{4, 8, 12, 16, 20}));
    auto image = DecodeImageFile(destination_ / "frame_00000004.jpg");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 160);
    EXPECT_EQ(image->height(), 120);
    EXPECT_EQ(State().framesExpected, 4);  // (20 + 1 - 3) / 4
    EXPECT_TRUE(counters.contains("(5 of 4)"));
}

TEST_F(AppTest, AnExistingFileIsNeverReplacedByTheRename) {
    UseStoredDestination(destination_,
                         R"("ImageType": 5, "InitialFrameIndex": 7, "FinalFrameIndex": 7)");
    std::ofstream(destination_ / "frame_7.png") << "an older frame";
    RunDocuments({QString::fromStdString(Fixture("h264_mp4").string())});
    EXPECT_EQ(FileNames(destination_), (std::set<std::string>{"frame_7.jpg", "frame_7.png"}));
    EXPECT_EQ(ImageCodecName(destination_ / "frame_7.jpg"), "png");
    EXPECT_EQ(fs::file_size(destination_ / "frame_7.png"), 14u);
}

TEST_F(AppTest, StopEndsTheWalkAfterTheFrameInProgress) {
    UseStoredDestination(destination_);
    int framesAtStop = -1;
    RunDocuments({QString::fromStdString(Fixture("sparse_keys").string())}, [&] {
        if (framesAtStop < 0 && State().framesDone >= 5) {
            framesAtStop = State().framesDone;
            State().controls.stopButton->click();
        }
    });
    ASSERT_GT(framesAtStop, 0) << "the walk let the event loop run";
    // A stop that comes at a tenth index's yield still lets that index's frame be handled.
    EXPECT_LE(State().framesDone, framesAtStop + 1) << "no frame after the one in progress";
    const auto indices = IndicesOfFiles(destination_, ".jpg");
    EXPECT_EQ(int(indices.size()), State().framesDone) << "every counted frame's file is complete";
    ExpectIdleLook();
}

TEST_F(AppTest, TheWalkYieldsEveryTenthIndexEvenWithoutFrames) {
    UseStoredDestination(destination_, R"("Skip": 1000)");
    int turnsDuringWalk = 0;
    RunDocuments({QString::fromStdString(Fixture("sparse_keys").string())}, [&] {
        if (State().controls.progressBar->isVisible()) ++turnsDuringWalk;
    });
    EXPECT_GT(turnsDuringWalk, 0) << "no frame was handled, so only the tenth indices yielded";
    EXPECT_EQ(State().framesDone, 0);
    EXPECT_TRUE(FileNames(destination_).empty());
}

TEST_F(AppTest, AFailedWriteEndsTheWalkAndIsReported) {
    UseStoredDestination("/proc");
    RunDocuments({QString::fromStdString(Fixture("h264_mp4").string())});
    EXPECT_TRUE(StatusLine1().startsWith("Could not write “frame_1.jpg”: "))
        << StatusLine1().toStdString();
    EXPECT_LT(State().framesDone, 40);
}

TEST_F(AppTest, ADocumentArrivingDuringARunWaitsForIt) {
    UseStoredDestination(destination_);
    const auto before = State().runsCompleted;
    bool posted = false;
    const fs::path second = NewTempDir("second") / "clip.mov";
    fs::copy_file(Fixture("clip_120"), second);
    RunDocuments({QString::fromStdString(Fixture("sparse_keys").string())}, [&] {
        if (!posted) {
            posted = true;
            PostOpenDocuments({QString::fromStdString(second.string())});
        }
    });
    EXPECT_TRUE(ProcessEventsUntil([&] { return State().runsCompleted == before + 2; }))
        << "two runs, one after the other";
    EXPECT_EQ(FileNames(destination_).size(), 160u);  // the clip's 120 names are among them
    EXPECT_TRUE(FileNames(destination_).contains("frame_160.jpg"));
}

}  // namespace
}  // namespace reelsnap
