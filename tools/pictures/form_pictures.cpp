#include "form_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace olvan::pictures {
namespace {

constexpr int kAboutW = 540;
constexpr int kAboutH = 397;

QFont chinese(int pixelSize, bool bold) {
    QFont f(QStringLiteral("WenQuanYi Zen Hei"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// A small flowchart: start, a decision with its loop, a step and the end.
void flowchart(QPainter& p, QPointF origin) {
    const QColor ink(255, 255, 255, 220);
    const QColor fill(255, 255, 255, 40);
    p.setPen(QPen(ink, 2));
    p.setBrush(fill);
    auto at = [&](double x, double y) { return origin + QPointF(x, y); };
    p.drawRoundedRect(QRectF(at(20, 0), QSizeF(80, 28)), 14, 14);
    p.drawLine(at(60, 28), at(60, 50));
    p.drawPolygon(QPolygonF({at(60, 50), at(100, 80), at(60, 110), at(20, 80)}));
    p.drawLine(at(60, 110), at(60, 132));
    p.drawRect(QRectF(at(15, 132), QSizeF(90, 30)));
    p.drawLine(at(60, 162), at(60, 184));
    p.drawRoundedRect(QRectF(at(20, 184), QSizeF(80, 28)), 14, 14);
    // The loop back to the decision.
    p.setBrush(Qt::NoBrush);
    QPainterPath loop(at(105, 147));
    loop.lineTo(at(130, 147));
    loop.lineTo(at(130, 80));
    loop.lineTo(at(100, 80));
    p.drawPath(loop);
    p.setBrush(QColor(255, 220, 40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(at(60, 80), 6, 6);
}

// A kestrel in flight, as a simple silhouette.
void kestrel(QPainter& p, QPointF c, double s) {
    QPainterPath bird;
    bird.moveTo(c + QPointF(-60, -8) * s);
    bird.quadTo(c + QPointF(-30, -30) * s, c + QPointF(-6, -6) * s);
    bird.quadTo(c + QPointF(0, -14) * s, c + QPointF(8, -8) * s);
    bird.quadTo(c + QPointF(30, -34) * s, c + QPointF(62, -12) * s);
    bird.quadTo(c + QPointF(30, -12) * s, c + QPointF(10, 2) * s);
    bird.lineTo(c + QPointF(14, 26) * s);
    bird.lineTo(c + QPointF(0, 20) * s);
    bird.lineTo(c + QPointF(-14, 26) * s);
    bird.lineTo(c + QPointF(-10, 2) * s);
    bird.quadTo(c + QPointF(-30, -10) * s, c + QPointF(-60, -8) * s);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 60, 20, 230));
    p.drawPath(bird);
}

void drawAbout(QImage& img) {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, kAboutH);
    sky.setColorAt(0, QColor(20, 60, 140));
    sky.setColorAt(0.65, QColor(60, 130, 200));
    sky.setColorAt(1, QColor(240, 200, 120));
    p.fillRect(img.rect(), sky);
    QRadialGradient sun(QPointF(450, 330), 160);
    sun.setColorAt(0, QColor(255, 240, 180, 200));
    sun.setColorAt(1, QColor(255, 240, 180, 0));
    p.fillRect(img.rect(), sun);

    flowchart(p, QPointF(30, 90));
    kestrel(p, QPointF(420, 90), 1.2);

    p.setPen(Qt::white);
    p.setFont(chinese(34, true));
    p.drawText(QRect(180, 150, 340, 44), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Olvan编程语言"));
    p.setFont(chinese(20, true));
    p.setPen(QColor(255, 225, 120));
    p.drawText(QRect(182, 196, 340, 28), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Kestrel 版"));
    p.setPen(Qt::white);
    p.setFont(chinese(14, false));
    p.drawText(QRect(182, 236, 330, 80), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("用流程图学编程: 放置数、真假、字符串、输出、条件和循环变量, "
                              "从它们的菜单中选择操作, 一步一步地看程序运行。"));
    p.setFont(chinese(12, false));
    p.setPen(QColor(60, 40, 20));
    p.drawText(QRect(20, kAboutH - 34, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Olvan 套件 · olvide"));
}

} // namespace

std::vector<PictureEntry> formPictures() {
    return {{"olvabout.bmp", kAboutW, kAboutH, drawAbout}};
}

} // namespace olvan::pictures
