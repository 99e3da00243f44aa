// The open-documents event: the files a file manager, a launch or a drop
// hands to the application, handled by HandleOpenDocuments.
#pragma once

#include <QEvent>
#include <QObject>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace reelsnap {

class OpenDocumentsEvent : public QEvent {
  public:
    explicit OpenDocumentsEvent(std::optional<QStringList> documents)
        : QEvent(EventType()), documents_(std::move(documents)) {}
    static QEvent::Type EventType();
    // Nothing when the event carries no readable list.
    const std::optional<QStringList>& documents() const { return documents_; }

  private:
    std::optional<QStringList> documents_;
};

// Receives the open-documents events of the application.
class DocumentEntry : public QObject {
  public:
    bool event(QEvent* event) override;
};

DocumentEntry& TheDocumentEntry();

// Posts the list to the application's own queue as one open-documents event.
void PostOpenDocuments(const QStringList& documents);

// Stores the list as PendingDocuments and schedules a run one millisecond later.
std::int16_t HandleOpenDocuments(const OpenDocumentsEvent& event);

}  // namespace reelsnap
