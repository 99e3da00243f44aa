// An in-process application for the end-to-end tests: the real main window,
// preferences window and run, offscreen, with the choosers answered by the test.
#pragma once

#include <QStringList>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <vector>

#include "files/choosers.h"
#include "support/fixtures.h"

namespace reelsnap::testing {

// Answers the dialogs with queued answers (nothing: the user cancels) and
// records their prompts.
class ScriptedChooser : public Chooser {
  public:
    std::deque<std::optional<std::filesystem::path>> answers;
    std::vector<QString> prompts;

    std::optional<std::filesystem::path> AskForFile(const QString& message,
                                                    const std::filesystem::path*) override;
    std::optional<std::filesystem::path> AskForFolder(const QString& message,
                                                      const std::filesystem::path*) override;

  private:
    std::optional<std::filesystem::path> Next(const QString& message);
};

// Installed for every test; reset between tests.
ScriptedChooser& Dialogs();

// A fresh user whose stored settings send the frames to `destination`
// without asking, reloaded into the preferences window.
void UseStoredDestination(const std::filesystem::path& destination,
                          const std::string& moreMembers = "");
// Writes these settings (JSON members) and reloads the preferences window.
void StoreSettings(const std::string& jsonMembers);

// Posts the documents as a launch or a drop would, and returns once the run
// they schedule has ended. `during` is called at every event-loop turn
// while the run is in progress.
void RunDocuments(const QStringList& documents, const std::function<void()>& during = {});

// Lets the event loop run until `done` holds or `seconds` pass.
bool ProcessEventsUntil(const std::function<bool()>& done, double seconds = 20);

// Counts the lookups in the "LocalizedStrings" table, by key.
int TableLookups(const QString& key);
void ResetTableLookups();

QString StatusLine1();

// The status the application's start-up left for the end of the process.
int ShellStatus();

}  // namespace reelsnap::testing
