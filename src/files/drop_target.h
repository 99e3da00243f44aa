// The main window as a drop target: a drag of local files or folders is
// accepted and shows a highlight 2 pixels inside the content area; a drop
// becomes one open-documents event in the application's own queue.
#pragma once

#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>

class QMimeData;

namespace reelsnap {

// True when at least one dragged item is an existing local file or folder.
bool IsDragAcceptable(const QMimeData* data);

// The dragged local files and folders, in drag order; other items are passed over.
QStringList DraggedFiles(const QMimeData* data);

// Hands the files on as one open-documents list; -50 for an empty list.
using SendOpenDocuments = std::function<void(const QStringList&)>;
std::int16_t SendOpenDocumentsToSelf(const QStringList& files, const SendOpenDocuments& send);

// Handles a drop: 0, or -1857 when the drag holds no file, or the failure
// to pass the files on, after a beep.
std::int16_t DragReceiveHandler(const QMimeData* data, const SendOpenDocuments& send);

// The frame drawn while an acceptable drag is over the window.
class DropHighlight : public QWidget {
  public:
    explicit DropHighlight(QWidget* parent);
    // Covers the area 2 pixels inside `content`, and shows itself.
    void ShowInside(const QRect& content);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace reelsnap
