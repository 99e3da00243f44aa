#include "app/open_documents.h"

#include <QCoreApplication>
#include <QTimer>
#include <memory>

#include "app/app_state.h"
#include "app/main_window.h"
#include "extract/extraction_run.h"
#include "files/file_system.h"

namespace reelsnap {

QEvent::Type OpenDocumentsEvent::EventType() {
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

bool DocumentEntry::event(QEvent* event) {
    if (event->type() != OpenDocumentsEvent::EventType()) return QObject::event(event);
    HandleOpenDocuments(static_cast<const OpenDocumentsEvent&>(*event));
    return true;
}

DocumentEntry& TheDocumentEntry() {
    static DocumentEntry entry;
    return entry;
}

void PostOpenDocuments(const QStringList& documents) {
    auto event = std::make_unique<OpenDocumentsEvent>(documents);
    QCoreApplication::postEvent(&TheDocumentEntry(), event.release());  // the queue owns it
}

std::int16_t HandleOpenDocuments(const OpenDocumentsEvent& event) {
    AppState& state = State();
    if (MainWindow* window = state.mainWindow) {
        window->raise();
        window->activateWindow();
    }
    // A run in progress keeps its counter; a queued run resets it when it starts.
    if (!state.runInProgress) state.framesDone = 0;
    if (!event.documents()) return kParamErr;
    state.pendingDocuments = *event.documents();
    state.hasPendingDocuments = true;
    QTimer::singleShot(1, [] { ExtractionRunTimer(); });
    return kNoErr;
}

}  // namespace reelsnap
