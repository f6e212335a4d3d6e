#pragma once

#include <QImage>
#include <QRegion>

class QWidget;

// A non-rectangular window outline from a mask picture: black pixels are inside, white outside.
namespace TCoolForm {
QRegion regionFromMask(const QImage &mask);
void apply(QWidget *window, const QImage &mask);
} // namespace TCoolForm
