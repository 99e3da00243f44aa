#include "app/open_documents.h"

#include <QCoreApplication>
#include <QTimer>
#include <memory>

#include "app/application.h"
#include "app/main_window.h"
#include "platform/path_text.h"
#include "platform/status_codes.h"

namespace reelsnap {

QEvent::Type OpenDocumentsEvent::EventType() {
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

bool Application::event(QEvent* event) {
    if (event->type() != OpenDocumentsEvent::EventType()) return QObject::event(event);
    HandleOpenDocuments(static_cast<const OpenDocumentsEvent&>(*event));
    return true;
}

void Application::PostOpenDocuments(const QStringList& documents) {
    auto event = std::make_unique<OpenDocumentsEvent>(documents);
    QCoreApplication::postEvent(this, event.release());  // the queue owns it
}

void Application::PostPickedFrames(const std::filesystem::path& movie,
                                   const std::vector<std::int32_t>& frames) {
    auto event = std::make_unique<OpenDocumentsEvent>(QStringList{TextOfPath(movie)}, frames);
    QCoreApplication::postEvent(this, event.release());  // the queue owns it
}

std::int16_t Application::HandleOpenDocuments(const OpenDocumentsEvent& event) {
    mainWindow_->raise();
    mainWindow_->activateWindow();
    // A run in progress keeps its counter; a queued run resets it when it starts.
    if (!runInProgress_) run_.ResetFramesDone();
    if (!event.documents()) return kParamErr;
    pendingDocuments_ = *event.documents();
    pendingFrames_ = event.frames();
    QTimer::singleShot(1, this, [this] { ExtractionRunTimer(); });
    return kNoErr;
}

}  // namespace reelsnap
