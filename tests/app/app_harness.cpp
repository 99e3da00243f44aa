#include "app_harness.h"

#include <QApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <map>

#include "platform/preferences_domain.h"
#include "settings/preferences_window.h"
#include "support/image_files.h"

namespace reelsnap::testing {
namespace fs = std::filesystem;

std::optional<fs::path> ScriptedChooser::Next(const QString& message) {
    prompts.push_back(message);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<fs::path> ScriptedChooser::AskForFile(const QString& message, const fs::path*,
                                                    const QString& filter) {
    filters.push_back(filter);
    return Next(message);
}

std::optional<fs::path> ScriptedChooser::AskForFolder(const QString& title, const QString& message,
                                                      const fs::path* start) {
    folderStarts.push_back(start ? std::optional<fs::path>(*start) : std::nullopt);
    folderTitles.push_back(title);
    return Next(message);
}

std::optional<fs::path> ScriptedChooser::AskForNewFile(const QString& title, const fs::path&,
                                                       const QString&) {
    return Next(title);
}

std::optional<int> ScriptedChooser::AskForNumber(const QString& title, const QString&, int, int,
                                                 int) {
    prompts.push_back(title);
    if (numbers.empty()) return std::nullopt;
    const std::optional<int> number = numbers.front();
    numbers.pop_front();
    return number;
}

namespace {

Application* current = nullptr;
ScriptedChooser* scripted = nullptr;
int runsCompleted = 0;
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

// One QApplication for the whole test program, as the process has one.
class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "reelsnap-tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        SetApplicationIdentity();
        QApplication::setQuitOnLastWindowClosed(false);
        translator_ = std::make_unique<CountingTranslator>();
        QCoreApplication::installTranslator(translator_.get());
    }
    void TearDown() override {
        translator_.reset();
        app_.reset();
    }

  private:
    std::unique_ptr<QApplication> app_;
    std::unique_ptr<CountingTranslator> translator_;
};

const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);  // gtest owns it

}  // namespace

void AppFixture::SetUp() {
    home_ = std::make_unique<ScopedConfigHome>();
    RestartApplication();
}

void AppFixture::RestartApplication() {
    app_.reset();
    auto chooser = std::make_unique<ScriptedChooser>();
    scripted = chooser.get();
    app_ = std::make_unique<Application>(home_->preferencesFile(), std::move(chooser));
    current = app_.get();
    // No test speaks to the desktop the tests run on; those that listen
    // start a bus of their own.
    app_->desktopNotices().UseBus(QDBusConnection(QStringLiteral("reelsnap-no-bus")));
    runsCompleted = 0;
    QObject::connect(app_.get(), &Application::runFinished, [] { ++runsCompleted; });
}

void AppFixture::TearDown() {
    app_.reset();
    // A test that quit leaves Qt's "quit now" mark, which would end every
    // modal dialog of later tests at once; a turn of exec() clears it.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    current = nullptr;
    scripted = nullptr;
    home_.reset();
}

Application& App() {
    return *current;
}

ScriptedChooser& Dialogs() {
    return *scripted;
}

void StoreSettings(const std::string& jsonMembers) {
    ReplacePreferencesFile(PreferencesDomain::ApplicationFile(), "{" + jsonMembers + "}");
    App().preferencesWindow().FillPreferencesWindow();
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
    const int before = runsCompleted;
    QTimer watcher;
    if (during) {
        QObject::connect(&watcher, &QTimer::timeout, [&] {
            if (App().runInProgress()) during();
        });
        watcher.start(0);
    }
    App().PostOpenDocuments(documents);
    EXPECT_TRUE(ProcessEventsUntil([&] { return runsCompleted > before; }));
    // Let a run that was deferred meanwhile go too.
    ProcessEventsUntil([&] { return !App().runInProgress() && App().deferredRuns() == 0; }, 5);
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

int RunsCompleted() {
    return runsCompleted;
}

int TableLookups(const QString& key) {
    return lookups[key];
}
void ResetTableLookups() {
    lookups.clear();
}

QString StatusLine1() {
    return App().mainWindow().statusText()->text();
}

MessageBoxSeen AnswerMessageBox(const std::function<void()>& command) {
    MessageBoxSeen seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen = {box->windowTitle(), box->text(), box->textFormat(),
                    box->iconPixmap().toImage().convertToFormat(QImage::Format_ARGB32)};
            box->accept();
        }
    });
    poll.start(10);
    command();
    return seen;
}

QImage IconImage(int size) {
    return ApplicationIcon().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace reelsnap::testing
