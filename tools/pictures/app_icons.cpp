#include "app_icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace olvan::pictures {
namespace {

// Every icon is designed on a 64 × 64 grid and scaled to the size asked for.
constexpr double kGrid = 64.0;

QImage blank(int size) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void prepare(QPainter& p, int size) {
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
}

void roundedGround(QPainter& p, QColor top, QColor bottom) {
    QLinearGradient g(0, 4, 0, 60);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(QPen(bottom.darker(140), 1.5));
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 12, 12);
}

void arrowDown(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to - QPointF(0, 3));
    p.drawPolygon(QPolygonF({to, to + QPointF(-3.5, -5), to + QPointF(3.5, -5)}));
}

// A small flowchart: start, a condition, and two boxes.
void flowchart(QPainter& p, double scale, QPointF origin, QColor ink) {
    p.save();
    p.translate(origin);
    p.scale(scale, scale);
    p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(22, 10, 20, 9), 4.5, 4.5);
    p.setBrush(ink);
    arrowDown(p, QPointF(32, 19), QPointF(32, 26));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QPolygonF({QPointF(32, 26), QPointF(42, 33), QPointF(32, 40), QPointF(22, 33)}));
    p.drawLine(QPointF(22, 33), QPointF(15, 33));
    p.drawLine(QPointF(42, 33), QPointF(49, 33));
    p.setBrush(ink);
    arrowDown(p, QPointF(15, 33), QPointF(15, 44));
    arrowDown(p, QPointF(49, 33), QPointF(49, 44));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(8, 44, 14, 9));
    p.drawRect(QRectF(42, 44, 14, 9));
    p.restore();
}

// Boxes joined by ties: two inputs feed a function whose result flows to an output.
void dataflow(QPainter& p, double scale, QPointF origin, QColor ink, QColor box) {
    p.save();
    p.translate(origin);
    p.scale(scale, scale);
    p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath ties;
    ties.moveTo(20, 19);
    ties.cubicTo(28, 19, 26, 30, 33, 30);
    ties.moveTo(20, 45);
    ties.cubicTo(28, 45, 26, 34, 33, 34);
    ties.moveTo(45, 32);
    ties.lineTo(50, 32);
    p.setBrush(Qt::NoBrush);
    p.drawPath(ties);
    p.setBrush(box);
    p.drawRoundedRect(QRectF(8, 13, 12, 12), 2, 2);
    p.drawRoundedRect(QRectF(8, 39, 12, 12), 2, 2);
    p.drawRoundedRect(QRectF(33, 24, 12, 16), 2, 2);
    p.drawEllipse(QPointF(53, 32), 4, 4);
    p.restore();
}

QImage olvideIcon(int size) {
    QImage img = blank(size);
    QPainter p(&img);
    prepare(p, size);
    roundedGround(p, QColor(90, 160, 235), QColor(30, 80, 170));
    flowchart(p, 1.0, QPointF(0, 0), Qt::white);
    return img;
}

QImage pendrelIcon(int size) {
    QImage img = blank(size);
    QPainter p(&img);
    prepare(p, size);
    roundedGround(p, QColor(90, 200, 160), QColor(20, 120, 90));
    dataflow(p, 1.0, QPointF(0, 0), Qt::white, QColor(255, 255, 255, 70));
    return img;
}

// A sheet of paper with a folded corner, the common ground of the file icons.
void sheet(QPainter& p) {
    QPainterPath page;
    page.moveTo(12, 4);
    page.lineTo(42, 4);
    page.lineTo(54, 16);
    page.lineTo(54, 60);
    page.lineTo(12, 60);
    page.closeSubpath();
    p.setPen(QPen(QColor(120, 120, 120), 1.5));
    p.setBrush(QColor(250, 250, 250));
    p.drawPath(page);
    p.setBrush(QColor(215, 215, 215));
    p.drawPolygon(QPolygonF({QPointF(42, 4), QPointF(42, 16), QPointF(54, 16)}));
}

QImage olvaneFileIcon(int size) {
    QImage img = blank(size);
    QPainter p(&img);
    prepare(p, size);
    sheet(p);
    flowchart(p, 0.62, QPointF(13, 18), QColor(30, 80, 170));
    return img;
}

QImage pendrelFileIcon(int size) {
    QImage img = blank(size);
    QPainter p(&img);
    prepare(p, size);
    sheet(p);
    dataflow(p, 0.62, QPointF(13, 18), QColor(20, 120, 90), QColor(90, 200, 160));
    return img;
}

} // namespace

const std::vector<AppIcon>& appIcons() {
    static const std::vector<AppIcon> icons{
        {QStringLiteral("olvide"), olvideIcon},
        {QStringLiteral("pendrel"), pendrelIcon},
        {QStringLiteral("application-x-olvane-program"), olvaneFileIcon},
        {QStringLiteral("application-x-pendrel-program"), pendrelFileIcon},
    };
    return icons;
}

const std::vector<int>& appIconSizes() {
    static const std::vector<int> sizes{16, 22, 24, 32, 48, 64, 128, 256};
    return sizes;
}

} // namespace olvan::pictures
