// The application end to end, in process, for the tests: each test gets a
// fresh application (real main window, preferences window and run,
// offscreen) over a fresh user's preferences, with the choosers answered by
// the test.
#pragma once

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QImage>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/application.h"
#include "files/choosers.h"
#include "support/fixtures.h"

namespace reelsnap::testing {

// Answers the dialogs with queued answers (nothing: the user cancels) and
// records their prompts.
class ScriptedChooser : public Chooser {
  public:
    std::deque<std::optional<std::filesystem::path>> answers;
    std::vector<QString> prompts;
    std::vector<std::optional<std::filesystem::path>> folderStarts;  // of the folder questions
    std::vector<QString> folderTitles;

    std::vector<QString> filters;  // of the file questions
    std::optional<std::filesystem::path> AskForFile(const QString& message,
                                                    const std::filesystem::path*,
                                                    const QString& filter) override;
    std::optional<std::filesystem::path> AskForFolder(const QString& title, const QString& message,
                                                      const std::filesystem::path*) override;
    std::optional<std::filesystem::path> AskForNewFile(const QString& title,
                                                       const std::filesystem::path& suggested,
                                                       const QString& filter) override;
    std::deque<std::optional<int>> numbers;  // answers to the number questions
    std::optional<int> AskForNumber(const QString& title, const QString& label, int value,
                                    int minimum, int maximum) override;

  private:
    std::optional<std::filesystem::path> Next(const QString& message);
};

// Receives the addresses the application asks the desktop to open.
class OpenedUrls : public QObject {
    Q_OBJECT
  public:
    OpenedUrls() { QDesktopServices::setUrlHandler("file", this, "Open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> urls;
  public slots:
    void Open(const QUrl& url) { urls << url; }
};

// Makes the application for each test and takes it down after.
class AppFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Takes the application down and starts it again over the same preferences.
    void RestartApplication();

  private:
    std::unique_ptr<ScopedConfigHome> home_;
    std::unique_ptr<Application> app_;
};

// The application of the running test, and its dialogs.
Application& App();
ScriptedChooser& Dialogs();

// Stored settings that send the frames to `destination` without asking,
// reloaded into the preferences window.
void UseStoredDestination(const std::filesystem::path& destination,
                          const std::string& moreMembers = "");
// Writes these settings (JSON members) and reloads the preferences window.
void StoreSettings(const std::string& jsonMembers);

// Posts the documents as a launch or a drop would, and returns once the run
// they schedule has ended. `during` is called at every event-loop turn
// while the run is in progress.
void RunDocuments(const QStringList& documents, const std::function<void()>& during = {});
// The indices painted in the image files of a folder, ascending; each file
// must decode and end in `extension`.
std::vector<int> IndicesOfFiles(const std::filesystem::path& folder, const std::string& extension);

// Runs ended since the application was made.
int RunsCompleted();

// A path as the documents list carries it.
inline QString Path(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Lets the event loop run until `done` holds or `seconds` pass.
bool ProcessEventsUntil(const std::function<bool()>& done, double seconds = 20);

// Counts the lookups in the "LocalizedStrings" table, by key.
int TableLookups(const QString& key);
void ResetTableLookups();

QString StatusLine1();

// What a message box showed: its title, text, text format and icon (as
// ARGB32, to compare with IconImage).
struct MessageBoxSeen {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QImage icon;
};
// Runs the command, reads the message box it shows, and dismisses it.
MessageBoxSeen AnswerMessageBox(const std::function<void()>& command);

// The application's icon at this size, as ARGB32.
QImage IconImage(int size);

}  // namespace reelsnap::testing
