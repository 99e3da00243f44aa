// The picker window, offscreen, over real movies whose frames carry their
// index in their pixels: what it shows while stepping, what it writes.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <cstring>

#include "app/picker/contact_sheet.h"
#include "app/picker/frame_cache.h"
#include "app/picker/frame_source.h"
#include "app/picker/image_copies.h"
#include "app/picker/picker_window.h"
#include "app_harness.h"
#include "movie/movie.h"
#include "support/image_files.h"
#include "ui_picker_window.h"

namespace reelsnap {
namespace {
namespace fs = std::filesystem;
using namespace testing;

// The index painted in an image the picker shows or wrote.
int PaintedIndex(const QImage& shown) {
    return ReadFrameIndex(ImageOf(shown));
}

QImage QImageOfFile(const fs::path& path) {
    const std::optional<Image> image = DecodeImageFile(path);
    return image ? QImageOf(*image) : QImage();
}

// The indices painted in the cells of a contact sheet of sparse_mkv's
// frames, which are smaller than a cell's bound and keep their size.
std::vector<int> CellIndices(const fs::path& sheet, int cells) {
    const QImage image = QImageOfFile(sheet);
    const MovieSpec movie = FixtureCatalog().at("sparse_mkv").spec;
    const ContactSheetLayout layout(cells, QSize(movie.width, movie.height));
    EXPECT_EQ(image.size(), layout.sheetSize());
    std::vector<int> painted;
    for (int cell = 0; cell < cells; ++cell) {
        painted.push_back(PaintedIndex(image.copy(layout.FrameRect(cell))));
    }
    return painted;
}

class PickerTest : public AppFixture {
  protected:
    PickerWindow& Picker() { return App().picker(); }
    Ui::PickerWindow& Ui() { return Picker().ui(); }

    // Opens the movie and waits for its first frame.
    void Open(const std::string& fixture, QSize window = {640, 560}) {
        Picker().resize(window);
        Picker().OpenMovie(Fixture(fixture));
        ASSERT_TRUE(Settle()) << Ui().PickerStatusText->text().toStdString();
    }
    bool Settle() {
        return ProcessEventsUntil([&] { return Picker().settled(); }, 20);
    }
    // Triggers the action and waits for the frame it asks for.
    void Press(QAction* action, int times = 1) {
        for (int i = 0; i < times; ++i) action->trigger();
        ASSERT_TRUE(Settle());
    }
    void GoTo(const QString& text) {
        Ui().GoToField->setText(text);
        QTest::keyClick(Ui().GoToField, Qt::Key_Return);
        ASSERT_TRUE(Settle());
    }
    // The shown frame's painted index, and that the window says the same.
    void ExpectShown(int index, const char* time = nullptr) {
        EXPECT_EQ(Picker().shownIndex(), index);
        EXPECT_EQ(PaintedIndex(Picker().shownImage()), index);
        EXPECT_EQ(Ui().FramePositionText->text(),
                  QString("Frame %1 of %2").arg(index).arg(FixtureFrames("sparse_mkv")));
        if (time) {
            EXPECT_EQ(Ui().FrameTimeText->text(), time);
        }
        EXPECT_EQ(Ui().TimelineSlider->value(), index);
    }
};

TEST(FrameCacheBound, LetsGoOfTheLeastRecentlyUsedFirst) {
    QImage frame(10, 10, QImage::Format_RGB32);  // 400 bytes
    FrameCache cache(3 * 400);
    for (std::int32_t i = 1; i <= 3; ++i) cache.Put(i, frame);
    ASSERT_TRUE(cache.Find(1));  // now the most recently used
    cache.Put(4, frame);
    EXPECT_FALSE(cache.Holds(2)) << "the least recently used went";
    EXPECT_TRUE(cache.Holds(1) && cache.Holds(3) && cache.Holds(4));
    cache.Put(5, frame);
    EXPECT_FALSE(cache.Holds(3));
    EXPECT_TRUE(cache.Holds(4) && cache.Holds(5)) << "the newest stays";
    EXPECT_LE(cache.bytes(), cache.maxBytes());
    cache.Put(6, QImage(40, 40, QImage::Format_RGB32));  // larger than the bound: not kept
    EXPECT_FALSE(cache.Holds(6));
    EXPECT_TRUE(cache.Holds(5));
}

TEST(MovieOutlines, KeyFramesAndTimesAtOrBefore) {
    MovieOutline outline;
    for (int i = 0; i < 160; ++i) outline.timesNs.push_back(std::int64_t(i) * 40'000'000);
    outline.keyFrames = {1, 61, 121};
    // Dragged onto a key frame, the key frame itself.
    EXPECT_EQ(outline.KeyFrameAtOrBefore(61), 61);
    EXPECT_EQ(outline.KeyFrameAtOrBefore(60), 1);
    EXPECT_EQ(outline.KeyFrameAtOrBefore(160), 121);
    EXPECT_EQ(outline.FrameShownAt(2'480'000'000), 63);
    EXPECT_EQ(outline.FrameShownAt(2'479'999'999), 62);
    EXPECT_EQ(outline.FrameShownAt(-1), 1);
}

TEST_F(PickerTest, PickFramesAsksForTheMovie) {
    Dialogs().answers = {Fixture("sparse_mkv")};
    QAction* pick = App().mainWindow().findChild<QAction*>("PickFramesAction");
    ASSERT_TRUE(pick);
    EXPECT_EQ(pick->shortcut(), QKeySequence("Ctrl+P"));
    pick->trigger();
    ASSERT_TRUE(Settle());
    EXPECT_EQ(Picker().movie(), Fixture("sparse_mkv"));
    EXPECT_EQ(Dialogs().prompts, std::vector<QString>{"Pick Frames"});
    EXPECT_EQ(RunsCompleted(), 0);
    // The picker opens another movie of its own.
    EXPECT_EQ(Ui().OpenPickedMovieAction->shortcut(), QKeySequence("Ctrl+O"));
    Dialogs().answers = {Fixture("h264_mp4")};
    Ui().OpenPickedMovieAction->trigger();
    ASSERT_TRUE(Settle());
    EXPECT_EQ(Picker().movie(), Fixture("h264_mp4"));
    EXPECT_EQ(Ui().FramePositionText->text(), "Frame 1 of 40");
}

TEST_F(PickerTest, AMovieThatDoesNotOpenLeavesNothingOfTheOneBefore) {
    Open("sparse_mkv");
    ExpectShown(1);
    Picker().OpenMovie(Fixture("not_a_movie"));
    ASSERT_TRUE(ProcessEventsUntil(
        [&] { return Ui().PickerStatusText->text().contains("could not be opened"); }, 20));
    EXPECT_EQ(Ui().TimelineSlider->maximum(), 0);
    EXPECT_FALSE(Ui().MarkAction->isEnabled());
    EXPECT_FALSE(Ui().MarkButton->isEnabled());
    EXPECT_FALSE(Ui().GoToField->isEnabled());
    EXPECT_TRUE(Ui().FramePositionText->text().isEmpty());
}

// sparse_mkv: 160 frames at 25 a second, a key frame every 60 (1, 61, 121).
TEST_F(PickerTest, StepsJumpsAndKeyFramesShowTheFrameTheySay) {
    Open("sparse_mkv");
    ExpectShown(1, "00:00:00.000");
    Press(Ui().NextFrameAction, 37);  // pressed faster than shown: the last counts
    ExpectShown(38, "00:00:01.480");
    const int seeks = Picker().frameSource()->seekCount();
    for (int forward = 39; forward <= 41; ++forward) {
        Press(Ui().NextFrameAction);
        ExpectShown(forward);
    }
    EXPECT_EQ(Picker().frameSource()->seekCount(), seeks) << "a step forward decodes on";
    Press(Ui().PreviousFrameAction, 3);
    ExpectShown(38);
    for (int back = 37; back >= 33; --back) {
        Press(Ui().PreviousFrameAction);
        ExpectShown(back);
    }
    GoTo("0:02.5");  // the frame shown at 2.5 s began at 2.48 s
    ExpectShown(63, "00:00:02.480");
    Press(Ui().NextKeyFrameAction);
    ExpectShown(121, "00:00:04.800");
    Press(Ui().PreviousKeyFrameAction);
    ExpectShown(61);
    Press(Ui().PreviousKeyFrameAction);
    ExpectShown(1);
    // Page Down goes on in time, as in players and editors.
    EXPECT_EQ(Ui().SecondForwardAction->shortcut(), QKeySequence(Qt::Key_PageDown));
    EXPECT_EQ(Ui().SecondBackAction->shortcut(), QKeySequence(Qt::Key_PageUp));
    Press(Ui().SecondForwardAction);
    ExpectShown(26, "00:00:01.000");
    GoTo("150");
    ExpectShown(150);
    Press(Ui().SecondBackAction);
    ExpectShown(125);
    GoTo("999");  // past the end: the last frame
    ExpectShown(160, "00:00:06.360");
    Press(Ui().FirstFrameAction);
    ExpectShown(1);
    // Dragging the timeline shows the key frames it passes; letting go, the frame.
    Ui().TimelineSlider->setSliderDown(true);
    Ui().TimelineSlider->setSliderPosition(100);
    ASSERT_TRUE(Settle());
    EXPECT_EQ(PaintedIndex(Picker().shownImage()), 61);
    EXPECT_EQ(Ui().FramePositionText->text(), "Frame 61 of 160");
    Ui().TimelineSlider->setSliderDown(false);
    ASSERT_TRUE(Settle());
    ExpectShown(100);
    GoTo("twelve");
    EXPECT_EQ(Ui().PickerStatusText->text(), "“twelve” is neither a frame number nor a time.");
    ExpectShown(100);
}

TEST_F(PickerTest, TheViewShowsFramesAsTheRunWritesThem) {
    Open("rotated_90");  // stored 320x240, shown turned a quarter
    EXPECT_LT(Picker().shownImage().width(), Picker().shownImage().height());
    EXPECT_EQ(PaintedIndex(Picker().shownImage()), 1);
    // Turned, at its aspect, tone-mapped, deinterlaced: the picture the run
    // takes, pixel for pixel, where the view is larger than the frame.
    for (const char* fixture : {"rotated_90", "anamorphic", "hdr_pq", "interlaced_mpeg2"}) {
        SCOPED_TRACE(fixture);
        Open(fixture, {1400, 1000});
        const std::unique_ptr<Movie> movie = Movie::Open(Fixture(fixture));
        ASSERT_TRUE(movie);
        const std::optional<Image> frame = movie->FrameImageAtTime(movie->SampleTimes()[0]);
        ASSERT_TRUE(frame);
        const QImage& shown = Picker().shownImage();
        ASSERT_EQ(shown.size(), QSize(frame->width(), frame->height()));
        EXPECT_EQ(0, std::memcmp(shown.constBits(), frame->pixels(),
                                 frame->stride() * std::size_t(frame->height())));
    }
}

TEST_F(PickerTest, MarkedFramesAreExtractedByTheRunInIndexOrder) {
    const fs::path destination = NewTempDir("picked");
    UseStoredDestination(destination, R"("ImageType": 5, "Skip": 7)");
    Open("sparse_mkv");
    for (const char* index : {"90", "12", "140", "47"}) {
        GoTo(index);
        Press(Ui().MarkAction);
    }
    GoTo("140");
    Press(Ui().MarkAction);  // unmarked again
    EXPECT_EQ(Picker().marks(), (std::set<std::int32_t>{12, 47, 90}));
    ASSERT_EQ(Ui().MarksStrip->count(), 3);
    EXPECT_EQ(Ui().MarksStrip->item(0)->text(), "12");
    EXPECT_EQ(Ui().MarksStrip->item(2)->text(), "90");
    Ui().MarksStrip->itemClicked(Ui().MarksStrip->item(1));
    ASSERT_TRUE(Settle());
    EXPECT_EQ(Picker().shownIndex(), 47);

    const int runs = RunsCompleted();
    Ui().ExtractMarkedButton->click();
    ASSERT_TRUE(ProcessEventsUntil([&] { return RunsCompleted() > runs; }));
    EXPECT_EQ(FileNames(destination),
              (std::set<std::string>{"frame_12.png", "frame_47.png", "frame_90.png"}));
    EXPECT_EQ(IndicesOfFiles(destination, ".png"), (std::vector<int>{12, 47, 90}));
    EXPECT_EQ(App().mainWindow().counterText()->text(), "(3 of 3)");
}

TEST_F(PickerTest, AContactSheetHoldsTheMarkedFramesInOrder) {
    StoreSettings(R"("ImageType": 5)");
    Open("sparse_mkv");
    for (const char* index : {"100", "5", "61", "20"}) {
        GoTo(index);
        Press(Ui().MarkAction);
    }
    const fs::path sheet = NewTempDir("sheet") / "sheet";  // the type's extension is added
    Dialogs().answers = {sheet};
    Ui().ContactSheetButton->click();
    ASSERT_TRUE(ProcessEventsUntil(
        [&] { return Ui().PickerStatusText->text().startsWith("Contact sheet saved"); }));
    EXPECT_EQ(CellIndices(fs::path(sheet) += ".png", 4), (std::vector<int>{5, 20, 61, 100}));

    // None marked: as many as asked for, spread over the movie.
    Ui().ClearMarksAction->trigger();
    const fs::path spread = NewTempDir("spread") / "spread.png";
    Dialogs().numbers = {4};
    Dialogs().answers = {spread};
    Ui().ContactSheetAction->trigger();
    ASSERT_TRUE(ProcessEventsUntil(
        [&] { return Ui().PickerStatusText->text() == "Contact sheet saved as “spread.png”."; }));
    EXPECT_EQ(CellIndices(spread, 4), (std::vector<int>{21, 61, 101, 141}));
}

TEST_F(PickerTest, SteppingBackStaysWithinTheCacheBound) {
    // Room for a few frames of the view's size: stepping back through the
    // group decodes it again and again, and never holds more.
    PickerWindow picker(
        Dialogs(), [] { return PickerWindow::SheetSettings{}; }, 3 * 320 * 240 * 4);
    picker.resize(640, 560);
    picker.OpenMovie(Fixture("sparse_mkv"));
    ASSERT_TRUE(ProcessEventsUntil([&] { return picker.settled(); }));
    picker.ui().GoToField->setText("59");
    QTest::keyClick(picker.ui().GoToField, Qt::Key_Return);
    for (int expected = 59; expected >= 45; --expected) {
        ASSERT_TRUE(ProcessEventsUntil([&] { return picker.settled(); }));
        EXPECT_EQ(PaintedIndex(picker.shownImage()), expected);
        picker.ui().PreviousFrameAction->trigger();
    }
    const FrameSource& source = *picker.frameSource();
    EXPECT_GT(source.peakCacheBytes(), 0u);
    EXPECT_LE(source.peakCacheBytes(), source.cacheLimit());
}

TEST_F(PickerTest, AFrameThatDoesNotDecodeIsSaidAndTheWindowGoesOn) {
    Open("corrupt_avi");  // frames 5 and 12 do not decode
    GoTo("5");
    EXPECT_EQ(Ui().PickerStatusText->text(), "Frame 5 could not be decoded.");
    GoTo("6");
    EXPECT_EQ(PaintedIndex(Picker().shownImage()), 6);

    // Closed while it decodes: the decode ends, and the window opens again.
    Picker().OpenMovie(Fixture("long_mkv"));
    Picker().close();
    Open("sparse_mkv");
    ExpectShown(1);
}

}  // namespace
}  // namespace reelsnap
