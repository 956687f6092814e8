#pragma once
// The program's icon: a few flat shapes on a 64 x 64 grid, written once as
// SVG text and drawn with QPainter for the PNG sizes of the icon theme.
#include <QImage>
#include <QString>

namespace AppIcon {
QString Svg();
QImage Png(int size);
} // namespace AppIcon
