// The preferences window and the main window as a drop target, through the
// real widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QUrl>
#include <fstream>

#include "app/main_window.h"
#include "app/picker/picker_window.h"
#include "app/status_line.h"
#include "app_harness.h"
#include "settings/preferences_window.h"
#include "settings/settings_store.h"
#include "support/image_files.h"

namespace reelsnap {
namespace {
namespace fs = std::filesystem;
using namespace testing;

template <typename Widget>
Widget* Control(const char* name) {
    auto* widget = App().preferencesWindow().findChild<Widget*>(name);
    EXPECT_TRUE(widget) << name;
    return widget;
}

class PreferencesTest : public AppFixture {
  protected:
    void SetUp() override {
        AppFixture::SetUp();
        App().ShowPreferencesSheet();
        ASSERT_TRUE(window()->isVisible());
    }
    static PreferencesWindow* window() { return &App().preferencesWindow(); }
    static void Choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);  // as a user's choice
    }
};

TEST_F(PreferencesTest, FreshUser) {
    EXPECT_FALSE(Control<QCheckBox>("QuitWhenDoneBox")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>("PadIndicesBox")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>("AppendFrameCountBox")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>("PreserveDatesBox")->isChecked());
    EXPECT_EQ(Control<QComboBox>("ImageTypeControl")->currentIndex() + 1, 4);
    EXPECT_TRUE(Control<QComboBox>("QualityControl")->isEnabled());
    EXPECT_EQ(Control<QComboBox>("QualityControl")->currentIndex() + 1, 2);
    EXPECT_EQ(Control<QLineEdit>("SkipField")->text(), "1");
    EXPECT_EQ(Control<QLineEdit>("InitialFrameField")->text(), "1");
    EXPECT_EQ(Control<QLineEdit>("FinalFrameField")->text(), "");
    EXPECT_EQ(Control<QLabel>("SkipUnitLabel")->text(), "frame");
    // Without a stored scale the slider stays where it is (100 at start-up).
    const int scale = Control<QSlider>("ScaleSlider")->value();
    EXPECT_EQ(Control<QLabel>("ScaleLabel")->text(), QString::number(scale) + " percent");
    EXPECT_FALSE(Control<QCheckBox>("CopyToBox")->isChecked());
    EXPECT_FALSE(Control<QPushButton>("ChooseCopyButton")->isEnabled());
    EXPECT_FALSE(Control<QLabel>("CopyToPathText")->isEnabled());
    EXPECT_EQ(App().mainWindow().statusText()->text(), kIdleMessage);
}

TEST_F(PreferencesTest, TypeAndQualityAreStoredAtOnce) {
    Choose(Control<QComboBox>("ImageTypeControl"), 4);  // PNG
    EXPECT_EQ(App().settings().ReadImageType(), 5);
    EXPECT_FALSE(Control<QComboBox>("QualityControl")->isEnabled());
    Control<QCheckBox>("DeepFramesBox")->click();
    EXPECT_TRUE(App().settings().ReadBoolSetting(keys::KeepDeepFrames));
    Choose(Control<QComboBox>("ImageTypeControl"), 8);  // JPEG XL
    EXPECT_EQ(App().settings().ReadImageType(), 9);
    EXPECT_TRUE(Control<QComboBox>("QualityControl")->isEnabled());
    EXPECT_FALSE(Control<QCheckBox>("DeepFramesBox")->isEnabled()) << "8 bits a channel only";
    EXPECT_TRUE(Control<QComboBox>("HdrControl")->isEnabled());
    Choose(Control<QComboBox>("HdrControl"), 1);
    EXPECT_EQ(App().settings().ReadInt16Setting(keys::HdrMovies), 2);
    Choose(Control<QComboBox>("ImageTypeControl"), 5);  // JPEG 2000
    EXPECT_EQ(App().settings().ReadImageType(), 6);
    EXPECT_TRUE(Control<QComboBox>("QualityControl")->isEnabled());
    EXPECT_FALSE(Control<QComboBox>("HdrControl")->isEnabled()) << "always tone-mapped";
    Choose(Control<QComboBox>("QualityControl"), 2);
    EXPECT_EQ(App().settings().ReadImageQuality(), 3);
    const std::pair<const char*, QString> boxes[] = {
        {"PadIndicesBox", keys::PadIndicesWithZeros},
        {"QuitWhenDoneBox", keys::QuitWhenDone},
        {"AppendFrameCountBox", keys::AppendFrameCount},
        {"PreserveDatesBox", keys::PreserveDates}};
    for (const auto& [box, key] : boxes) {
        Control<QCheckBox>(box)->click();
        EXPECT_TRUE(App().settings().ReadBoolSetting(key)) << box;
    }
    Control<QPushButton>("CancelButton")->click();
    for (const auto& [box, key] : boxes)
        EXPECT_TRUE(App().settings().ReadBoolSetting(key)) << "Cancel does not undo";
    EXPECT_EQ(App().settings().ReadImageType(), 6);
    App().ShowPreferencesSheet();
    Control<QCheckBox>("PreserveDatesBox")->click();
    EXPECT_FALSE(App().settings().ReadBoolSetting(keys::PreserveDates));
}

// The mode is stored as it is chosen; its number with OK, as the other fields.
TEST_F(PreferencesTest, TheSelectionModeAndItsNumber) {
    auto* mode = Control<QComboBox>("SelectionControl");
    auto* number = Control<QLineEdit>("SelectionValueField");
    EXPECT_EQ(mode->currentIndex(), 0) << "every Nth frame for a fresh user";
    EXPECT_FALSE(number->isEnabled());
    EXPECT_TRUE(Control<QLineEdit>("SkipField")->isEnabled());
    Choose(mode, 3);  // N frames spread evenly
    EXPECT_EQ(App().settings().ReadInt16Setting(keys::SelectionMode), 4);
    EXPECT_FALSE(Control<QLineEdit>("SkipField")->isEnabled());
    EXPECT_TRUE(number->isEnabled());
    // One number row, labelled for the mode.
    EXPECT_TRUE(Control<QLineEdit>("SkipField")->isHidden());
    EXPECT_FALSE(number->isHidden());
    EXPECT_EQ(Control<QLabel>("SelectionValueLabel")->text(), "&Frames:");
    EXPECT_EQ(number->text(), "10") << "the mode's default";
    number->setText("25");
    Control<QPushButton>("OkButton")->click();
    EXPECT_EQ(App().settings().ReadNumberSetting(keys::SelectionSpread), 25.0);

    App().ShowPreferencesSheet();
    Choose(mode, 1);  // every N seconds
    EXPECT_EQ(number->text(), "1");
    // What is no time between frames is said beside the field, and OK waits.
    auto* ok = Control<QPushButton>("OkButton");
    for (const char* refused : {"0", "abc", "1:", "-2", "2.-0"}) {
        number->setText(refused);
        EXPECT_FALSE(ok->isEnabled()) << refused;
        EXPECT_EQ(Control<QLabel>("SelectionUnitLabel")->text(),
                  "not a time: 2.5, 1:30 or 1:02:03.250 seconds");
    }
    number->setText("1:30.5");  // the command line's syntax
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(Control<QLabel>("SelectionUnitLabel")->text(), "seconds");
    ok->click();
    EXPECT_EQ(App().settings().ReadNumberSetting(keys::SelectionSeconds), 90.5);
    App().ShowPreferencesSheet();
    Choose(mode, 2);  // key frames: no number
    EXPECT_FALSE(number->isEnabled());
    EXPECT_TRUE(number->isHidden() && Control<QLineEdit>("SkipField")->isHidden());
    Choose(mode, 3);
    EXPECT_EQ(number->text(), "25") << "each mode keeps its own number";
    StoreSettings(R"("SelectionMode": 9)");
    EXPECT_EQ(mode->currentIndex(), 0) << "an unknown mode is every Nth frame";
}

TEST_F(PreferencesTest, FilledFromTheStoredSettings) {
    const fs::path folder = NewTempDir("stored copy");
    UseStoredDestination(folder, R"("QuitWhenDone": true, "PadIndicesWithZeros": true,
        "AppendFrameCount": true, "PreserveDates": true, "ImageType": 3, "ImageQuality": 3,
        "ScalePercent": 40, "Skip": 7, "InitialFrameIndex": 11, "FinalFrameIndex": 99)");
    App().ShowPreferencesSheet();
    for (const char* box : {"QuitWhenDoneBox", "PadIndicesBox", "AppendFrameCountBox",
                            "PreserveDatesBox", "CopyToBox"}) {
        EXPECT_TRUE(Control<QCheckBox>(box)->isChecked()) << box;
    }
    EXPECT_EQ(Control<QComboBox>("ImageTypeControl")->currentIndex() + 1, 3);
    EXPECT_FALSE(Control<QComboBox>("QualityControl")->isEnabled()) << "GIF has no quality";
    EXPECT_EQ(Control<QComboBox>("QualityControl")->currentIndex() + 1, 3);
    EXPECT_EQ(Control<QSlider>("ScaleSlider")->value(), 40);
    EXPECT_EQ(Control<QLabel>("ScaleLabel")->text(), "40 percent");
    EXPECT_EQ(Control<QLineEdit>("SkipField")->text(), "7");
    EXPECT_EQ(Control<QLabel>("SkipUnitLabel")->text(), "frames");
    EXPECT_EQ(Control<QLineEdit>("InitialFrameField")->text(), "11");
    EXPECT_EQ(Control<QLineEdit>("FinalFrameField")->text(), "99");
    EXPECT_TRUE(Control<QPushButton>("ChooseCopyButton")->isEnabled());
    EXPECT_EQ(Control<QLabel>("CopyToPathText")->text().toStdString(), folder.string());
}

// The run takes its settings as a value: the preferences file is looked at
// a handful of times a run, not for every frame, and yet a change made in the
// preferences window, or by another process, applies from the next frame.
TEST_F(PreferencesTest, ARunReadsItsSettingsOnceAndChangesApplyFromTheNextFrame) {
    const fs::path first = NewTempDir("unchanged");
    UseStoredDestination(first);
    const std::int64_t before = App().preferences().synchronizations();
    RunDocuments({QString::fromStdString(Fixture("clip_120").string())});
    EXPECT_EQ(FileNames(first).size(), 120u);
    EXPECT_LE(App().preferences().synchronizations() - before, 5) << "for 120 frames";

    const fs::path destination = NewTempDir("changed");
    UseStoredDestination(destination);
    int changedHere = -1, changedElsewhere = -1;
    RunDocuments({QString::fromStdString(Fixture("clip_120").string())}, [&] {
        const int done = App().run().framesDone();
        if (changedHere < 0 && done >= 10) {
            changedHere = done;
            Control<QSlider>("ScaleSlider")->setValue(50);  // live: nothing is stored
        } else if (changedHere > 0 && changedElsewhere < 0 && done >= changedHere + 10) {
            changedElsewhere = done;
            // Another process turns the frame count in names on.
            const fs::path file = PreferencesDomain::ApplicationFile();
            std::ifstream in(file);
            const std::string stored{std::istreambuf_iterator<char>(in), {}};
            ReplacePreferencesFile(
                file, stored.substr(0, stored.rfind('}')) + R"(, "AppendFrameCount": true})");
        }
    });
    ASSERT_GT(changedElsewhere, 0);
    ASSERT_EQ(FileNames(destination).size(), 120u);
    // The frame in progress at a change may have either settings.
    for (int i = 1; i <= 120; ++i) {
        SCOPED_TRACE(i);
        const bool resized = i > changedHere, counted = i > changedElsewhere;
        if (i == changedHere || i == changedElsewhere) continue;
        const std::string name = "frame_" + std::to_string(i) + (counted ? " of 120" : "") + ".jpg";
        const auto image = DecodeImageFile(destination / name);
        ASSERT_TRUE(image) << name;
        EXPECT_EQ(image->width(), resized ? 32 : 64);
    }
}

TEST_F(PreferencesTest, EscapeAndTheCloseButtonCancel) {
    for (const bool escape : {true, false}) {
        App().ShowPreferencesSheet();
        Control<QSlider>("ScaleSlider")->setValue(20);
        Control<QLineEdit>("SkipField")->setText("5");
        if (escape) {
            QTest::keyClick(window(), Qt::Key_Escape);
        } else {
            window()->close();
        }
        EXPECT_FALSE(window()->isVisible()) << "escape " << escape;
        EXPECT_FALSE(App().settings().ReadInt16Setting(keys::ScalePercent)) << "nothing is stored";
        EXPECT_FALSE(App().settings().ReadInt16Setting(keys::Skip));
        EXPECT_EQ(window()->CurrentSkip(), 5) << "the run still uses what was entered";
    }
}

TEST_F(PreferencesTest, NumberFieldsOnOkAndCancel) {
    Control<QLineEdit>("SkipField")->setText("0");
    Control<QLineEdit>("InitialFrameField")->setText("5");
    Control<QLineEdit>("FinalFrameField")->setText("");
    Control<QSlider>("ScaleSlider")->setValue(75);
    EXPECT_EQ(Control<QLabel>("ScaleLabel")->text(), "75 percent");
    Control<QPushButton>("OkButton")->click();
    EXPECT_FALSE(window()->isVisible());
    EXPECT_EQ(App().settings().ReadInt16Setting(keys::Skip), 1);
    EXPECT_EQ(Control<QLineEdit>("SkipField")->text(), "1");
    EXPECT_EQ(App().settings().ReadInt32Setting(keys::InitialFrameIndex), 5);
    EXPECT_FALSE(App().settings().ReadInt32Setting(keys::FinalFrameIndex))
        << "an empty field removes the key";
    EXPECT_EQ(App().settings().ReadInt16Setting(keys::ScalePercent), 75);

    App().ShowPreferencesSheet();
    Control<QSlider>("ScaleSlider")->setValue(30);
    Control<QLineEdit>("FinalFrameField")->setText("9");
    Control<QPushButton>("CancelButton")->click();
    EXPECT_EQ(App().settings().ReadInt16Setting(keys::ScalePercent), 75) << "Cancel stores nothing";
    EXPECT_EQ(window()->CurrentScalePercent(), 30) << "but the run uses what was entered";
    std::int32_t last = 0;
    EXPECT_TRUE(window()->CurrentFinalFrameIndex(last));
    EXPECT_EQ(last, 9);
    App().ShowPreferencesSheet();
    EXPECT_EQ(Control<QSlider>("ScaleSlider")->value(), 75) << "showing reloads the store";
}

TEST_F(PreferencesTest, LiveValuesUseTheLowBits) {
    auto* skip = Control<QLineEdit>("SkipField");
    skip->setText("70000");
    EXPECT_EQ(window()->CurrentSkip(), 4464);
    skip->setText("40000");
    EXPECT_EQ(window()->CurrentSkip(), 1);
    EXPECT_EQ(skip->text(), "1");
    skip->setText("");
    EXPECT_EQ(window()->CurrentSkip(), 1);
    // atol into 32 bits saturates: 2147483647, whose low 16 bits are negative.
    skip->setText("3000000000");
    EXPECT_EQ(window()->CurrentSkip(), 1);
    std::int32_t last = 0;
    for (const char* text : {"3000000000", "4294967301", "99999999999999999999"}) {
        Control<QLineEdit>("FinalFrameField")->setText(text);
        EXPECT_TRUE(window()->CurrentFinalFrameIndex(last));
        EXPECT_EQ(last, 2147483647) << text << " means the movie's end";
    }
    Control<QLineEdit>("InitialFrameField")->setText("0");
    std::int32_t first = 77;
    EXPECT_TRUE(window()->CurrentInitialFrameIndex(first));
    EXPECT_EQ(first, 1);
    EXPECT_EQ(Control<QLineEdit>("InitialFrameField")->text(), "1");
    Control<QLineEdit>("InitialFrameField")->setText("");
    first = 77;
    EXPECT_FALSE(window()->CurrentInitialFrameIndex(first));
    EXPECT_EQ(first, 77);
}

TEST_F(PreferencesTest, TheStepsUnitFollowsTheNumberAsItIsTyped) {
    auto* field = Control<QLineEdit>("SkipField");
    field->clear();
    QTest::keyClicks(field, "25");
    EXPECT_EQ(Control<QLabel>("SkipUnitLabel")->text(), "frames");
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(Control<QLabel>("SkipUnitLabel")->text(), "frame") << "empty reads as 1";
    QTest::keyClicks(field, "1");
    EXPECT_EQ(Control<QLabel>("SkipUnitLabel")->text(), "frame");
}

TEST_F(PreferencesTest, NumberFieldsTakeOnlyDigits) {
    auto* field = Control<QLineEdit>("FinalFrameField");
    field->setFocus();
    QTest::keyClicks(field, "12");
    QTest::keyClick(field, Qt::Key_A);
    QTest::keyClick(field, Qt::Key_Minus);
    QTest::keyClick(field, Qt::Key_Space);
    EXPECT_EQ(field->text(), "12");
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "1");
    QApplication::clipboard()->setText("3a9-5");
    field->paste();
    emit field->textEdited(field->text());  // paste() is the user's edit
    EXPECT_EQ(field->text(), "1395");
}

TEST_F(PreferencesTest, CopyFolder) {
    auto* box = Control<QCheckBox>("CopyToBox");
    box->click();
    EXPECT_TRUE(App().settings().ReadBoolSetting(keys::CopyTo));
    EXPECT_TRUE(Control<QPushButton>("ChooseCopyButton")->isEnabled());
    const fs::path folder = NewTempDir("copy here");
    Dialogs().answers = {folder};
    Control<QPushButton>("ChooseCopyButton")->click();
    EXPECT_EQ(Dialogs().prompts.back(), "Choose a folder for the destination of the copy.");
    EXPECT_EQ(Control<QLabel>("CopyToPathText")->text().toStdString(), folder.string());
    fs::path stored;
    ASSERT_TRUE(App().settings().ResolveCopyToLocation(stored));
    EXPECT_EQ(stored, folder);
    box->click();
    EXPECT_FALSE(App().settings().ReadBoolSetting(keys::CopyTo));
    EXPECT_FALSE(Control<QPushButton>("ChooseCopyButton")->isEnabled());
}

// Drops go through real drag events sent to the main window.
struct DropResult {
    bool accepted = false;
    bool highlighted = false;
};

DropResult Drop(QMimeData& data, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    MainWindow* window = &App().mainWindow();
    const QPoint at = window->centralWidget()->geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    DropResult result{enter.isAccepted(), window->dropHighlight()->isVisible()};
    if (!result.accepted) return result;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(window, &drop);
    EXPECT_FALSE(window->dropHighlight()->isVisible());
    return result;
}

using DropTest = AppFixture;

TEST_F(DropTest, WithShiftHeldTheMovieOpensInThePickerAndNothingRuns) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Fixture("sparse_mkv").string()))});
    EXPECT_TRUE(Drop(data, Qt::ShiftModifier).accepted);
    ASSERT_TRUE(ProcessEventsUntil([] { return App().picker().settled(); }));
    EXPECT_TRUE(App().picker().isVisible());
    EXPECT_EQ(App().picker().movie(), Fixture("sparse_mkv"));
    EXPECT_EQ(App().picker().shownIndex(), 1);
    ProcessEventsUntil([] { return false; }, 0.2);
    EXPECT_EQ(RunsCompleted(), 0);
    EXPECT_TRUE(Dialogs().prompts.empty()) << "no destination was asked for";
}

TEST_F(DropTest, FilesAreHandedToTheRunInDragOrder) {
    const fs::path destination = NewTempDir("dropped");
    UseStoredDestination(destination, R"("InitialFrameIndex": 1, "FinalFrameIndex": 2)");
    const fs::path a = Fixture("h264_mp4"), b = Fixture("clip_120"), c = Fixture("late_start");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(a.string())),
                  QUrl("https://example.com/not-local.mp4"),
                  QUrl::fromLocalFile(QString::fromStdString(b.string())),
                  QUrl::fromLocalFile(QString::fromStdString(c.string()))});
    const auto runs = RunsCompleted();
    const DropResult result = Drop(data);
    EXPECT_TRUE(result.accepted);
    EXPECT_TRUE(result.highlighted);
    ASSERT_TRUE(ProcessEventsUntil([&] { return RunsCompleted() > runs; }));
    EXPECT_EQ(App().pendingDocuments(),
              (QStringList{QString::fromStdString(a.string()), QString::fromStdString(b.string()),
                           QString::fromStdString(c.string())}));
    EXPECT_EQ(FileNames(destination), (std::set<std::string>{"frame_1.jpg", "frame_2.jpg"}));
}

// A file manager sends a name that is not UTF-8 as its percent-encoded bytes.
TEST_F(DropTest, ANameInBytesThatAreNotUtf8IsTheFilesOwn) {
    const fs::path destination = NewTempDir("dropped-bytes");
    UseStoredDestination(destination, R"("InitialFrameIndex": 1, "FinalFrameIndex": 2)");
    const fs::path movie = NewTempDir("bytes") / "latin1-\xe9 #1.mp4";
    fs::copy_file(Fixture("h264_mp4"), movie);
    QMimeData data;
    data.setUrls(
        {QUrl::fromEncoded("file://" + QByteArray::fromStdString(movie.parent_path().string()) +
                           "/latin1-%E9%20%231.mp4")});
    const auto runs = RunsCompleted();
    EXPECT_TRUE(Drop(data).accepted);
    ASSERT_TRUE(ProcessEventsUntil([&] { return RunsCompleted() > runs; }));
    EXPECT_EQ(FileNames(destination), (std::set<std::string>{"frame_1.jpg", "frame_2.jpg"}));
}

TEST_F(DropTest, AFolderIsAcceptedAndRefusedByTheRun) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(NewTempDir("a folder").string()))});
    const auto runs = RunsCompleted();
    ResetTableLookups();
    EXPECT_TRUE(Drop(data).accepted);
    ASSERT_TRUE(ProcessEventsUntil([&] { return RunsCompleted() > runs; }));
    EXPECT_EQ(TableLookups(kFolderMessage), 1);
}

TEST_F(DropTest, TextIsRefusedWithoutAHighlight) {
    QMimeData data;
    data.setText("some words from another application");
    const DropResult result = Drop(data);
    EXPECT_FALSE(result.accepted);
    EXPECT_FALSE(result.highlighted);
    MainWindow* window = &App().mainWindow();
    QMimeData file;
    file.setUrls({QUrl::fromLocalFile(QString::fromStdString(Fixture("h264_mp4").string()))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    const QRect highlight = window->dropHighlight()->geometry();
    EXPECT_EQ(highlight, window->centralWidget()->geometry().adjusted(2, 2, -2, -2));
    QDragLeaveEvent leave;
    QApplication::sendEvent(window, &leave);
    EXPECT_FALSE(window->dropHighlight()->isVisible());
}

}  // namespace
}  // namespace reelsnap
