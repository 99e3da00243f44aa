#include "app/application.h"

#include <malloc.h>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QTranslator>

extern "C" {
#include <libavutil/log.h>
}

#include "app/app_state.h"
#include "app/command_handlers.h"
#include "app/main_window.h"
#include "app/open_documents.h"
#include "extract/extraction_run.h"
#include "settings/preferences_window.h"

namespace reelsnap {
namespace {

// Frame images are megabytes each. Left to itself the allocator maps each
// one afresh and unmaps it when freed, and the kernel then clears every page
// again for the next frame; kept in the heap, the memory of one frame serves
// the next. What the heap keeps is bounded by the frames in flight at once.
void KeepFreedFrameMemory() {
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 512 << 20);
}

}  // namespace

Shell::Shell() : translator_(std::make_unique<QTranslator>()) {
    // The string table; a missing one leaves every text in English.
    if (translator_->load(QLocale(), "reelsnap", "_", ":/i18n")) {
        QCoreApplication::installTranslator(translator_.get());
    }
    mainWindow_ = std::make_unique<MainWindow>();
    AppState& state = State();
    state.mainWindow = mainWindow_.get();
    mainWindow_->hide();
    state.controls = mainWindow_->FindControls();
    PreparePreferencesWindow();  // also shows the idle message
    mainWindow_->show();
    TheDocumentEntry();
    if (QMenu* help = mainWindow_->helpMenu()) {
        // Both at the first free place: the App Store item ends up above the website's.
        const int index = int(help->actions().size());
        mainWindow_->InsertHelpMenuItem(index, QStringLiteral("View in Ondrel Website..."),
                                        commands::WebSite);
        mainWindow_->InsertHelpMenuItem(index, QStringLiteral("View in Mac App Store..."),
                                        commands::AppStore);
    } else {
        status_ = kHelpMenuNotFoundErr;
    }
}

Shell::~Shell() {
    FinishFrameWriters();
    DestroyPreferencesWindow();
    State().controls = {};
    State().mainWindow = nullptr;
    mainWindow_.reset();
    QCoreApplication::removeTranslator(translator_.get());
}

QStringList LaunchDocuments(const QStringList& arguments) {
    QStringList documents;
    for (const QString& argument : arguments)
        documents.append(QFileInfo(argument).absoluteFilePath());
    return documents;
}

int RunApplication(int argc, char** argv) {
    av_log_set_level(AV_LOG_QUIET);
    KeepFreedFrameMemory();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Reelsnap");
    QApplication::setOrganizationName("Ondrel");
    QApplication::setApplicationDisplayName("Reelsnap");
    QApplication::setDesktopFileName("reelsnap");
    QApplication::setQuitOnLastWindowClosed(false);
    Shell shell;
    const QStringList arguments = app.arguments().mid(1);
    // Handled once the event loop runs, with the main window on screen.
    if (!arguments.isEmpty()) PostOpenDocuments(LaunchDocuments(arguments));
    QApplication::exec();
    return shell.status();
}

}  // namespace reelsnap
