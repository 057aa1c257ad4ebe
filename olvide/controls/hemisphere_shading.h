#pragma once
// The faces of a hemisphere button, built pixel by pixel: a dome over the face ellipse lit
// from the upper left (a dish when pressed), inside bevel rings and an optional border.
#include "olvide/controls/control_types.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>

namespace olvide::controls {

struct HemisphereLook {
    THemisphereBevel bevelInner = THemisphereBevel::hbLowered;
    THemisphereBevel bevelOuter = THemisphereBevel::hbNone;
    int bevelWidth = 1;
    QColor colorBright = QColor(0xFF, 0xFF, 0xFF);
    QColor colorDark = QColor(0x80, 0x80, 0x80);
    QColor borderColor = QColor(0x80, 0x80, 0x80);
    TBorderStyle borderStyle = TBorderStyle::bsNone;

    bool operator==(const HemisphereLook&) const = default;
};

// BevelWidth times the number of bevels that are not hbNone.
int bevelTotal(const HemisphereLook& look);

// Whether a point lies in the ellipse of a control of this size shrunk by inset on every side:
// ((x - cx) / (cx - inset))^2 + ((y - cy) / (cy - inset))^2 <= 1 with cx, cy the half size.
bool insideEllipse(QSize size, double inset, QPointF point);

// The light at a point of the face, 0 to 1: the normal of the dome (in the ellipse's own
// normalised coordinates) against the light from (-1, -1, 1) / sqrt(3). A pressed face is a
// dish, the dome turned inside out. Points outside the face give 0. The face bitmaps take
// the light of every pixel at its centre (x + 0.5, y + 0.5).
double faceLight(QSize size, int bevelTotal, QPointF point, bool pressed);

// dark + t * (bright - dark) per channel, rounded to the nearest integer.
QRgb shadeBetween(const QColor& dark, const QColor& bright, double t);

// The face bitmap of a control of this size; pixels outside the outer ellipse are transparent.
QImage buildHemisphereFace(QSize size, const HemisphereLook& look, bool pressed);

} // namespace olvide::controls
