#pragma once

#include <QImage>
#include <QString>

namespace artwork {

// Writes `image` as a PNG file holding pixels only: fixed resolution, no text
// chunks, no colour profile, so that equal pictures give equal files.
void writePng(QImage image, const QString& file);

}  // namespace artwork
