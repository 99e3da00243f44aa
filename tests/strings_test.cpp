// Every text a user sees is a key that lupdate finds, and the English table
// holds every key.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <set>

#include "support/fixtures.h"

namespace reelsnap {
namespace {

// The source texts of one context of a .ts file.
std::set<QString> SourcesIn(const QString& tsFile, const QString& context) {
    QFile file(tsFile);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << tsFile.toStdString();
    QXmlStreamReader xml(&file);
    std::set<QString> sources;
    QString current;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == u"name") current = xml.readElementText();
        if (xml.name() == u"source" && current == context) sources.insert(xml.readElementText());
    }
    return sources;
}

TEST(Strings, TheTableHoldsEveryKeyOfTheSources) {
    const QString found =
        QString::fromStdString((testing::NewTempDir("lupdate") / "found.ts").string());
    QProcess lupdate;
    lupdate.start(REELSNAP_LUPDATE,
                  {"-silent", "-recursive", REELSNAP_SOURCE_DIR "/src",
                   REELSNAP_SOURCE_DIR "/resources/main_window.ui",
                   REELSNAP_SOURCE_DIR "/resources/preferences_window.ui", "-ts", found});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const QString table = REELSNAP_SOURCE_DIR "/resources/translations/reelsnap_en.ts";
    for (const QString context :
         {"LocalizedStrings", "MainWindow", "PreferencesWindow", "CommandLine"}) {
        EXPECT_EQ(SourcesIn(found, context), SourcesIn(table, context)) << context.toStdString();
    }
    // Status lines, prompts, units, the alert and the menu items are all keys.
    const std::set<QString> keys = SourcesIn(found, "LocalizedStrings");
    for (const QString key : {"Drop a movie file on the application or this window to process.",
                              "(%d of %d)", "Reelsnap does not process folders.", "Bye.",
                              "Choose a folder for the destination of the movie frames.",
                              "Choose a file", "Choose a folder for the destination of the copy.",
                              "frame", "frames", "%1 percent", "The movie \"%1\" has %2 frames.",
                              "View in Ondrel &Website...", "View in &Software Centre..."}) {
        EXPECT_TRUE(keys.contains(key)) << key.toStdString();
    }
}

// The placeholders of a text, in order: %1, %2, %d.
QStringList Placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression placeholder("%[0-9d]");
    for (const auto& match : placeholder.globalMatch(text)) found << match.captured();
    found.sort();
    found.removeDuplicates();  // every plural form holds them
    return found;
}

// German and French translate every English text, keeping its placeholders.
TEST(Strings, EveryLanguageTranslatesEveryText) {
    const QString english = REELSNAP_SOURCE_DIR "/resources/translations/reelsnap_en.ts";
    for (const QString language : {"de", "fr"}) {
        SCOPED_TRACE(language.toStdString());
        QFile file(REELSNAP_SOURCE_DIR "/resources/translations/reelsnap_" + language + ".ts");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        std::set<QString> translated;
        QString source;
        while (!xml.atEnd()) {
            if (!xml.readNextStartElement()) continue;
            if (xml.name() == u"source") source = xml.readElementText();
            if (xml.name() != u"translation") continue;
            const bool unfinished = xml.attributes().value("type") == u"unfinished";
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            EXPECT_FALSE(unfinished || translation.isEmpty()) << source.toStdString();
            EXPECT_EQ(Placeholders(translation), Placeholders(source)) << source.toStdString();
            translated.insert(source);
        }
        for (const QString context :
             {"LocalizedStrings", "MainWindow", "PreferencesWindow", "CommandLine"}) {
            for (const QString& text : SourcesIn(english, context)) {
                EXPECT_TRUE(translated.contains(text)) << text.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace reelsnap
