// The command handlers' constants and the frame count's alert.
#pragma once

#include <QString>
#include <QtGlobal>
#include <filesystem>

class QWidget;

namespace reelsnap {

inline const char* const kProductPage = "https://www.ondrel.com/reelsnap/";
// On Linux the software store is the distribution's software centre, which
// opens an application's page from its AppStream id.
inline const char* const kAppStorePage = "appstream://com.ondrel.Reelsnap";

inline const char* const kWebSiteItem =
    QT_TRANSLATE_NOOP("LocalizedStrings", "View in Ondrel &Website...");
inline const char* const kAppStoreItem =
    QT_TRANSLATE_NOOP("LocalizedStrings", "View in &Software Centre...");
inline const char* const kFrameCountAlert =
    QT_TRANSLATE_NOOP("LocalizedStrings", "The movie \"%1\" has %2 frames.");

inline const char* const kAboutTitle = QT_TRANSLATE_NOOP("LocalizedStrings", "About Reelsnap");
inline const char* const kAboutSummary =
    QT_TRANSLATE_NOOP("LocalizedStrings", "Turns a movie into still images, one per frame.");
inline const char* const kAboutLibraries =
    QT_TRANSLATE_NOOP("LocalizedStrings", "Built on these libraries, in use now:");
inline const char* const kAboutFfmpegLicence =
    QT_TRANSLATE_NOOP("LocalizedStrings", "The FFmpeg libraries are licensed under the %1.");
inline const char* const kAboutLicence = QT_TRANSLATE_NOOP(
    "LocalizedStrings",
    "Reelsnap is free software under the GNU General Public License, version 3 or later.");
// The licences libavcodec may name, as table keys, so that the sentence
// around them is translated whole.
inline const char* const kFfmpegLicences[] = {
    QT_TRANSLATE_NOOP("LocalizedStrings", "GPL version 2 or later"),
    QT_TRANSLATE_NOOP("LocalizedStrings", "GPL version 3 or later"),
    QT_TRANSLATE_NOOP("LocalizedStrings", "LGPL version 2.1 or later"),
    QT_TRANSLATE_NOOP("LocalizedStrings", "LGPL version 3 or later"),
};

// The About box: the version, the libraries in use and their versions, and
// the licence they were built under; with the application's icon.
QString AboutText();
void ShowAbout(QWidget* parent);

// Beeps, then shows an alert with the application's icon and one OK button
// until it is dismissed. The message is plain text.
void ShowAlert(QWidget* parent, const QString& message);

// The item's name, or an empty string when it cannot be read.
QString CopyCatalogName(const std::filesystem::path& item);

}  // namespace reelsnap
