#include "splash_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace olvsplash {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kBandTop = 365; // the white band that carries the two animations

QFont uiFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("WenQuanYi Zen Hei"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QPolygonF diamond(const QRectF& r) {
    return QPolygonF({QPointF(r.center().x(), r.top()), QPointF(r.right(), r.center().y()),
                      QPointF(r.center().x(), r.bottom()), QPointF(r.left(), r.center().y())});
}

void arrowDown(QPainter& p, QPointF from, QPointF to) {
    p.drawLine(from, to);
    p.drawPolygon(QPolygonF({to, to + QPointF(-4, -7), to + QPointF(4, -7)}));
}

// The flowchart that stands for the language: start, a step, a question, a loop back.
void drawFlowchart(QPainter& p) {
    const QColor ink(255, 255, 255, 230);
    const QColor fill(255, 255, 255, 45);
    p.setPen(QPen(ink, 2));
    p.setBrush(fill);
    const QRectF start(350, 40, 100, 34), step(345, 104, 110, 40), question(340, 176, 120, 70),
        last(345, 278, 110, 40);
    p.drawRoundedRect(start, 17, 17);
    p.drawRect(step);
    p.drawPolygon(diamond(question));
    p.drawRect(last);
    p.setBrush(ink);
    arrowDown(p, QPointF(400, start.bottom()), QPointF(400, step.top()));
    arrowDown(p, QPointF(400, step.bottom()), QPointF(400, question.top()));
    arrowDown(p, QPointF(400, question.bottom()), QPointF(400, last.top()));
    // "no" goes back up to the step
    p.setBrush(Qt::NoBrush);
    QPainterPath back;
    back.moveTo(question.right(), question.center().y());
    back.lineTo(485, question.center().y());
    back.lineTo(485, step.center().y());
    back.lineTo(step.right() + 8, step.center().y());
    p.drawPath(back);
    p.setBrush(ink);
    const QPointF tip(step.right(), step.center().y());
    p.drawPolygon(QPolygonF({tip, tip + QPointF(7, -4), tip + QPointF(7, 4)}));

    p.setFont(uiFont(15, true));
    p.setPen(QColor(255, 255, 255));
    p.drawText(start, Qt::AlignCenter, QStringLiteral("开始"));
    p.drawText(step, Qt::AlignCenter, QStringLiteral("和 + i"));
    p.drawText(question, Qt::AlignCenter, QStringLiteral("i > 10 ?"));
    p.drawText(last, Qt::AlignCenter, QStringLiteral("输出"));
    p.setFont(uiFont(12, false));
    p.drawText(QPointF(468, question.center().y() - 6), QStringLiteral("否"));
    p.drawText(QPointF(406, question.bottom() + 16), QStringLiteral("是"));
}

} // namespace

QImage drawSplashPicture() {
    QImage image(kSplashWidth, kSplashHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, kSplashWidth, kBandTop);
    sky.setColorAt(0, QColor(16, 42, 110));
    sky.setColorAt(0.55, QColor(24, 98, 170));
    sky.setColorAt(1, QColor(18, 150, 160));
    p.fillRect(QRect(0, 0, kSplashWidth, kBandTop), sky);

    // Soft rings behind the title.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(QColor(255, 255, 255, 10 + 3 * i));
        const double r = 190 - 28 * i;
        p.drawEllipse(QPointF(150, 170), r, r);
    }

    drawFlowchart(p);

    p.setPen(QColor(255, 255, 255));
    p.setFont(uiFont(64, true));
    p.drawText(QRect(20, 70, 310, 90), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Olvan"));
    p.setFont(uiFont(24, true));
    p.drawText(QRect(26, 160, 310, 36), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("流程图编程环境"));
    p.setFont(uiFont(14, false));
    p.setPen(QColor(210, 235, 255));
    p.drawText(QRect(28, 204, 300, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("放置变量, 选择操作, 一步一步看程序运行."));
    p.drawText(QRect(28, 300, 300, 20), Qt::AlignLeft, QStringLiteral("Olvane 语言  版本 1.0"));

    // The band of the animations.
    p.fillRect(QRect(0, kBandTop, kSplashWidth, kSplashHeight - kBandTop), QColor(255, 255, 255));
    p.fillRect(QRect(0, kBandTop, kSplashWidth, 3), QColor(240, 180, 40));
    p.setPen(QColor(40, 60, 100));
    p.setFont(uiFont(15, true));
    p.drawText(QRect(80, kBandTop + 8, 344, 24), Qt::AlignCenter, QStringLiteral("正在启动..."));
    p.setFont(uiFont(11, false));
    p.setPen(QColor(120, 130, 150));
    p.drawText(QRect(80, kBandTop + 34, 344, 20), Qt::AlignCenter, QStringLiteral("按 Esc 跳过"));
    return image;
}

std::vector<QImage> drawTaijiFrames() {
    std::vector<QImage> frames;
    const double r = 28;
    const QPointF c(32, 32);
    for (int f = 0; f < kAnimationFrames; ++f) {
        QImage image(kAnimationSize, kAnimationSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(c);
        p.rotate(30.0 * f);
        // The dark half: the left semicircle, bulging into the right above, cut below.
        QPainterPath dark;
        dark.moveTo(0, -r);
        dark.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 90, 180);
        dark.arcTo(QRectF(-r / 2, 0, r, r), 270, -180);
        dark.arcTo(QRectF(-r / 2, -r, r, r), 270, 180);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 30, 40));
        p.drawEllipse(QPointF(0, 0), r, r);
        p.setBrush(QColor(20, 30, 60));
        p.drawPath(dark);
        p.setBrush(QColor(200, 30, 40));
        p.drawEllipse(QPointF(0, -r / 2), r / 7, r / 7);
        p.setBrush(QColor(20, 30, 60));
        p.drawEllipse(QPointF(0, r / 2), r / 7, r / 7);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(240, 180, 40), 2.5));
        p.drawEllipse(QPointF(0, 0), r + 1.5, r + 1.5);
        frames.push_back(image);
    }
    return frames;
}

std::vector<QImage> drawEarthFrames() {
    // Land as blobs at (longitude, latitude, radius) in degrees.
    struct Land {
        double lon, lat, radius;
    };
    const Land lands[] = {{-100, 45, 22}, {-60, -15, 18}, {15, 10, 20}, {20, 50, 12},
                          {90, 40, 26},   {135, -25, 12}, {-40, 72, 8}, {115, 5, 8}};
    std::vector<QImage> frames;
    const double r = 28;
    for (int f = 0; f < kAnimationFrames; ++f) {
        QImage image(kAnimationSize, kAnimationSize, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(32, 32);
        QRadialGradient sea(QPointF(-9, -9), r * 1.4);
        sea.setColorAt(0, QColor(110, 190, 255));
        sea.setColorAt(1, QColor(10, 60, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(sea);
        p.drawEllipse(QPointF(0, 0), r, r);
        QPainterPath globe;
        globe.addEllipse(QPointF(0, 0), r, r);
        p.setClipPath(globe);
        const double turn = 30.0 * f;
        // Land on the near side, projected onto the disc.
        p.setBrush(QColor(70, 170, 80));
        for (const auto& land : lands) {
            for (int i = 0; i < 5; ++i) {
                const double lon = (land.lon + turn + (i - 2) * land.radius * 0.35) * kPi / 180;
                const double lat = (land.lat + ((i % 2) ? 4 : -4)) * kPi / 180;
                const double depth = std::cos(lat) * std::cos(lon);
                if (depth <= 0) continue;
                const QPointF at(r * std::cos(lat) * std::sin(lon), -r * std::sin(lat));
                const double size = land.radius / 90.0 * r * 0.55;
                p.drawEllipse(at, size * std::max(0.25, std::cos(lon)), size);
            }
        }
        // Meridians every 45 degrees turn with the world; parallels stay.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        for (int m = 0; m < 180; m += 45) {
            const double lon = (m + turn) * kPi / 180;
            const double half = std::abs(r * std::sin(lon));
            p.drawEllipse(QPointF(0, 0), half, r);
        }
        for (int lat = -60; lat <= 60; lat += 30) {
            const double y = -r * std::sin(lat * kPi / 180);
            const double half = r * std::cos(lat * kPi / 180);
            p.drawLine(QPointF(-half, y), QPointF(half, y));
        }
        p.setClipping(false);
        p.setPen(QPen(QColor(10, 40, 100), 1.5));
        p.drawEllipse(QPointF(0, 0), r, r);
        frames.push_back(image);
    }
    return frames;
}

} // namespace olvsplash
