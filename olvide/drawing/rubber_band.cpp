#include "olvide/drawing/rubber_band.h"

#include <QPainter>
#include <cstdlib>

namespace olvide::drawing {

QRect bandBetween(QPoint anchor, QPoint mouse) {
    return {std::min(anchor.x(), mouse.x()), std::min(anchor.y(), mouse.y()),
            std::abs(anchor.x() - mouse.x()), std::abs(anchor.y() - mouse.y())};
}

Trubberband::Trubberband(QWidget* canvas) : QWidget(canvas) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Trubberband::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace olvide::drawing
