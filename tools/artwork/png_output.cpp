#include "png_output.hpp"

#include <QColorSpace>
#include <QImageWriter>
#include <stdexcept>

namespace artwork {

void writePng(QImage image, const QString& file) {
  constexpr int kDotsPerMetre = 3780;  // 96 dots per inch
  image.setDotsPerMeterX(kDotsPerMetre);
  image.setDotsPerMeterY(kDotsPerMetre);
  image.setColorSpace(QColorSpace());
  QImageWriter writer(file, "png");
  if (!writer.write(image)) {
    throw std::runtime_error("cannot write " + file.toStdString() + ": " +
                             writer.errorString().toStdString());
  }
}

}  // namespace artwork
