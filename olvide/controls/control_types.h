#pragma once
// The enumerations the controls publish as properties.
#include <QObject>

namespace olvide::controls {
Q_NAMESPACE

// Where a control docks inside its parent; aligned controls are laid out by the parent.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

// Horizontal placement of a label's text.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

enum class TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)

enum class TMultiShapeType {
    msRectangle,
    msRoundRect,
    msDiamond,
    msEllipse,
    msTriangle,
    msLine,
    msText
};
Q_ENUM_NS(TMultiShapeType)

// The ordinals are stored in drawing files.
enum class TRepeatMode { rpNone = 0, rpVert = 1, rpHoriz = 2, rpBoth = 3 };
Q_ENUM_NS(TRepeatMode)

enum class THemisphereBevel { hbNone, hbLowered, hbRaised };
Q_ENUM_NS(THemisphereBevel)

} // namespace olvide::controls
