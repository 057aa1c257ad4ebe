#include "olvide/controls/hemisphere_shading.h"

#include <algorithm>
#include <cmath>

namespace olvide::controls {
namespace {

constexpr double kLightCoefficient = 0.5773502692; // 1 / sqrt(3)

struct Centre {
    double x;
    double y;
};

Centre centreOf(QSize size) {
    return {size.width() / 2.0, size.height() / 2.0};
}

int channel(int dark, int bright, double t) {
    return static_cast<int>(std::lround(dark + t * (bright - dark)));
}

// A bevel ring lit from the upper left: raised rings are bright there, lowered ones dark.
double ringLight(QSize size, QPointF pixel, THemisphereBevel bevel) {
    const Centre c = centreOf(size);
    const double dx = (pixel.x() - c.x) / std::max(1.0, c.x);
    const double dy = (pixel.y() - c.y) / std::max(1.0, c.y);
    const double length = std::hypot(dx, dy);
    const double towardsLight = length > 0 ? (-dx - dy) / (std::sqrt(2.0) * length) : 0;
    const double raised = 0.5 + 0.5 * towardsLight;
    return bevel == THemisphereBevel::hbRaised ? raised : 1.0 - raised;
}

} // namespace

int bevelTotal(const HemisphereLook& look) {
    const int bevels = (look.bevelInner != THemisphereBevel::hbNone ? 1 : 0) +
                       (look.bevelOuter != THemisphereBevel::hbNone ? 1 : 0);
    return look.bevelWidth * bevels;
}

bool insideEllipse(QSize size, double inset, QPointF point) {
    const Centre c = centreOf(size);
    const double rx = c.x - inset;
    const double ry = c.y - inset;
    if (rx <= 0 || ry <= 0) return false;
    const double u = (point.x() - c.x) / rx;
    const double v = (point.y() - c.y) / ry;
    return u * u + v * v <= 1.0;
}

double faceLight(QSize size, int bevelTotal, QPointF point, bool pressed) {
    if (!insideEllipse(size, bevelTotal, point)) return 0;
    const Centre c = centreOf(size);
    const double u = (point.x() - c.x) / (c.x - bevelTotal);
    const double v = (point.y() - c.y) / (c.y - bevelTotal);
    const double w = std::sqrt(std::max(0.0, 1.0 - u * u - v * v));
    const double nx = pressed ? -u : u;
    const double ny = pressed ? -v : v;
    return std::clamp((-nx - ny + w) * kLightCoefficient, 0.0, 1.0);
}

QRgb shadeBetween(const QColor& dark, const QColor& bright, double t) {
    return qRgb(channel(dark.red(), bright.red(), t), channel(dark.green(), bright.green(), t),
                channel(dark.blue(), bright.blue(), t));
}

QImage buildHemisphereFace(QSize size, const HemisphereLook& look, bool pressed) {
    QImage face(size.expandedTo({1, 1}), QImage::Format_ARGB32);
    face.fill(Qt::transparent);
    const int total = bevelTotal(look);
    const int outerWidth = look.bevelOuter != THemisphereBevel::hbNone ? look.bevelWidth : 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            // Sampled at the pixel's centre, so that the disc is symmetric.
            const QPointF pixel(x + 0.5, y + 0.5);
            if (!insideEllipse(size, 0, pixel)) continue;
            double t = 0;
            if (insideEllipse(size, total, pixel))
                t = faceLight(size, total, pixel, pressed);
            else if (!insideEllipse(size, outerWidth, pixel))
                t = ringLight(size, pixel, look.bevelOuter);
            else
                t = ringLight(size, pixel, look.bevelInner);
            QRgb colour = shadeBetween(look.colorDark, look.colorBright, t);
            if (look.borderStyle == TBorderStyle::bsSingle && !insideEllipse(size, 1, pixel))
                colour = look.borderColor.rgb();
            face.setPixel(x, y, colour);
        }
    }
    return face;
}

} // namespace olvide::controls
