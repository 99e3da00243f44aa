// What makes Reelsnap a desktop application beyond its run: the icon, the
// About box, the window's size and place, accessible names, access letters
// and the translations.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollBar>
#include <fstream>

#include "app/command_handlers.h"
#include "app/picker/picker_window.h"
#include "app_harness.h"
#include "platform/translations.h"
#include "settings/preferences_window.h"

namespace reelsnap {
namespace {
namespace fs = std::filesystem;
using namespace testing;

class DesktopTest : public AppFixture {};

// Triggers the main window's action for the command, reads the message box
// it shows, and dismisses it.
MessageBoxSeen AnswerBoxOfCommand(CommandId command) {
    QAction* action = nullptr;
    for (QAction* a : App().mainWindow().findChildren<QAction*>()) {
        if (App().mainWindow().CommandOf(a) == command) action = a;
    }
    EXPECT_TRUE(action);
    if (!action) return {};
    return AnswerMessageBox([action] { action->trigger(); });
}

TEST_F(DesktopTest, TheIconShowsOnTheWindowAndInTheAboutBox) {
    EXPECT_FALSE(ApplicationIcon().isNull());
    EXPECT_EQ(
        App().mainWindow().windowIcon().pixmap(64).toImage().convertToFormat(QImage::Format_ARGB32),
        IconImage(64));

    const MessageBoxSeen about = AnswerBoxOfCommand(commands::About);
    EXPECT_EQ(about.title, "About Reelsnap");
    EXPECT_TRUE(about.text.contains("Reelsnap 1.0")) << about.text.toStdString();
    for (const char* library :
         {"FFmpeg 5", "Qt 6.", "libjpeg-turbo 2.", "libdeflate 1.", "libtiff 4.", "giflib 5.",
          "libimagequant 2.", "OpenJPEG 2.", "libwebp 1.", "libavif 0.", "libjxl 0."}) {
        EXPECT_TRUE(about.text.contains(library)) << library;
    }
    EXPECT_TRUE(about.text.contains("licensed under the GPL")) << about.text.toStdString();
    EXPECT_TRUE(about.text.contains("GNU General Public License, version 3 or later"));
    EXPECT_FALSE(about.icon.isNull());
    EXPECT_EQ(about.icon.size(), IconImage(64).size());
}

// Docks match the window to its launcher: on Wayland by the desktop file's
// name (the application id), on X11 by WM_CLASS's class, which is the
// application's name and the desktop file's StartupWMClass.
TEST_F(DesktopTest, TheWindowIsMatchedToItsLauncher) {
    SetApplicationIdentity();
    const fs::path desktop = fs::path(REELSNAP_SOURCE_DIR) / "resources" /
                             (QGuiApplication::desktopFileName().toStdString() + ".desktop");
    std::ifstream in(desktop);
    ASSERT_TRUE(in) << desktop;
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(
        text.find("\nStartupWMClass=" + QCoreApplication::applicationName().toStdString() + "\n"),
        std::string::npos);
}

TEST_F(DesktopTest, TheWindowKeepsItsSizeAndPlace) {
    App().mainWindow().setGeometry(123, 84, 611, 347);
    const QPoint place = App().mainWindow().pos();
    RestartApplication();
    EXPECT_EQ(App().mainWindow().size(), QSize(611, 347));
    EXPECT_EQ(App().mainWindow().pos(), place);
}

// Every control names itself to assistive technology as a screen reader
// reads it: its text, its label's, or its own accessible name.
void ExpectAccessibleNames(QWidget& window) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QLineEdit*>(widget) &&
            !qobject_cast<QComboBox*>(widget) && !qobject_cast<QAbstractSlider*>(widget) &&
            !qobject_cast<QProgressBar*>(widget)) {
            continue;
        }
        if (widget->objectName().startsWith("qt_")) continue;  // Qt's own, such as the menu bar's »
        if (qobject_cast<QScrollBar*>(widget)) continue;       // a list's own
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_TRUE(accessible) << widget->objectName().toStdString();
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
            << widget->objectName().toStdString();
    }
}

// Every labelled field, box and button of the window but OK and Cancel (the
// Return and Escape keys) has an access letter, and no two share one.
void ExpectUniqueAccessLetters(const QWidget& window) {
    QSet<QChar> letters;
    const auto expect = [&](const QString& text, const QWidget& control) {
        const auto at = text.indexOf('&');
        ASSERT_GE(at, 0) << control.objectName().toStdString() << ": " << text.toStdString();
        const QChar letter = text.at(at + 1).toLower();
        EXPECT_FALSE(letters.contains(letter)) << text.toStdString();
        letters.insert(letter);
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->buddy()) expect(label->text(), *label);
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        const QString name = button->objectName();
        if (name == "OkButton" || name == "CancelButton" || name.isEmpty() ||
            name.startsWith("qt_")) {
            continue;
        }
        expect(button->text(), *button);
    }
    // A menu bar's titles answer the same Alt key.
    if (const QMenuBar* bar = window.findChild<QMenuBar*>()) {
        for (const QAction* menu : bar->actions()) expect(menu->text(), window);
    }
}

// Every item of every menu of the window has an access letter, unique in its menu.
void ExpectMenusWithAccessLetters(const QMainWindow& window) {
    for (QAction* menu : window.menuBar()->actions()) {
        EXPECT_TRUE(menu->text().contains('&')) << menu->text().toStdString();
        QSet<QChar> letters;
        for (QAction* item : menu->menu()->actions()) {
            if (item->isSeparator()) continue;
            const QString text = item->text();
            const auto at = text.indexOf('&');
            ASSERT_GE(at, 0) << text.toStdString();
            EXPECT_FALSE(letters.contains(text.at(at + 1).toLower())) << text.toStdString();
            letters.insert(text.at(at + 1).toLower());
        }
    }
}

TEST_F(DesktopTest, ControlsHaveAccessibleNamesAndMenusAccessLetters) {
    ExpectUniqueAccessLetters(App().preferencesWindow());
    ExpectAccessibleNames(App().mainWindow());
    ExpectAccessibleNames(App().preferencesWindow());
    ExpectMenusWithAccessLetters(App().mainWindow());
    ExpectUniqueAccessLetters(App().picker());
    ExpectAccessibleNames(App().picker());
    ExpectMenusWithAccessLetters(App().picker());
}

// Under LANG=de_DE.UTF-8 (the app_test_de run), the string table and the
// windows speak German, and Qt's own texts too.
class GermanTest : public AppFixture {
  protected:
    void SetUp() override {
        if (QLocale().language() != QLocale::German) {
            GTEST_SKIP() << "runs under LANG=de_DE.UTF-8";
        }
        translations_ = std::make_unique<Translations>();
        AppFixture::SetUp();
    }
    void TearDown() override {
        AppFixture::TearDown();
        translations_.reset();
    }
    std::unique_ptr<Translations> translations_;
};

TEST_F(GermanTest, StatusLinesAndWindowsSpeakTheSystemsLanguage) {
    ASSERT_TRUE(translations_->loaded());
    EXPECT_EQ(StatusLine1(),
              "Ziehen Sie eine Filmdatei auf das Programm oder dieses Fenster, um sie zu "
              "verarbeiten.");
    const auto labels = App().preferencesWindow().findChildren<QLabel*>("InitialFrameLabel");
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.front()->text(), "&Erstes Bild:");
    ExpectUniqueAccessLetters(App().preferencesWindow());
    ExpectUniqueAccessLetters(App().picker());
    ExpectMenusWithAccessLetters(App().mainWindow());
    ExpectMenusWithAccessLetters(App().picker());
    EXPECT_EQ(App().mainWindow().menuBar()->actions().front()->text(), "&Datei");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    // The About box is German to its end, the FFmpeg licence's name included.
    const QString about = AboutText();
    EXPECT_TRUE(about.contains("GNU General Public License, Version 3 oder später"))
        << about.toStdString();
    EXPECT_FALSE(about.contains("or later")) << about.toStdString();
    // The drop zone writes the shortcut as the menus do.
    const QString pane = qobject_cast<QLabel*>(App().mainWindow().idlePane())->text();
    EXPECT_TRUE(pane.contains("(Strg+O)")) << pane.toStdString();
}

}  // namespace
}  // namespace reelsnap
