#include "screens/receiption/statusicons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// Every picture is drawn on a 28 x 28 grid; the reservation variant shrinks it
// to the left and puts the telephone at the right.
void drawHouse(QPainter &p)
{
    p.setBrush(QColor(0xC0, 0x50, 0x20));
    p.drawPolygon(QPolygonF({QPointF(3, 13), QPointF(14, 3), QPointF(25, 13)}));
    p.setBrush(QColor(0xF0, 0xE0, 0xA0));
    p.drawRect(QRectF(6, 13, 16, 12));
    p.setBrush(QColor(0x70, 0x40, 0x10));
    p.drawRect(QRectF(12, 17, 5, 8));
}

void drawClock(QPainter &p)
{
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(3, 3, 22, 22));
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 14), QPointF(14, 7));
    p.drawLine(QPointF(14, 14), QPointF(19, 16));
}

void drawRunner(QPainter &p)
{
    const QColor red(0xE0, 0x10, 0x10);
    p.setBrush(red);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(15, 2, 6, 6));
    p.setPen(QPen(red, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 9), QPointF(12, 17));     // body
    p.drawLine(QPointF(12, 17), QPointF(17, 21));    // front thigh
    p.drawLine(QPointF(17, 21), QPointF(15, 26));    // front shin
    p.drawLine(QPointF(12, 17), QPointF(7, 20));     // back thigh
    p.drawLine(QPointF(7, 20), QPointF(3, 18));      // back shin
    p.drawLine(QPointF(15, 11), QPointF(21, 14));    // front arm
    p.drawLine(QPointF(15, 11), QPointF(9, 10));     // back arm
}

void drawBroom(QPainter &p)
{
    p.setPen(QPen(QColor(0x80, 0x50, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(22, 2), QPointF(13, 16));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0xE8, 0xC0, 0x30));
    p.drawPolygon(QPolygonF({QPointF(10, 14), QPointF(17, 18), QPointF(12, 27), QPointF(2, 22)}));
}

void drawWrench(QPainter &p)
{
    p.setPen(QPen(QColor(0x78, 0x88, 0x9C), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(6, 22), QPointF(17, 11));
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x78, 0x88, 0x9C));
    QPainterPath head;
    head.addEllipse(QRectF(14, 3, 11, 11));
    QPainterPath jaw;
    jaw.addRect(QRectF(19, 1, 4, 8));
    p.drawPath(head.subtracted(jaw));
}

void drawPerson(QPainter &p, const QPointF &at, const QColor &colour)
{
    p.setBrush(colour);
    p.drawEllipse(QRectF(at.x() - 3, at.y(), 6, 6));
    p.drawChord(QRectF(at.x() - 5, at.y() + 7, 10, 12), 0, 180 * 16);
}

void drawGroup(QPainter &p)
{
    drawPerson(p, QPointF(7, 6), QColor(0x60, 0x30, 0x90));
    drawPerson(p, QPointF(21, 6), QColor(0x60, 0x30, 0x90));
    drawPerson(p, QPointF(14, 10), QColor(0x90, 0x50, 0xC0));
}

void drawFace(QPainter &p)
{
    p.setBrush(QColor(0xFF, 0xD0, 0x40));
    p.drawEllipse(QRectF(3, 3, 22, 22));
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(9, 10, 3, 3));
    p.drawEllipse(QRectF(16, 10, 3, 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 10, 12, 10), 200 * 16, 140 * 16);
}

void drawTelephone(QPainter &p)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(0x10, 0x80, 0x30));
    p.drawRoundedRect(QRectF(19, 18, 9, 9), 2, 2);
    p.drawRoundedRect(QRectF(17, 14, 13, 4), 2, 2);
}

QPixmap draw(const RoomIcon &icon)
{
    QPixmap pixmap(kStatusIconSize, kStatusIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kStatusIconSize / 28.0, kStatusIconSize / 28.0);
    p.setPen(QPen(Qt::black, 1));
    if (icon.reservation) {
        p.save();
        p.scale(0.75, 0.75);
    }
    switch (icon.icon) {
    case BoardIcon::VC: drawHouse(p); break;
    case BoardIcon::OH: drawClock(p); break;
    case BoardIcon::TO: drawRunner(p); break;
    case BoardIcon::VD: drawBroom(p); break;
    case BoardIcon::OO: drawWrench(p); break;
    case BoardIcon::Team: drawGroup(p); break;
    case BoardIcon::Guest: drawFace(p); break;
    }
    if (icon.reservation) {
        p.restore();
        drawTelephone(p);
    }
    return pixmap;
}

} // namespace

QIcon StatusIcon(const RoomIcon &icon)
{
    static QHash<int, QIcon> drawn;
    const int key = int(icon.icon) * 2 + (icon.reservation ? 1 : 0);
    auto found = drawn.find(key);
    if (found == drawn.end())
        found = drawn.insert(key, QIcon(draw(icon)));
    return *found;
}
