#include "app_harness.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QTranslator>

#include <fstream>
#include <map>

#include "app/app_state.h"
#include "app/application.h"
#include "app/open_documents.h"
#include "platform/preferences_domain.h"
#include "settings/preferences_window.h"

namespace reelsnap::testing {
namespace fs = std::filesystem;

std::optional<fs::path> ScriptedChooser::Next(const QString& message) {
    prompts.push_back(message);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<fs::path> ScriptedChooser::AskForFile(const QString& message, const fs::path*) {
    return Next(message);
}

std::optional<fs::path> ScriptedChooser::AskForFolder(const QString& message, const fs::path*) {
    return Next(message);
}

namespace {

ScriptedChooser* scripted = nullptr;
const Shell* theShell = nullptr;
std::map<QString, int> lookups;

// Answers nothing, so every key stands for itself, and counts the questions.
class CountingTranslator : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArray(context) == "LocalizedStrings") ++lookups[QString::fromUtf8(source)];
        return QString();
    }
    bool isEmpty() const override { return false; }
};

// One application for the whole test program, as the process has one.
class ApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "reelsnap-tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        translator_ = std::make_unique<CountingTranslator>();
        QCoreApplication::installTranslator(translator_.get());
        config_ = std::make_unique<ScopedConfigHome>();
        auto chooser = std::make_unique<ScriptedChooser>();
        scripted = chooser.get();
        SetChooser(std::move(chooser));
        shell_ = std::make_unique<Shell>();
        theShell = shell_.get();
    }
    void TearDown() override {
        theShell = nullptr;
        shell_.reset();
        SetChooser(std::make_unique<FileDialogChooser>());
        scripted = nullptr;
        config_.reset();
        translator_.reset();
        app_.reset();
    }

  private:
    std::unique_ptr<QApplication> app_;
    std::unique_ptr<CountingTranslator> translator_;
    std::unique_ptr<ScopedConfigHome> config_;
    std::unique_ptr<Shell> shell_;
};

const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);  // gtest owns it

}  // namespace

ScriptedChooser& Dialogs() {
    return *scripted;
}

void StoreSettings(const std::string& jsonMembers) {
    ReplacePreferencesFile(PreferencesDomain::ApplicationFile(), "{" + jsonMembers + "}");
    PreparePreferencesWindow();
}

void UseStoredDestination(const fs::path& destination, const std::string& moreMembers) {
    const QByteArray location = QByteArray::fromStdString(destination.string()).toBase64();
    StoreSettings("\"CopyTo\": true, \"CopyToLocation\": {\"data\": \"" + location.toStdString() +
                  "\"}" + (moreMembers.empty() ? "" : ", " + moreMembers));
}

bool ProcessEventsUntil(const std::function<bool()>& done, double seconds) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > qint64(seconds * 1000)) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void RunDocuments(const QStringList& documents, const std::function<void()>& during) {
    AppState& state = State();
    const std::int64_t before = state.runsCompleted;
    QTimer watcher;
    if (during) {
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (state.runInProgress) during();
        });
        watcher.start(0);
    }
    PostOpenDocuments(documents);
    EXPECT_TRUE(ProcessEventsUntil([&] { return state.runsCompleted > before; }));
    // Let a run that was deferred meanwhile go too.
    ProcessEventsUntil([&] { return !state.runInProgress && state.deferredRuns == 0; }, 5);
}

int TableLookups(const QString& key) {
    return lookups[key];
}
void ResetTableLookups() {
    lookups.clear();
}

int ShellStatus() {
    return theShell->status();
}

QString StatusLine1() {
    return State().controls.statusText->text();
}

}  // namespace reelsnap::testing
