#include "olvide/views/tool_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace olvide::views {

namespace {

const QColor kArrow(30, 80, 170);

// A triangle pointing up or down, its flat side at y.
void triangle(QPainter& p, double y, bool down) {
    const double tip = down ? y + 5 : y - 5;
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    p.drawPolygon(QPolygonF({QPointF(3, y), QPointF(13, y), QPointF(8, tip)}));
}

void bar(QPainter& p, double y) {
    p.setPen(Qt::NoPen);
    p.setBrush(kArrow);
    p.drawRect(QRectF(3, y, 10, 2));
}

void drawGlyph(QPainter& p, StepTool tool) {
    switch (tool) {
    case StepTool::Down:
        triangle(p, 5, true);
        break;
    case StepTool::Up:
        triangle(p, 11, false);
        break;
    case StepTool::Tail:
        triangle(p, 4, true);
        bar(p, 11);
        break;
    case StepTool::Head:
        bar(p, 3);
        triangle(p, 12, false);
        break;
    case StepTool::PageDown:
        triangle(p, 2, true);
        triangle(p, 8, true);
        break;
    case StepTool::PageUp:
        triangle(p, 8, false);
        triangle(p, 14, false);
        break;
    case StepTool::Delete:
        p.setPen(QPen(QColor(200, 20, 20), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case StepTool::Rem:
        p.setPen(QPen(QColor(120, 100, 0), 1));
        p.setBrush(QColor(255, 240, 140));
        p.drawRoundedRect(QRectF(2.5, 2.5, 11, 9), 2, 2);
        p.drawPolygon(QPolygonF({QPointF(5, 11.5), QPointF(8, 11.5), QPointF(4, 14.5)}));
        p.drawLine(QPointF(5, 5.5), QPointF(11, 5.5));
        p.drawLine(QPointF(5, 8.5), QPointF(10, 8.5));
        break;
    case StepTool::Exit: {
        // Out of the loop: an arrow leaving a ring.
        p.setPen(QPen(QColor(0, 120, 120), 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(2, 3, 9, 10), 60 * 16, 260 * 16);
        p.setPen(QPen(QColor(200, 40, 40), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(7, 8), QPointF(14, 8));
        p.drawLine(QPointF(11, 5), QPointF(14, 8));
        p.drawLine(QPointF(11, 11), QPointF(14, 8));
        break;
    }
    case StepTool::End: {
        // Return: a bent arrow back to the left.
        p.setPen(QPen(QColor(120, 20, 20), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath path;
        path.moveTo(13, 3);
        path.lineTo(13, 10);
        path.lineTo(3, 10);
        p.drawPath(path);
        p.drawLine(QPointF(3, 10), QPointF(6, 7));
        p.drawLine(QPointF(3, 10), QPointF(6, 13));
        break;
    }
    case StepTool::Break:
        p.setPen(QPen(QColor(120, 0, 0), 1));
        p.setBrush(QColor(230, 20, 20));
        p.drawEllipse(QRectF(3.5, 3.5, 9, 9));
        break;
    }
}

} // namespace

QPixmap stepToolGlyph(StepTool tool) {
    QPixmap glyph(16, 16);
    glyph.fill(Qt::transparent);
    QPainter p(&glyph);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlyph(p, tool);
    return glyph;
}

} // namespace olvide::views
