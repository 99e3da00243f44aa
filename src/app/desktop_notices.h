// What the desktop shows of a run outside the window: the launcher's
// progress (com.canonical.Unity.LauncherEntry, which docks and task
// managers read) and a notification when a run ends unseen
// (org.freedesktop.Notifications), whose action opens the folder. Both are
// fire-and-forget on the session bus: without a bus, or with nobody on it
// who listens, nothing happens and nothing waits.
#pragma once

#include <QDBusConnection>
#include <QDBusError>
#include <QObject>
#include <QString>
#include <QUrl>
#include <deque>
#include <map>

namespace reelsnap {

class DesktopNotices : public QObject {
    Q_OBJECT
  public:
    DesktopNotices();

    // The bus to talk on; the session bus unless told otherwise (a test's own).
    void UseBus(const QDBusConnection& bus);

    // The launcher's bar at `fraction` (0 to 1), shown.
    void ShowLauncherProgress(double fraction);
    void HideLauncherProgress();

    // A notification; its default action opens `folder` when it is not empty.
    void Notify(const QString& summary, const QString& body, const QUrl& folder);

  private slots:
    void NotificationShown(uint id);
    void NotificationFailed(const QDBusError& error);
    void ActionInvoked(uint id, const QString& action);
    void NotificationClosed(uint id, uint reason);

  private:
    void SendLauncherEntry(double fraction, bool visible);
    void ListenForActions();

    QDBusConnection bus_;
    int lastPermille_ = -1;            // the launcher is told again only when this changes
    std::deque<QUrl> pendingFolders_;  // of the notifications not yet answered
    std::map<uint, QUrl> folders_;     // of the notifications still on screen, by id
};

}  // namespace reelsnap
