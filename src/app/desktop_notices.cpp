#include "app/desktop_notices.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QVariantMap>
#include <algorithm>

namespace reelsnap {

namespace {

constexpr const char* kNotifications = "org.freedesktop.Notifications";
constexpr const char* kNotificationsPath = "/org/freedesktop/Notifications";
constexpr const char* kLauncherEntry = "com.canonical.Unity.LauncherEntry";
constexpr const char* kLauncherPath = "/com/ondrel/Reelsnap/LauncherEntry";

QString ApplicationUri() {
    return QStringLiteral("application://%1.desktop").arg(QGuiApplication::desktopFileName());
}

}  // namespace

DesktopNotices::DesktopNotices() : bus_(QDBusConnection::sessionBus()) {
    ListenForActions();
}

void DesktopNotices::UseBus(const QDBusConnection& bus) {
    bus_ = bus;
    folders_.clear();
    pendingFolders_.clear();
    lastPermille_ = -1;
    ListenForActions();
}

void DesktopNotices::ListenForActions() {
    if (!bus_.isConnected()) return;
    bus_.connect(kNotifications, kNotificationsPath, kNotifications, "ActionInvoked", this,
                 SLOT(ActionInvoked(uint, QString)));
    bus_.connect(kNotifications, kNotificationsPath, kNotifications, "NotificationClosed", this,
                 SLOT(NotificationClosed(uint, uint)));
}

void DesktopNotices::ShowLauncherProgress(double fraction) {
    // A signal per frame would flood the bus at hundreds of frames a second.
    const int permille = int(std::clamp(fraction, 0.0, 1.0) * 1000);
    if (permille == lastPermille_) return;
    lastPermille_ = permille;
    SendLauncherEntry(permille / 1000.0, true);
}

void DesktopNotices::HideLauncherProgress() {
    lastPermille_ = -1;
    SendLauncherEntry(0, false);
}

void DesktopNotices::SendLauncherEntry(double fraction, bool visible) {
    if (!bus_.isConnected()) return;
    QDBusMessage update = QDBusMessage::createSignal(kLauncherPath, kLauncherEntry, "Update");
    const QVariantMap properties{{"progress", fraction}, {"progress-visible", visible}};
    update << ApplicationUri() << properties;
    bus_.send(update);
}

void DesktopNotices::Notify(const QString& summary, const QString& body, const QUrl& folder) {
    if (!bus_.isConnected()) return;
    QDBusMessage notify = QDBusMessage::createMethodCall(kNotifications, kNotificationsPath,
                                                         kNotifications, "Notify");
    QStringList actions;
    if (!folder.isEmpty()) actions << "default" << tr("Open Folder");
    const QVariantMap hints{{"desktop-entry", QGuiApplication::desktopFileName()},
                            {"category", "transfer.complete"}};
    notify << QGuiApplication::applicationDisplayName() << uint(0)
           << QGuiApplication::desktopFileName() << summary << body << actions << hints << int(-1);
    // The reply names the notification, and its action is matched by that
    // id; replies come back in the order the calls went out.
    pendingFolders_.push_back(folder);
    bus_.callWithCallback(notify, this, SLOT(NotificationShown(uint)),
                          SLOT(NotificationFailed(QDBusError)));
}

void DesktopNotices::NotificationShown(uint id) {
    if (pendingFolders_.empty()) return;
    if (!pendingFolders_.front().isEmpty()) folders_[id] = pendingFolders_.front();
    pendingFolders_.pop_front();
}

void DesktopNotices::NotificationFailed(const QDBusError&) {
    if (!pendingFolders_.empty()) pendingFolders_.pop_front();
}

void DesktopNotices::ActionInvoked(uint id, const QString& action) {
    const auto found = folders_.find(id);
    if (found == folders_.end() || action != "default") return;
    QDesktopServices::openUrl(found->second);
}

void DesktopNotices::NotificationClosed(uint id, uint) {
    folders_.erase(id);
}

}  // namespace reelsnap
