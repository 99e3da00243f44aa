// One image of several frames in a grid, each cell labelled with its index
// and time: a contact sheet.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "imaging/image_types.h"

namespace reelsnap {

// Where each frame goes: cells of one size in rows of `columns`, in order,
// each with its frame fitted into the top and its label in a strip below.
class ContactSheetLayout {
  public:
    // For `count` frames no larger than `frame`: about as many columns as rows.
    ContactSheetLayout(int count, QSize frame);
    QSize sheetSize() const;
    QRect FrameRect(int cell) const;  // the frame's whole place in the cell
    QRect LabelRect(int cell) const;
    int columns() const { return columns_; }

  private:
    QRect CellRect(int cell) const;
    int count_, columns_, rows_;
    QSize frame_;
};

// The sheet of the frames (a null frame leaves its cell empty), labelled.
QImage ComposeContactSheet(const std::vector<QImage>& frames, const std::vector<QString>& labels,
                           QSize frame);

// Writes the sheet as a file of the type, replacing what was there: why
// not (the system's or the encoder's words), or nothing once it is written.
std::optional<QString> WriteContactSheet(const QImage& sheet, ImageFileType type,
                                         float compressionFactor,
                                         const std::filesystem::path& path);

}  // namespace reelsnap
