#include "tools/velko-pictures/Drawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>
#include <functional>

namespace Drawing {
namespace {

const QColor SignRed(200, 16, 30);
const QColor SignBlue(0, 84, 166);
const QColor Asphalt(90, 92, 98);
const QColor Grass(96, 150, 70);
const QColor Sky(176, 210, 238);
const QColor Orange(255, 130, 0);
const QColor Cab(230, 230, 228);

QFont Font(qreal pixelSize, bool bold = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(qMax(6, qRound(pixelSize)));
    f.setBold(bold);
    return f;
}

// Draws text centred in a box, shrinking the font until it fits the width.
void TextFit(QPainter &p, const QRectF &box, const QString &text, qreal pixelSize, const QColor &color,
             bool bold = true)
{
    qreal size = pixelSize;
    QFont f = Font(size, bold);
    while (size > 7 && QFontMetricsF(f).horizontalAdvance(text) > box.width()) {
        size -= 1;
        f = Font(size, bold);
    }
    p.setFont(f);
    p.setPen(color);
    p.drawText(box, Qt::AlignCenter, text);
}

// Wrapped text in a box; the font shrinks until everything fits.
void TextWrap(QPainter &p, const QRectF &box, const QString &text, qreal pixelSize, const QColor &color)
{
    qreal size = pixelSize;
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    for (;;) {
        p.setFont(Font(size));
        const QRectF need = p.boundingRect(box, flags, text);
        if ((need.height() <= box.height() && need.width() <= box.width()) || size <= 8)
            break;
        size -= 1;
    }
    p.setPen(color);
    p.drawText(box, flags, text);
}

QImage Canvas(int w = PictureWidth, int h = PictureHeight)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

void SkyAndGround(QPainter &p, qreal horizon, const QColor &ground = Grass)
{
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, Sky.darker(110));
    sky.setColorAt(1, Sky.lighter(115));
    p.fillRect(QRectF(0, 0, PictureWidth, horizon), sky);
    p.fillRect(QRectF(0, horizon, PictureWidth, PictureHeight - horizon), ground);
}

// Backdrop of a road sign: sky, a strip of road and the post.
void SignBackdrop(QPainter &p, qreal cx, qreal signBottom)
{
    SkyAndGround(p, 230);
    p.fillRect(QRectF(0, 250, PictureWidth, 50), Asphalt);
    p.fillRect(QRectF(0, 272, PictureWidth, 4), Qt::white);
    p.fillRect(QRectF(cx - 5, signBottom - 4, 10, 262 - signBottom), QColor(150, 150, 155));
}

void Outlined(QPainter &p, const QColor &fill, qreal width = 2, const QColor &line = Qt::black)
{
    p.setBrush(fill);
    p.setPen(QPen(line, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// Red-ringed round sign; returns the white inner circle.
QRectF ProhibitionSign(QPainter &p, QPointF c, qreal r)
{
    Outlined(p, Qt::white, 1.5, QColor(60, 60, 60));
    p.drawEllipse(c, r + 2, r + 2);
    p.setPen(Qt::NoPen);
    p.setBrush(SignRed);
    p.drawEllipse(c, r, r);
    p.setBrush(Qt::white);
    const qreal inner = r * 0.78;
    p.drawEllipse(c, inner, inner);
    return QRectF(c.x() - inner, c.y() - inner, 2 * inner, 2 * inner);
}

QRectF MandatorySign(QPainter &p, QPointF c, qreal r)
{
    Outlined(p, SignBlue, 3, Qt::white);
    p.drawEllipse(c, r, r);
    return QRectF(c.x() - r * 0.8, c.y() - r * 0.8, r * 1.6, r * 1.6);
}

// Red-bordered warning triangle pointing up; returns the inner area.
QRectF WarningSign(QPainter &p, QPointF c, qreal side)
{
    const qreal h = side * 0.866;
    QPolygonF outer{QPointF(c.x(), c.y() - h * 0.62), QPointF(c.x() + side / 2, c.y() + h * 0.38),
                    QPointF(c.x() - side / 2, c.y() + h * 0.38)};
    Outlined(p, SignRed, 10, SignRed);
    p.drawPolygon(outer);
    const qreal s2 = side * 0.66, h2 = s2 * 0.866;
    const QPointF c2(c.x(), c.y() + h * 0.06);
    QPolygonF inner{QPointF(c2.x(), c2.y() - h2 * 0.62), QPointF(c2.x() + s2 / 2, c2.y() + h2 * 0.38),
                    QPointF(c2.x() - s2 / 2, c2.y() + h2 * 0.38)};
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(inner);
    return QRectF(c2.x() - s2 / 3, c2.y() - h2 * 0.3, s2 * 2 / 3, h2 * 0.62);
}

void Wheel(QPainter &p, QPointF c, qreal r)
{
    Outlined(p, QColor(30, 30, 30), 1.5);
    p.drawEllipse(c, r, r);
    Outlined(p, QColor(185, 185, 190), 1, QColor(60, 60, 60));
    p.drawEllipse(c, r * 0.5, r * 0.5);
    p.setBrush(QColor(90, 90, 95));
    p.drawEllipse(c, r * 0.15, r * 0.15);
}

// Side view of a rigid lorry facing right; x, y = left end of the body at the
// ground line, len = overall length in pixels.
void Lorry(QPainter &p, qreal x, qreal ground, qreal len, const QColor &body, const QColor &cab = Cab)
{
    const qreal h = len * 0.42, wheel = len * 0.075;
    const qreal cabLen = len * 0.22;
    const qreal frameY = ground - wheel * 1.4;
    Outlined(p, QColor(50, 50, 50), 1);
    p.drawRect(QRectF(x + len * 0.02, frameY - wheel * 0.4, len * 0.96, wheel * 0.5));
    Outlined(p, body, 2);
    p.drawRect(QRectF(x, frameY - h * 0.82, len - cabLen - len * 0.02, h * 0.82));
    QPainterPath cabPath;
    const qreal cx = x + len - cabLen;
    cabPath.moveTo(cx, frameY);
    cabPath.lineTo(cx, frameY - h * 0.86);
    cabPath.lineTo(cx + cabLen * 0.78, frameY - h * 0.86);
    cabPath.lineTo(cx + cabLen, frameY - h * 0.45);
    cabPath.lineTo(cx + cabLen, frameY);
    cabPath.closeSubpath();
    Outlined(p, cab, 2);
    p.drawPath(cabPath);
    Outlined(p, QColor(120, 170, 210), 1.5);
    p.drawRect(QRectF(cx + cabLen * 0.45, frameY - h * 0.78, cabLen * 0.4, h * 0.3));
    Wheel(p, QPointF(cx + cabLen * 0.55, ground - wheel), wheel);
    Wheel(p, QPointF(x + len * 0.18, ground - wheel), wheel);
    Wheel(p, QPointF(x + len * 0.18 + wheel * 2.2, ground - wheel), wheel);
}

// Side view of a coach or minibus facing right.
void Bus(QPainter &p, qreal x, qreal ground, qreal len, const QColor &body, int windows, bool twoAxlesRear)
{
    const qreal h = len * (windows > 6 ? 0.27 : 0.42), wheel = len * (windows > 6 ? 0.05 : 0.08);
    const qreal bottom = ground - wheel * 0.7;
    QPainterPath path;
    path.addRoundedRect(QRectF(x, bottom - h, len, h), h * 0.15, h * 0.15);
    Outlined(p, body, 2);
    p.drawPath(path);
    const qreal winTop = bottom - h * 0.85, winH = h * 0.35;
    const qreal step = (len * 0.78) / windows;
    Outlined(p, QColor(70, 110, 150), 1);
    for (int i = 0; i < windows; ++i)
        p.drawRect(QRectF(x + len * 0.04 + i * step, winTop, step * 0.86, winH));
    // windscreen and front door
    p.drawRect(QRectF(x + len * 0.86, winTop - h * 0.05, len * 0.12, winH * 1.5));
    Outlined(p, body.darker(120), 1.5);
    p.drawRect(QRectF(x + len * 0.86, bottom - h * 0.5, len * 0.09, h * 0.48));
    if (windows > 6)
        p.drawRect(QRectF(x + len * 0.45, bottom - h * 0.5, len * 0.07, h * 0.48));
    Outlined(p, QColor(40, 40, 40), 1);
    p.drawRect(QRectF(x, bottom - h * 0.12, len, h * 0.05));
    Wheel(p, QPointF(x + len * 0.8, ground - wheel), wheel);
    Wheel(p, QPointF(x + len * 0.2, ground - wheel), wheel);
    if (twoAxlesRear)
        Wheel(p, QPointF(x + len * 0.2 + wheel * 2.3, ground - wheel), wheel);
}

void BlueLight(QPainter &p, QPointF c, qreal r)
{
    p.setPen(Qt::NoPen);
    QRadialGradient glow(c, r * 3);
    glow.setColorAt(0, QColor(80, 140, 255, 200));
    glow.setColorAt(1, QColor(80, 140, 255, 0));
    p.setBrush(glow);
    p.drawEllipse(c, r * 3, r * 3);
    Outlined(p, QColor(30, 80, 255), 1, QColor(10, 30, 120));
    p.drawEllipse(c, r, r * 0.8);
    p.setPen(QPen(QColor(60, 120, 255), 2));
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4 + M_PI / 8;
        p.drawLine(c + QPointF(qCos(a), qSin(a)) * r * 1.5, c + QPointF(qCos(a), qSin(a)) * r * 2.4);
    }
}

// Horizontal dimension arrow with a label above it.
void Dimension(QPainter &p, qreal x1, qreal x2, qreal y, const QString &label)
{
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    for (qreal x : {x1, x2}) {
        const qreal dir = x == x1 ? 1 : -1;
        p.drawLine(QPointF(x, y), QPointF(x + dir * 8, y - 5));
        p.drawLine(QPointF(x, y), QPointF(x + dir * 8, y + 5));
        p.drawLine(QPointF(x, y - 10), QPointF(x, y + 10));
    }
    if (!label.isEmpty()) {
        const QRectF box((x1 + x2) / 2 - 60, y - 26, 120, 22);
        p.fillRect(box.adjusted(20, 2, -20, -2), QColor(255, 255, 255, 210));
        TextFit(p, box, label, 16, Qt::black);
    }
}

void RoadScene(QPainter &p)
{
    SkyAndGround(p, 170);
    p.fillRect(QRectF(0, 215, PictureWidth, 60), Asphalt);
    p.setPen(QPen(Qt::white, 3, Qt::DashLine));
    p.drawLine(QPointF(0, 245), QPointF(PictureWidth, 245));
}

void OrangePlate(QPainter &p, const QRectF &r, const QString &top, const QString &bottom)
{
    Outlined(p, Orange, r.width() * 0.04);
    p.drawRect(r);
    if (top.isEmpty() && bottom.isEmpty())
        return;
    p.setPen(QPen(Qt::black, r.width() * 0.03));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    TextFit(p, QRectF(r.left(), r.top(), r.width(), r.height() / 2), top, r.height() * 0.32, Qt::black);
    TextFit(p, QRectF(r.left(), r.center().y(), r.width(), r.height() / 2), bottom, r.height() * 0.32, Qt::black);
}

// ---- the kinds ----------------------------------------------------------

void DrawSpeed(QPainter &p, const QString &label)
{
    SignBackdrop(p, 200, 230);
    const QRectF inner = ProhibitionSign(p, QPointF(200, 130), 95);
    TextFit(p, inner.adjusted(8, 0, -8, 0), label.isEmpty() ? QStringLiteral("80") : label, 88, Qt::black);
}

void DrawHeight(QPainter &p, const QString &label)
{
    SignBackdrop(p, 200, 230);
    const QRectF inner = ProhibitionSign(p, QPointF(200, 130), 95);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const qreal cx = inner.center().x();
    p.drawPolygon(QPolygonF{QPointF(cx - 22, inner.top() + 8), QPointF(cx + 22, inner.top() + 8),
                            QPointF(cx, inner.top() + 34)});
    p.drawPolygon(QPolygonF{QPointF(cx - 22, inner.bottom() - 8), QPointF(cx + 22, inner.bottom() - 8),
                            QPointF(cx, inner.bottom() - 34)});
    TextFit(p, QRectF(inner.left() + 6, inner.center().y() - 30, inner.width() - 12, 60), label, 46, Qt::black);
}

void DrawWeight(QPainter &p, const QString &label)
{
    SignBackdrop(p, 200, 230);
    const QRectF inner = ProhibitionSign(p, QPointF(200, 130), 95);
    TextFit(p, inner.adjusted(10, 0, -10, 0), label, 64, Qt::black);
}

void DrawAxle(QPainter &p, const QString &label)
{
    SignBackdrop(p, 200, 230);
    const QRectF inner = ProhibitionSign(p, QPointF(200, 130), 95);
    const qreal cx = inner.center().x(), y = inner.center().y() + 30;
    p.setPen(QPen(Qt::black, 5));
    p.drawLine(QPointF(cx - 40, y), QPointF(cx + 40, y));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(cx - 52, y - 16, 16, 32), 4, 4);
    p.drawRoundedRect(QRectF(cx + 36, y - 16, 16, 32), 4, 4);
    TextFit(p, QRectF(inner.left() + 10, inner.top() + 22, inner.width() - 20, 60), label, 52, Qt::black);
}

void DrawNoDanger(QPainter &p, const QString &)
{
    SignBackdrop(p, 200, 230);
    const QRectF inner = ProhibitionSign(p, QPointF(200, 130), 95);
    OrangePlate(p, QRectF(inner.center().x() - 45, inner.center().y() - 28, 90, 56), QString(), QString());
}

void DrawNoOvertake(QPainter &p, const QString &)
{
    SignBackdrop(p, 200, 230);
    const QRectF inner = ProhibitionSign(p, QPointF(200, 130), 95);
    // red lorry on the left, black car on the right, seen from behind
    const qreal y = inner.center().y();
    p.setPen(Qt::NoPen);
    p.setBrush(SignRed);
    p.drawRect(QRectF(inner.left() + 22, y - 38, 46, 62));
    p.drawRect(QRectF(inner.left() + 18, y + 24, 10, 14));
    p.drawRect(QRectF(inner.left() + 62, y + 24, 10, 14));
    p.setBrush(Qt::black);
    QPainterPath car;
    car.addRoundedRect(QRectF(inner.right() - 70, y - 14, 50, 38), 8, 8);
    p.drawPath(car);
    p.drawRect(QRectF(inner.right() - 72, y + 22, 10, 14));
    p.drawRect(QRectF(inner.right() - 28, y + 22, 10, 14));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(inner.right() - 62, y - 6, 34, 12));
}

void DrawStop(QPainter &p, const QString &)
{
    SignBackdrop(p, 200, 230);
    QPolygonF oct;
    for (int i = 0; i < 8; ++i) {
        const qreal a = M_PI / 8 + i * M_PI / 4;
        oct << QPointF(200 + 100 * qCos(a), 130 + 100 * qSin(a));
    }
    Outlined(p, SignRed, 5, Qt::white);
    p.drawPolygon(oct);
    TextFit(p, QRectF(110, 90, 180, 80), QStringLiteral("STOP"), 62, Qt::white);
}

void DrawGradient(QPainter &p, const QString &label)
{
    SignBackdrop(p, 200, 220);
    const QRectF inner = WarningSign(p, QPointF(200, 140), 210);
    // a descending slope to the right
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPolygon(QPolygonF{QPointF(inner.left(), inner.bottom() - 50), QPointF(inner.right(), inner.bottom()),
                            QPointF(inner.left(), inner.bottom())});
    TextFit(p, QRectF(inner.left() + 20, inner.top() - 4, inner.width() - 20, 40),
            label.isEmpty() ? QStringLiteral("10%") : label, 32, Qt::black);
}

void DrawChains(QPainter &p, const QString &)
{
    SignBackdrop(p, 200, 230);
    const QRectF inner = MandatorySign(p, QPointF(200, 130), 95);
    const QPointF c = inner.center();
    p.setPen(QPen(Qt::white, 8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 52, 52);
    p.setPen(QPen(Qt::white, 4));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * M_PI / 6;
        const QPointF d(qCos(a), qSin(a));
        const QPointF e(qCos(a + M_PI / 6), qSin(a + M_PI / 6));
        p.drawLine(c + d * 42, c + e * 62);
        p.drawLine(c + d * 62, c + e * 42);
    }
    p.setBrush(Qt::white);
    p.drawEllipse(c, 16, 16);
}

void DrawDistance(QPainter &p, const QString &label)
{
    SignBackdrop(p, 200, 230);
    Outlined(p, SignBlue, 4, Qt::white);
    const QRectF sign(80, 40, 240, 190);
    p.drawRoundedRect(sign, 10, 10);
    // two lorries seen from the side, an arrow between them
    auto small = [&](qreal x) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(x, 92, 44, 30));
        p.drawRect(QRectF(x + 46, 100, 16, 22));
        p.drawEllipse(QPointF(x + 10, 126), 6, 6);
        p.drawEllipse(QPointF(x + 52, 126), 6, 6);
    };
    small(96);
    small(238);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(QPointF(164, 110), QPointF(232, 110));
    p.drawLine(QPointF(164, 110), QPointF(172, 104));
    p.drawLine(QPointF(164, 110), QPointF(172, 116));
    p.drawLine(QPointF(232, 110), QPointF(224, 104));
    p.drawLine(QPointF(232, 110), QPointF(224, 116));
    TextFit(p, QRectF(100, 150, 200, 60), label.isEmpty() ? QStringLiteral("100 m") : label, 48, Qt::white);
}

void DrawAdr(QPainter &p, const QString &label)
{
    // back of a tanker with the plate
    SkyAndGround(p, 200);
    p.fillRect(QRectF(0, 240, PictureWidth, 60), Asphalt);
    Outlined(p, QColor(210, 212, 216), 2);
    p.drawRoundedRect(QRectF(70, 20, 260, 170), 80, 80);
    Outlined(p, QColor(60, 60, 60), 2);
    p.drawRect(QRectF(60, 190, 280, 30));
    Wheel(p, QPointF(95, 240), 22);
    Wheel(p, QPointF(305, 240), 22);
    const QStringList parts = label.split(QLatin1Char('/'));
    OrangePlate(p, QRectF(130, 70, 140, 100), parts.value(0), parts.value(1));
}

void DrawAdrBlank(QPainter &p, const QString &)
{
    SkyAndGround(p, 200);
    p.fillRect(QRectF(0, 240, PictureWidth, 60), Asphalt);
    // front of a box lorry
    Outlined(p, Cab, 2);
    p.drawRect(QRectF(90, 40, 220, 170));
    Outlined(p, QColor(120, 170, 210), 2);
    p.drawRect(QRectF(105, 55, 190, 70));
    Outlined(p, QColor(250, 240, 200), 1.5);
    p.drawEllipse(QPointF(115, 185), 12, 10);
    p.drawEllipse(QPointF(285, 185), 12, 10);
    OrangePlate(p, QRectF(160, 150, 80, 54), QString(), QString());
    Wheel(p, QPointF(120, 236), 20);
    Wheel(p, QPointF(280, 236), 20);
}

void DrawTriangle(QPainter &p, const QString &)
{
    SkyAndGround(p, 130);
    QPolygonF road{QPointF(150, 130), QPointF(250, 130), QPointF(400, 300), QPointF(0, 300)};
    p.setPen(Qt::NoPen);
    p.setBrush(Asphalt);
    p.drawPolygon(road);
    p.setPen(QPen(Qt::white, 3, Qt::DashLine));
    p.drawLine(QPointF(200, 132), QPointF(200, 300));
    // broken-down lorry in the distance, triangle in front
    Outlined(p, QColor(230, 230, 230), 1.5);
    p.drawRect(QRectF(176, 100, 48, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 170, 0));
    p.drawEllipse(QPointF(180, 136), 3, 3);
    p.drawEllipse(QPointF(220, 136), 3, 3);
    QPolygonF tri{QPointF(200, 170), QPointF(250, 258), QPointF(150, 258)};
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(SignRed, 12, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolygon(tri);
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.drawLine(QPointF(200, 258), QPointF(200, 268));
    p.drawLine(QPointF(175, 268), QPointF(225, 268));
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(QPointF(200, 210), QPointF(200, 295));
}

void DrawLorry(QPainter &p, const QString &label)
{
    RoadScene(p);
    Lorry(p, 50, 235, 300, QColor(60, 120, 190));
    if (!label.isEmpty())
        Dimension(p, 50, 350, 40, label);
}

void DrawCoach(QPainter &p, const QString &label)
{
    RoadScene(p);
    Bus(p, 30, 235, 340, QColor(245, 245, 240), 8, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 110, 180));
    p.drawRect(QRectF(30, 192, 340, 8));
    if (!label.isEmpty())
        Dimension(p, 30, 370, 70, label);
}

void DrawMinibus(QPainter &p, const QString &label)
{
    RoadScene(p);
    Bus(p, 90, 235, 220, QColor(250, 250, 250), 4, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 40, 40));
    p.drawRect(QRectF(90, 200, 220, 6));
    if (!label.isEmpty())
        Dimension(p, 90, 310, 70, label);
}

void DrawFireEngine(QPainter &p, const QString &label)
{
    RoadScene(p);
    Lorry(p, 40, 235, 320, QColor(200, 20, 25), QColor(215, 25, 30));
    // equipment doors, ladder and the blue lights on the cab
    p.setPen(QPen(QColor(140, 10, 15), 1.5));
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(50 + i * 57, 130, 50, 60));
    p.setPen(QPen(QColor(200, 200, 205), 4));
    p.drawLine(QPointF(45, 88), QPointF(290, 88));
    p.drawLine(QPointF(45, 98), QPointF(290, 98));
    for (int x = 55; x < 290; x += 20)
        p.drawLine(QPointF(x, 88), QPointF(x, 98));
    BlueLight(p, QPointF(298, 90), 7);
    BlueLight(p, QPointF(345, 90), 7);
    if (!label.isEmpty()) {
        p.fillRect(QRectF(120, 145, 90, 30), Qt::white);
        TextFit(p, QRectF(120, 145, 90, 30), label, 22, QColor(200, 20, 25));
    }
}

void DrawTrailer(QPainter &p, const QString &label)
{
    RoadScene(p);
    // drawbar trailer on the left, lorry on the right
    const qreal ground = 235;
    Outlined(p, QColor(50, 50, 50), 1);
    p.drawRect(QRectF(25, 200, 150, 8));
    Outlined(p, QColor(230, 180, 40), 2);
    p.drawRect(QRectF(20, 120, 155, 82));
    Wheel(p, QPointF(55, ground - 14), 14);
    Wheel(p, QPointF(140, ground - 14), 14);
    p.setPen(QPen(QColor(50, 50, 50), 4));
    p.drawLine(QPointF(175, 204), QPointF(205, 204));
    Lorry(p, 200, ground, 185, QColor(230, 180, 40));
    if (!label.isEmpty())
        Dimension(p, 20, 385, 60, label);
}

void DrawCoupling(QPainter &p, const QString &)
{
    // close view: drawbar eye in the jaw coupling, the two air heads and the cable
    p.fillRect(QRectF(0, 0, PictureWidth, PictureHeight), QColor(70, 72, 78));
    p.fillRect(QRectF(0, 230, PictureWidth, 70), QColor(50, 50, 54));
    Outlined(p, QColor(120, 120, 125), 2);
    p.drawRect(QRectF(250, 150, 150, 70));                       // cross member of the lorry
    Outlined(p, QColor(160, 160, 165), 2);
    p.drawRoundedRect(QRectF(230, 160, 60, 50), 8, 8);          // jaw coupling
    Outlined(p, QColor(40, 40, 40), 2);
    p.drawRect(QRectF(0, 176, 250, 18));                         // drawbar
    Outlined(p, QColor(200, 200, 200), 3);
    p.drawEllipse(QPointF(255, 185), 14, 14);                    // eye
    auto head = [&](QPointF c, const QColor &col, qreal hoseEndX) {
        p.setPen(QPen(QColor(20, 20, 20), 7, Qt::SolidLine, Qt::RoundCap));
        QPainterPath hose;
        hose.moveTo(c);
        hose.cubicTo(c + QPointF(-60, 40), QPointF(hoseEndX + 40, 150), QPointF(hoseEndX, 170));
        p.setBrush(Qt::NoBrush);
        p.drawPath(hose);
        Outlined(p, col, 2);
        p.drawRoundedRect(QRectF(c.x() - 22, c.y() - 14, 44, 28), 6, 6);
    };
    head(QPointF(310, 70), QColor(220, 30, 30), 60);
    head(QPointF(370, 70), QColor(250, 210, 0), 120);
    Outlined(p, QColor(30, 30, 30), 2);
    p.drawEllipse(QPointF(340, 125), 14, 14);                    // electrical socket
    p.setPen(QPen(QColor(30, 30, 30), 5));
    p.drawLine(QPointF(328, 132), QPointF(180, 170));
}

void DrawTyre(QPainter &p, const QString &)
{
    p.fillRect(QRectF(0, 0, PictureWidth, PictureHeight), QColor(215, 215, 210));
    const QPointF c(200, 150);
    Outlined(p, QColor(25, 25, 25), 2);
    p.drawEllipse(c, 135, 135);
    Outlined(p, QColor(45, 45, 45), 1);
    p.drawEllipse(c, 100, 100);
    Outlined(p, QColor(180, 182, 186), 2, QColor(90, 90, 90));
    p.drawEllipse(c, 72, 72);
    p.setBrush(QColor(120, 120, 125));
    for (int i = 0; i < 10; ++i) {
        const qreal a = i * M_PI / 5;
        p.drawEllipse(c + QPointF(qCos(a), qSin(a)) * 48, 6, 6);
    }
    p.drawEllipse(c, 24, 24);
    // the bulge on the sidewall, circled
    Outlined(p, QColor(55, 55, 55), 1);
    p.drawEllipse(QPointF(290, 95), 22, 16);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 40, 30), 4));
    p.drawEllipse(QPointF(290, 95), 40, 32);
}

void DrawTachograph(QPainter &p, const QString &)
{
    p.fillRect(QRectF(0, 0, PictureWidth, PictureHeight), QColor(40, 42, 48));
    const QPointF c(200, 160);
    Outlined(p, QColor(245, 245, 240), 6, QColor(170, 170, 175));
    p.drawEllipse(c, 120, 120);
    // speed scale 0..125 over 270 degrees
    for (int v = 0; v <= 125; v += 5) {
        const qreal a = qDegreesToRadians(135.0 + v * 270.0 / 125.0);
        const QPointF d(qCos(a), qSin(a));
        const bool major = v % 25 == 0;
        p.setPen(QPen(Qt::black, major ? 3 : 1.5));
        p.drawLine(c + d * (major ? 96 : 104), c + d * 112);
        if (major) {
            p.setFont(Font(15));
            p.drawText(QRectF(c.x() + d.x() * 78 - 20, c.y() + d.y() * 78 - 10, 40, 20), Qt::AlignCenter,
                       QString::number(v));
        }
    }
    TextFit(p, QRectF(160, 185, 80, 20), QStringLiteral("km/h"), 14, Qt::black, false);
    // odometer, clock and needle
    Outlined(p, Qt::black, 1);
    p.drawRect(QRectF(155, 215, 90, 22));
    TextFit(p, QRectF(155, 215, 90, 22), QStringLiteral("184 272"), 15, Qt::white);
    const qreal a = qDegreesToRadians(135.0 + 80 * 270.0 / 125.0);
    p.setPen(QPen(QColor(220, 40, 30), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(qCos(a), qSin(a)) * 100);
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, 10, 10);
    TextFit(p, QRectF(150, 120, 100, 24), QStringLiteral("12:45"), 18, Qt::black);
}

void DrawLoadStraps(QPainter &p, const QString &)
{
    RoadScene(p);
    // flat-bed lorry with crates and tie-down straps
    Outlined(p, QColor(50, 50, 50), 1);
    p.drawRect(QRectF(30, 192, 300, 12));
    Outlined(p, QColor(150, 150, 150), 2);
    p.drawRect(QRectF(30, 182, 255, 12));
    Outlined(p, QColor(60, 120, 190), 2);
    p.drawRect(QRectF(285, 120, 75, 72));
    p.drawRect(QRectF(290, 120, 6, 62));
    Outlined(p, QColor(120, 170, 210), 1.5);
    p.drawRect(QRectF(318, 128, 34, 30));
    Wheel(p, QPointF(330, 214), 22);
    Wheel(p, QPointF(80, 214), 22);
    Wheel(p, QPointF(128, 214), 22);
    for (int i = 0; i < 4; ++i) {
        const QRectF crate(45 + i * 60, 112 + (i % 2) * 10, 54, 70 - (i % 2) * 10);
        Outlined(p, QColor(190, 140, 80), 2, QColor(110, 70, 30));
        p.drawRect(crate);
        p.setPen(QPen(QColor(110, 70, 30), 1.5));
        p.drawLine(crate.topLeft(), crate.bottomRight());
        p.drawLine(crate.topRight(), crate.bottomLeft());
        p.setPen(QPen(QColor(255, 190, 0), 5));
        p.drawLine(QPointF(crate.center().x(), crate.top() - 2), QPointF(crate.center().x(), 194));
        p.setPen(QPen(QColor(60, 60, 60), 2));
        p.drawRect(QRectF(crate.center().x() - 5, 166, 10, 10));   // ratchet
    }
}

void DrawMountain(QPainter &p, const QString &)
{
    SkyAndGround(p, 120, QColor(110, 150, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 140, 150));
    p.drawPolygon(QPolygonF{QPointF(0, 130), QPointF(90, 30), QPointF(170, 110), QPointF(260, 20),
                            QPointF(400, 120), QPointF(400, 140), QPointF(0, 140)});
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{QPointF(75, 47), QPointF(90, 30), QPointF(106, 46), QPointF(92, 52)});
    p.drawPolygon(QPolygonF{QPointF(240, 40), QPointF(260, 20), QPointF(283, 38), QPointF(262, 46)});
    // narrow hairpin road with a bus coming down and a car going up
    QPainterPath road;
    road.moveTo(-10, 285);
    road.cubicTo(250, 290, 420, 250, 300, 215);
    road.cubicTo(180, 180, 80, 190, 130, 160);
    road.cubicTo(170, 140, 300, 150, 330, 135);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Asphalt, 30, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(road);
    p.setPen(QPen(QColor(230, 230, 230), 2));
    p.drawPath(road);
    Outlined(p, QColor(255, 205, 0), 1.5);
    p.drawRoundedRect(QRectF(150, 176, 60, 20), 4, 4);
    Outlined(p, QColor(40, 90, 170), 1.5);
    p.drawRoundedRect(QRectF(110, 268, 34, 14), 4, 4);
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(QPointF(182, 200), QPointF(166, 214));
    p.drawLine(QPointF(166, 214), QPointF(172, 206));
    p.drawLine(QPointF(166, 214), QPointF(175, 212));
}

void DrawTunnel(QPainter &p, const QString &)
{
    SkyAndGround(p, 150, QColor(100, 140, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 115, 105));
    p.drawPolygon(QPolygonF{QPointF(0, 150), QPointF(60, 30), QPointF(200, 10), QPointF(340, 40),
                            QPointF(400, 150)});
    // portal
    Outlined(p, QColor(170, 170, 165), 3, QColor(110, 110, 105));
    QPainterPath portal;
    portal.moveTo(70, 300);
    portal.lineTo(70, 150);
    portal.arcTo(QRectF(70, 40, 260, 220), 180, -180);
    portal.lineTo(330, 300);
    portal.closeSubpath();
    p.drawPath(portal);
    QPainterPath hole;
    hole.moveTo(95, 300);
    hole.lineTo(95, 160);
    hole.arcTo(QRectF(95, 70, 210, 180), 180, -180);
    hole.lineTo(305, 300);
    hole.closeSubpath();
    QLinearGradient dark(0, 70, 0, 300);
    dark.setColorAt(0, QColor(20, 20, 25));
    dark.setColorAt(1, QColor(50, 50, 55));
    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    p.drawPath(hole);
    // road disappearing inside, lamps on the vault
    p.setBrush(Asphalt.darker(130));
    p.drawPolygon(QPolygonF{QPointF(120, 300), QPointF(280, 300), QPointF(215, 190), QPointF(185, 190)});
    p.setPen(QPen(QColor(230, 230, 230), 2, Qt::DashLine));
    p.drawLine(QPointF(200, 300), QPointF(200, 192));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 120));
    for (int i = 0; i < 5; ++i) {
        const qreal t = i / 5.0;
        p.drawEllipse(QPointF(200 - 70 * (1 - t), 110 + 70 * t), 5 * (1 - t) + 1.5, 3 * (1 - t) + 1);
        p.drawEllipse(QPointF(200 + 70 * (1 - t), 110 + 70 * t), 5 * (1 - t) + 1.5, 3 * (1 - t) + 1);
    }
    // emergency exit sign
    p.setBrush(QColor(0, 150, 70));
    p.drawRect(QRectF(100, 200, 30, 20));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(110, 206), 3, 3);
    p.drawRect(QRectF(108, 209, 4, 8));
}

// A filled bar from a to b, the way a vehicle looks from above.
void Bar(QPainter &p, QPointF a, QPointF b, qreal width, const QColor &fill)
{
    const QLineF line(a, b);
    p.save();
    p.translate(a);
    p.rotate(-line.angle());
    Outlined(p, fill, 2);
    p.drawRect(QRectF(0, -width / 2, line.length(), width));
    p.restore();
}

void DrawTurning(QPainter &p, const QString &)
{
    // crossroads from above: a lorry coming from the left turns right into the
    // road going down; its rear wheels cut the corner where a cyclist waits
    p.fillRect(QRectF(0, 0, PictureWidth, PictureHeight), QColor(120, 170, 90));
    p.fillRect(QRectF(0, 60, PictureWidth, 100), Asphalt);
    p.fillRect(QRectF(220, 160, 110, 140), Asphalt);
    p.fillRect(QRectF(0, 160, 220, 10), QColor(200, 200, 200));
    p.fillRect(QRectF(210, 170, 10, 130), QColor(200, 200, 200));
    p.fillRect(QRectF(0, 50, PictureWidth, 10), QColor(200, 200, 200));
    p.setPen(QPen(Qt::white, 2, Qt::DashLine));
    p.drawLine(QPointF(0, 110), QPointF(PictureWidth, 110));
    p.drawLine(QPointF(275, 160), QPointF(275, 300));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 90, 220), 3, Qt::DashLine));
    QPainterPath front;
    front.moveTo(20, 132);
    front.lineTo(170, 132);
    front.cubicTo(235, 132, 258, 170, 258, 300);
    p.drawPath(front);
    p.setPen(QPen(QColor(230, 40, 30), 3, Qt::DashLine));
    QPainterPath rear;
    rear.moveTo(20, 140);
    rear.lineTo(120, 140);
    rear.cubicTo(200, 140, 228, 160, 232, 300);
    p.drawPath(rear);
    Bar(p, QPointF(95, 135), QPointF(222, 168), 34, QColor(60, 120, 190));
    Bar(p, QPointF(228, 170), QPointF(250, 222), 34, Cab);
    // the cyclist beside the corner
    Outlined(p, QColor(255, 200, 0), 2);
    p.drawEllipse(QPointF(226, 196), 7, 7);
    p.setPen(QPen(Qt::black, 3));
    p.drawLine(QPointF(226, 182), QPointF(226, 212));
}

struct Kind {
    const char *name;
    void (*draw)(QPainter &, const QString &);
};

const Kind Kinds[] = {
    {"speed", DrawSpeed},         {"height", DrawHeight},       {"weight", DrawWeight},
    {"axle", DrawAxle},           {"nodanger", DrawNoDanger},   {"noovertake", DrawNoOvertake},
    {"stop", DrawStop},           {"gradient", DrawGradient},   {"chains", DrawChains},
    {"distance", DrawDistance},   {"adr", DrawAdr},             {"adrblank", DrawAdrBlank},
    {"triangle", DrawTriangle},   {"lorry", DrawLorry},         {"coach", DrawCoach},
    {"minibus", DrawMinibus},     {"fireengine", DrawFireEngine}, {"trailer", DrawTrailer},
    {"coupling", DrawCoupling},   {"tyre", DrawTyre},           {"tachograph", DrawTachograph},
    {"loadstraps", DrawLoadStraps}, {"mountain", DrawMountain}, {"tunnel", DrawTunnel},
    {"turning", DrawTurning},
};

const Kind *KindFind(const QString &name)
{
    for (const Kind &k : Kinds)
        if (name == QLatin1String(k.name))
            return &k;
    return nullptr;
}

void NumberCorner(QPainter &p, int number, int w, int h)
{
    const QString text = QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
    const QRectF box(w - 54, h - 20, 50, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawRoundedRect(box, 3, 3);
    TextFit(p, box, text, 11, QColor(60, 60, 60), false);
}

} // namespace

bool KindKnown(const QString &kind)
{
    return KindFind(kind) != nullptr;
}

QImage QuestionPicture(const Picture &picture, int number)
{
    QImage img = Canvas();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (const Kind *k = KindFind(picture.kind)) {
        k->draw(p, picture.label);
    } else {
        p.fillRect(img.rect(), QColor(225, 228, 235));
        Outlined(p, Qt::NoBrush, 3, QColor(120, 125, 140));
        p.drawRect(QRectF(10, 10, PictureWidth - 20, PictureHeight - 20));
        TextWrap(p, QRectF(30, 60, PictureWidth - 60, 180),
                 picture.label.isEmpty() ? picture.kind : picture.label, 36, QColor(60, 60, 70));
    }
    NumberCorner(p, number, PictureWidth, PictureHeight);
    return img;
}

QImage BookCover(const QString &title, const QString &category, int number)
{
    const int w = 180, h = 240;
    QImage img = Canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // a colour per cover so the books of a category look different
    static const QColor colours[] = {QColor(20, 70, 140), QColor(150, 30, 35), QColor(30, 110, 70),
                                     QColor(200, 120, 0), QColor(80, 50, 120), QColor(40, 40, 45)};
    const QColor base = colours[number % 6];
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, base.lighter(125));
    g.setColorAt(1, base.darker(130));
    p.fillRect(img.rect(), g);
    p.fillRect(QRectF(0, 0, 14, h), base.darker(170));             // spine
    p.fillRect(QRectF(24, 18, w - 38, 4), QColor(255, 255, 255, 180));
    TextWrap(p, QRectF(24, 28, w - 38, 110), title, 20, Qt::white);
    // badge with the category code
    Outlined(p, Qt::white, 2, base.darker(150));
    p.drawEllipse(QPointF(w / 2.0 + 7, 170), 28, 28);
    TextFit(p, QRectF(w / 2.0 - 21, 150, 56, 40), category, 24, base.darker(140));
    p.fillRect(QRectF(24, h - 30, w - 38, 2), QColor(255, 255, 255, 180));
    TextFit(p, QRectF(24, h - 26, w - 38, 18), QStringLiteral("Velko"), 13, Qt::white, false);
    return img;
}

QImage StartPicture()
{
    const int w = 800, h = 600;
    QImage img = Canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(20, 40, 90));
    sky.setColorAt(0.6, QColor(230, 140, 60));
    sky.setColorAt(1, QColor(250, 200, 120));
    p.fillRect(img.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 45, 60));
    p.drawPolygon(QPolygonF{QPointF(0, 420), QPointF(150, 300), QPointF(260, 380), QPointF(420, 250),
                            QPointF(560, 360), QPointF(680, 290), QPointF(800, 380), QPointF(800, 600),
                            QPointF(0, 600)});
    p.fillRect(QRectF(0, 470, w, 130), QColor(50, 52, 58));
    p.setPen(QPen(QColor(240, 240, 240), 5, Qt::DashLine));
    p.drawLine(QPointF(0, 540), QPointF(w, 540));
    // a lorry and a coach on the road, drawn at twice the picture scale
    p.save();
    p.translate(40, 270);
    p.scale(1.3, 1.3);
    Lorry(p, 0, 230, 300, QColor(60, 120, 190));
    p.restore();
    p.save();
    p.translate(420, 300);
    p.scale(1.05, 1.05);
    Bus(p, 0, 230, 340, QColor(245, 245, 240), 8, true);
    p.restore();
    TextFit(p, QRectF(0, 40, w, 130), QStringLiteral("Velko"), 120, Qt::white);
    TextFit(p, QRectF(0, 165, w, 40), QStringLiteral("C  ·  D  ·  C1  ·  D1"), 32, QColor(255, 230, 180));
    return img;
}

QImage TitlePicture()
{
    const int w = 800, h = 200;
    QImage img = Canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, QColor(15, 60, 120));
    g.setColorAt(1, QColor(40, 130, 200));
    p.fillRect(img.rect(), g);
    p.fillRect(QRectF(0, 170, w, 30), QColor(50, 52, 58));
    p.setPen(QPen(Qt::white, 3, Qt::DashLine));
    p.drawLine(QPointF(0, 186), QPointF(w, 186));
    p.save();
    p.translate(20, 10);
    p.scale(0.62, 0.62);
    Lorry(p, 0, 250, 300, QColor(230, 180, 40));
    p.restore();
    p.save();
    p.translate(560, 20);
    p.scale(0.62, 0.62);
    Bus(p, 0, 240, 340, QColor(245, 245, 240), 8, true);
    p.restore();
    TextFit(p, QRectF(220, 20, 340, 100), QStringLiteral("Velko"), 84, Qt::white);
    TextFit(p, QRectF(220, 115, 340, 40), QStringLiteral("C · D · C1 · D1"), 26, QColor(220, 235, 255));
    return img;
}

} // namespace Drawing
