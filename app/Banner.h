#pragma once
// The JPEG banner at the top of the main window, decoded with libjpeg.

#include <QByteArray>
#include <QImage>

namespace lumo {

// A null image when the bytes are no decodable JPEG.
QImage decodeJpeg(const QByteArray &jpeg);

} // namespace lumo
