#include "tools/velko-pictures/AppIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A lorry seen from the side on a blue rounded tile, with a green tick:
// rectangles (x, y, w, h, corner radius), circles and one polyline.
struct Rect { double x, y, w, h, r; const char *fill; };
struct Circle { double cx, cy, r; const char *fill; };

const Rect kRects[] = {
    {2, 2, 60, 60, 12, "#1f5fa8"},    // tile
    {8, 20, 30, 22, 2, "#ffffff"},    // load box
    {39, 26, 14, 16, 3, "#ffcc33"},   // cab
    {43, 29, 7, 6, 1, "#1f5fa8"},     // cab window
    {6, 41, 50, 4, 1, "#dfe6ef"},     // chassis
};
const Circle kCircles[] = {
    {16, 47, 5, "#222222"}, {16, 47, 2, "#dfe6ef"}, {45, 47, 5, "#222222"}, {45, 47, 2, "#dfe6ef"},
};
// The tick over the load box.
const double kTick[][2] = {{14, 31}, {20, 37}, {32, 24}};
const char *const kTickColour = "#2e9e3e";
constexpr double kTickWidth = 4;

QString Num(double v) { return QString::number(v, 'g', 6); }

} // namespace

namespace AppIcon {

QString Svg()
{
    QString s = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
                               "viewBox=\"0 0 64 64\">\n");
    for (const Rect &r : kRects)
        s += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" fill=\"%6\"/>\n")
                 .arg(Num(r.x), Num(r.y), Num(r.w), Num(r.h), Num(r.r), QLatin1String(r.fill));
    for (const Circle &c : kCircles)
        s += QStringLiteral("  <circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\"/>\n")
                 .arg(Num(c.cx), Num(c.cy), Num(c.r), QLatin1String(c.fill));
    QString points;
    for (const auto &p : kTick)
        points += (points.isEmpty() ? QString() : QStringLiteral(" ")) + Num(p[0]) + QLatin1Char(',') + Num(p[1]);
    s += QStringLiteral("  <polyline points=\"%1\" fill=\"none\" stroke=\"%2\" stroke-width=\"%3\" "
                        "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n")
             .arg(points, QLatin1String(kTickColour), Num(kTickWidth));
    s += QStringLiteral("</svg>\n");
    return s;
}

QImage Png(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    for (const Rect &r : kRects) {
        p.setBrush(QColor(QLatin1String(r.fill)));
        p.drawRoundedRect(QRectF(r.x, r.y, r.w, r.h), r.r, r.r);
    }
    for (const Circle &c : kCircles) {
        p.setBrush(QColor(QLatin1String(c.fill)));
        p.drawEllipse(QPointF(c.cx, c.cy), c.r, c.r);
    }
    QPainterPath tick;
    tick.moveTo(kTick[0][0], kTick[0][1]);
    for (size_t i = 1; i < std::size(kTick); ++i)
        tick.lineTo(kTick[i][0], kTick[i][1]);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(QLatin1String(kTickColour)), kTickWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return image;
}

} // namespace AppIcon
