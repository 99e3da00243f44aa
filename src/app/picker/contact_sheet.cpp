#include "app/picker/contact_sheet.h"

#include <QPainter>
#include <cmath>
#include <cstring>

#include "app/picker/image_copies.h"
#include "imaging/frame_image_writer.h"
#include "platform/file_io.h"

namespace reelsnap {

namespace {

constexpr int kGap = 8;           // between cells and around the sheet
constexpr int kLabelHeight = 22;  // the strip under each frame

}  // namespace

ContactSheetLayout::ContactSheetLayout(int count, QSize frame)
    : count_(std::max(count, 1)),
      columns_(int(std::ceil(std::sqrt(double(count_))))),
      rows_((count_ + columns_ - 1) / columns_),
      frame_(frame) {}

QSize ContactSheetLayout::sheetSize() const {
    return {kGap + columns_ * (frame_.width() + kGap),
            kGap + rows_ * (frame_.height() + kLabelHeight + kGap)};
}

QRect ContactSheetLayout::CellRect(int cell) const {
    const int x = kGap + (cell % columns_) * (frame_.width() + kGap);
    const int y = kGap + (cell / columns_) * (frame_.height() + kLabelHeight + kGap);
    return {x, y, frame_.width(), frame_.height() + kLabelHeight};
}

QRect ContactSheetLayout::FrameRect(int cell) const {
    return {CellRect(cell).topLeft(), frame_};
}

QRect ContactSheetLayout::LabelRect(int cell) const {
    const QRect rect = CellRect(cell);
    return {rect.left(), rect.top() + frame_.height(), rect.width(), kLabelHeight};
}

QImage ComposeContactSheet(const std::vector<QImage>& frames, const std::vector<QString>& labels,
                           QSize frame) {
    const ContactSheetLayout layout(int(frames.size()), frame);
    QImage sheet(layout.sheetSize(), QImage::Format_RGBA8888);
    sheet.fill(QColor(32, 32, 32));
    QPainter painter(&sheet);
    painter.setPen(Qt::white);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const QRect place = layout.FrameRect(int(i));
        if (!frames[i].isNull()) {
            // Fitted and centred, as the frames may differ in shape.
            const QImage fitted =
                frames[i].scaled(place.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
            const QPoint at = place.topLeft() + QPoint((place.width() - fitted.width()) / 2,
                                                       (place.height() - fitted.height()) / 2);
            painter.drawImage(at, fitted);
        }
        if (i < labels.size()) {
            painter.drawText(layout.LabelRect(int(i)), Qt::AlignCenter, labels[i]);
        }
    }
    return sheet;
}

std::optional<QString> WriteContactSheet(const QImage& sheet, ImageFileType type,
                                         float compressionFactor,
                                         const std::filesystem::path& path) {
    const Image image = ImageOf(sheet);
    FrameWriteSettings settings;
    settings.type = type;
    settings.compressionFactor = compressionFactor;
    const EncodeResult bytes = EncodeFrameImage(image, settings, std::nullopt);
    if (!bytes) return QString::fromStdString(bytes.reason());
    if (const int error = WriteFileReplacing(path, *bytes); error != 0) {
        return QString::fromLocal8Bit(std::strerror(error));
    }
    return std::nullopt;
}

}  // namespace reelsnap
