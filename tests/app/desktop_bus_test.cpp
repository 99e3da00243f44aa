// What the desktop shows of a run outside the window, heard on a private
// session bus that the test starts: the launcher's progress and the
// notification of a run that ended unseen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QLabel>
#include <QProcess>
#include <QUrl>
#include <QVariantMap>
#include <fstream>

#include "app_harness.h"

namespace reelsnap {
namespace {
using namespace testing;

// A dbus-daemon of the test's own, and two connections to it: the
// application's and the desktop's.
class PrivateBus {
  public:
    PrivateBus() {
        daemon_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!daemon_.waitForStarted() || !daemon_.waitForReadyRead(10000)) return;
        const QString address = QString::fromUtf8(daemon_.readLine()).trimmed();
        app_ = QDBusConnection::connectToBus(address, "reelsnap-test-app");
        desktop_ = QDBusConnection::connectToBus(address, "reelsnap-test-desktop");
    }
    ~PrivateBus() {
        QDBusConnection::disconnectFromBus("reelsnap-test-app");
        QDBusConnection::disconnectFromBus("reelsnap-test-desktop");
        daemon_.kill();
        daemon_.waitForFinished();
    }
    bool connected() const { return app_.isConnected() && desktop_.isConnected(); }
    QDBusConnection& app() { return app_; }
    QDBusConnection& desktop() { return desktop_; }

  private:
    QProcess daemon_;
    QDBusConnection app_{QString()};
    QDBusConnection desktop_{QString()};
};

struct Notification {
    QString summary, body;
    QStringList actions;
    QVariantMap hints;
};

// The desktop's notification server, as far as Notify goes.
class NotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
  public:
    std::vector<Notification> shown;
  public slots:
    uint Notify(const QString&, uint, const QString&, const QString& summary, const QString& body,
                const QStringList& actions, const QVariantMap& hints, int) {
        shown.push_back({summary, body, actions, hints});
        return uint(40 + shown.size());
    }
};

// The dock, listening to every launcher entry's updates.
class LauncherListener : public QObject {
    Q_OBJECT
  public:
    struct Update {
        QString uri;
        double progress;
        bool visible;
    };
    std::vector<Update> updates;
  public slots:
    void Updated(const QString& uri, const QVariantMap& properties) {
        updates.push_back({uri, properties.value("progress").toDouble(),
                           properties.value("progress-visible").toBool()});
    }
};

class DesktopBusTest : public AppFixture {
  protected:
    void SetUp() override {
        AppFixture::SetUp();
        if (!bus_.connected()) GTEST_SKIP() << "dbus-daemon did not start";
        App().desktopNotices().UseBus(bus_.app());
        bus_.desktop().connect("", "", "com.canonical.Unity.LauncherEntry", "Update", &launcher_,
                               SLOT(Updated(QString, QVariantMap)));
        other_.show();
    }
    // Runs the documents while the user turns to another window, as one
    // does during a long run: the window comes to the front for the
    // documents, and the run ends unseen.
    void RunUnseen(const QStringList& documents) {
        RunDocuments(documents, [this] { QApplication::setActiveWindow(&other_); });
        ASSERT_FALSE(App().mainWindow().isActiveWindow());
    }
    void ServeNotifications() {
        ASSERT_TRUE(bus_.desktop().registerObject("/org/freedesktop/Notifications", &server_,
                                                  QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(bus_.desktop().registerService("org.freedesktop.Notifications"));
    }
    void ClickNotification(uint id) {
        QDBusMessage clicked = QDBusMessage::createSignal(
            "/org/freedesktop/Notifications", "org.freedesktop.Notifications", "ActionInvoked");
        clicked << id << QString("default");
        bus_.desktop().send(clicked);
    }

    PrivateBus bus_;
    NotificationServer server_;
    LauncherListener launcher_;
    QWidget other_;
    std::filesystem::path destination_ = NewTempDir("bus-destination");
};

TEST_F(DesktopBusTest, ARunEndedUnseenIsNotifiedAndItsActionOpensTheFolder) {
    ServeNotifications();
    UseStoredDestination(destination_, R"("FinalFrameIndex": 12)");
    RunUnseen({Path(Fixture("h264_mp4"))});
    ASSERT_TRUE(ProcessEventsUntil([&] { return !server_.shown.empty(); }, 10));
    ASSERT_EQ(server_.shown.size(), 1u);
    const Notification& shown = server_.shown[0];
    EXPECT_TRUE(shown.summary.startsWith("12 frame")) << shown.summary.toStdString();
    EXPECT_EQ(shown.body, Path(destination_));
    EXPECT_TRUE(shown.actions.contains("default"));
    EXPECT_EQ(shown.hints.value("desktop-entry").toString(), "com.ondrel.Reelsnap");

    OpenedUrls opened;
    ClickNotification(41);
    ASSERT_TRUE(ProcessEventsUntil([&] { return !opened.urls.isEmpty(); }, 10));
    EXPECT_EQ(opened.urls, QList<QUrl>{QUrl::fromLocalFile(Path(destination_))});

    // The dock saw the bar go from shown to full to hidden, for this application.
    ASSERT_TRUE(ProcessEventsUntil(
        [&] { return !launcher_.updates.empty() && !launcher_.updates.back().visible; }, 10));
    const auto& updates = launcher_.updates;
    ASSERT_GE(updates.size(), 3u);
    EXPECT_TRUE(updates.front().visible);
    EXPECT_EQ(updates.front().progress, 0.0);
    EXPECT_EQ(updates[updates.size() - 2].progress, 1.0);
    for (std::size_t i = 1; i + 1 < updates.size(); ++i) {
        EXPECT_TRUE(updates[i].visible);
        EXPECT_GT(updates[i].progress, updates[i - 1].progress);
    }
    for (const auto& update : updates) {
        EXPECT_EQ(update.uri, "application://com.ondrel.Reelsnap.desktop");
    }
}

TEST_F(DesktopBusTest, TheLauncherHearsOfEachChangeOfProgressOnce) {
    // 1,500 frames: many a frame moves the bar by less than its step.
    UseStoredDestination(destination_, R"("Skip": 10, "FinalFrameIndex": 15000)");
    RunUnseen({Path(Fixture("long_mkv"))});
    ASSERT_TRUE(ProcessEventsUntil(
        [&] { return !launcher_.updates.empty() && !launcher_.updates.back().visible; }, 60));
    const auto& updates = launcher_.updates;
    EXPECT_LE(updates.size(), 1002u);
    for (std::size_t i = 1; i + 1 < updates.size(); ++i) {
        ASSERT_GT(updates[i].progress, updates[i - 1].progress) << "update " << i;
    }
}

TEST_F(DesktopBusTest, ARunThatFailsUnseenSaysWhyAndOneSeenSaysNothing) {
    ServeNotifications();
    // The user's own file has the second frame's name: the run stops there.
    std::ofstream(destination_ / "frame_2.jpg") << "the user's own";
    UseStoredDestination(destination_);
    RunUnseen({Path(Fixture("h264_mp4"))});
    ASSERT_TRUE(ProcessEventsUntil([&] { return !server_.shown.empty(); }, 10));
    EXPECT_EQ(server_.shown[0].summary, "Extraction stopped");
    EXPECT_TRUE(server_.shown[0].body.startsWith("Could not write “frame_2.jpg”"))
        << server_.shown[0].body.toStdString();
    EXPECT_EQ(server_.shown[0].body, App().mainWindow().statusText()->text());

    // The user stays with the window this time.
    std::filesystem::remove(destination_ / "frame_2.jpg");
    QWidget& window = App().mainWindow();
    QApplication::setActiveWindow(&window);
    RunDocuments({Path(Fixture("h264_mp4"))});
    ASSERT_TRUE(window.isActiveWindow());
    ProcessEventsUntil([] { return false; }, 0.5);
    EXPECT_EQ(server_.shown.size(), 1u) << "the user saw the run end";
}

TEST_F(DesktopBusTest, WithoutANotificationServiceTheRunEndsAsEver) {
    UseStoredDestination(destination_, R"("FinalFrameIndex": 3)");
    RunUnseen({Path(Fixture("h264_mp4"))});
    EXPECT_EQ(RunsCompleted(), 1);
    EXPECT_EQ(FileNames(destination_).size(), 3u);
    ProcessEventsUntil([] { return false; }, 0.3);  // the call's error comes back, unheard
    EXPECT_EQ(App().mainWindow().statusText()->text(),
              "Drop a movie file on the application or this window to process.");
}

}  // namespace
}  // namespace reelsnap

#include "desktop_bus_test.moc"
