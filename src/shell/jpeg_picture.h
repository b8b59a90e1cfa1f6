#pragma once
// JPEG pictures through libjpeg, called directly: the splash picture is decoded here and the
// build writes it here.

#include <QByteArray>
#include <QImage>

namespace pickora {

// The picture in `data`, or a null image when it is not a whole, readable JPEG (libjpeg's
// warnings, such as a file cut short, count as failures too).
QImage decodeJpeg(const QByteArray& data);

// `image` as a baseline JPEG of the given quality (1..100); empty on failure.
QByteArray encodeJpeg(const QImage& image, int quality = 90);

} // namespace pickora
