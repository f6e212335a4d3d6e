#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG pictures decoded by libjpeg itself, so a damaged picture is reported with libjpeg's own
// message. Every failure is a std::runtime_error whose text the default error box shows.
namespace JpegImage {

// Colour, grayscale and CMYK (Adobe's inverted kind too) pictures, all as Format_RGB888.
QImage decode(const QByteArray &data);
// "Cannot open file <path>" when the file is missing, unreadable or not a plain file.
QImage load(const QString &path);

} // namespace JpegImage
