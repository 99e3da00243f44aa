#include "files/drop_target.h"

#include <QApplication>
#include <QMimeData>
#include <QPainter>
#include <QUrl>

#include "files/file_system.h"
#include "platform/path_text.h"

namespace reelsnap {

QStringList DraggedFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        // The URL's path is the name's bytes, percent-encoded: they need not be UTF-8.
        const QByteArray bytes =
            QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        const std::filesystem::path path(bytes.toStdString());
        std::error_code ec;
        if (std::filesystem::exists(path, ec)) files.append(TextOfPath(path));
    }
    return files;
}

bool IsDragAcceptable(const QMimeData* data) {
    return !DraggedFiles(data).isEmpty();
}

std::int16_t SendOpenDocumentsToSelf(const QStringList& files, const SendOpenDocuments& send) {
    if (files.isEmpty()) return kParamErr;
    send(files);
    return kNoErr;
}

std::int16_t DragReceiveHandler(const QMimeData* data, const SendOpenDocuments& send) {
    if (!IsDragAcceptable(data)) return kDragNotAcceptedErr;
    const std::int16_t status = SendOpenDocumentsToSelf(DraggedFiles(data), send);
    if (status != kNoErr) QApplication::beep();
    return status;
}

DropHighlight::DropHighlight(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName("DropHighlight");
    hide();
}

void DropHighlight::ShowInside(const QRect& content) {
    setGeometry(content.adjusted(2, 2, -2, -2));
    raise();
    show();
}

void DropHighlight::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), 3);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

}  // namespace reelsnap
