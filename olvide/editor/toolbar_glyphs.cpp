#include "toolbar_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace olvide::editor {

namespace {

constexpr int kSize = 16;

void page(QPainter& p) {
    QPainterPath path;
    path.moveTo(3.5, 1.5);
    path.lineTo(9.5, 1.5);
    path.lineTo(12.5, 4.5);
    path.lineTo(12.5, 14.5);
    path.lineTo(3.5, 14.5);
    path.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
    p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
}

void folder(QPainter& p) {
    p.setPen(QPen(QColor(120, 90, 20), 1));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(1.5, 4.5, 12, 9));
    p.drawRect(QRectF(1.5, 3.5, 5, 1));
    p.setBrush(QColor(255, 225, 120));
    QPolygonF flap{QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)};
    p.drawPolygon(flap);
}

void disk(QPainter& p) {
    p.setPen(QPen(QColor(20, 30, 90), 1));
    p.setBrush(QColor(50, 80, 170));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
}

void window(QPainter& p, bool flow) {
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(QRectF(1.5, 1.5, 13, 3));
    if (flow) {
        p.setBrush(QColor(255, 220, 120));
        p.drawRect(QRectF(6.5, 6.5, 3, 2));
        p.drawLine(QPointF(8, 8.5), QPointF(8, 10.5));
        p.drawLine(QPointF(4.5, 10.5), QPointF(11.5, 10.5));
        p.setBrush(QColor(140, 200, 250));
        p.drawRect(QRectF(3.5, 11.5, 2, 2));
        p.drawRect(QRectF(10.5, 11.5, 2, 2));
    } else {
        p.setBrush(QColor(120, 180, 240));
        for (int i = 0; i < 3; ++i)
            p.drawRect(QRectF(3.5 + 4 * i, 8.5, 2, 3));
    }
}

void draw(QPainter& p, Glyph glyph) {
    const QColor green(0, 150, 40);
    const QColor blue(0, 70, 190);
    switch (glyph) {
    case Glyph::FileNew:
        page(p);
        p.setPen(QPen(QColor(230, 170, 0), 1.2));
        p.drawLine(QPointF(11, 9), QPointF(15, 13));
        p.drawLine(QPointF(15, 9), QPointF(11, 13));
        break;
    case Glyph::FileOpen:
        folder(p);
        break;
    case Glyph::FileSave:
        disk(p);
        break;
    case Glyph::ProgramRun:
        p.setPen(QPen(green.darker(150), 1));
        p.setBrush(green);
        p.drawPolygon(QPolygonF{QPointF(4, 2), QPointF(13, 8), QPointF(4, 14)});
        break;
    case Glyph::programpause:
        p.setPen(QPen(blue.darker(150), 1));
        p.setBrush(blue);
        p.drawRect(QRectF(3.5, 2.5, 3, 11));
        p.drawRect(QRectF(9.5, 2.5, 3, 11));
        break;
    case Glyph::ProgramStop:
        p.setPen(QPen(QColor(120, 0, 0), 1));
        p.setBrush(QColor(210, 20, 20));
        p.drawRect(QRectF(3.5, 3.5, 9, 9));
        break;
    case Glyph::ProgramStepin: {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(7.5, 8.5, 7, 6));
        p.setPen(QPen(blue, 1.6));
        p.drawLine(QPointF(4, 1.5), QPointF(4, 6));
        p.drawLine(QPointF(4, 6), QPointF(10.5, 6));
        p.drawLine(QPointF(10.5, 6), QPointF(10.5, 10.5));
        p.setBrush(blue);
        p.drawPolygon(QPolygonF{QPointF(8, 9), QPointF(13, 9), QPointF(10.5, 12.5)});
        break;
    }
    case Glyph::programStepOver: {
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(5.5, 9.5, 6, 5));
        p.setPen(QPen(blue, 1.6));
        QPainterPath arc;
        arc.moveTo(2.5, 12);
        arc.cubicTo(2.5, 1.5, 13.5, 1.5, 13.5, 9);
        p.drawPath(arc);
        p.setBrush(blue);
        p.drawPolygon(QPolygonF{QPointF(11, 8), QPointF(16, 8), QPointF(13.5, 12)});
        break;
    }
    case Glyph::StepWindowOnoff:
        window(p, false);
        break;
    case Glyph::FlowWindowOnoff:
        window(p, true);
        break;
    case Glyph::FunctionList:
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(QColor(0, 0, 140), 1));
        for (int i = 0; i < 4; ++i) {
            p.drawPoint(QPointF(4, 4 + 3 * i));
            p.drawLine(QPointF(6.5, 4 + 3 * i), QPointF(12.5, 4 + 3 * i));
        }
        break;
    }
}

} // namespace

QIcon toolbarGlyph(Glyph glyph) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, glyph);
    }
    return QIcon(pixmap);
}

} // namespace olvide::editor
