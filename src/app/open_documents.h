// The open-documents event: the files a file manager, a launch or a drop
// hands to the application, handled by Application::HandleOpenDocuments.
#pragma once

#include <QEvent>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace reelsnap {

class OpenDocumentsEvent : public QEvent {
  public:
    // `frames`: the frames the picker marked, for the first document; none
    // for a launch or a drop, which take the selection of the preferences.
    explicit OpenDocumentsEvent(std::optional<QStringList> documents,
                                std::vector<std::int32_t> frames = {})
        : QEvent(EventType()), documents_(std::move(documents)), frames_(std::move(frames)) {}
    static QEvent::Type EventType();
    // Nothing when the event carries no readable list.
    const std::optional<QStringList>& documents() const { return documents_; }
    const std::vector<std::int32_t>& frames() const { return frames_; }

  private:
    std::optional<QStringList> documents_;
    std::vector<std::int32_t> frames_;
};

}  // namespace reelsnap
