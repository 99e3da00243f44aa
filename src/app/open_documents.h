// The open-documents event: the files a file manager, a launch or a drop
// hands to the application, handled by Application::HandleOpenDocuments.
#pragma once

#include <QEvent>
#include <QStringList>
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

}  // namespace reelsnap
