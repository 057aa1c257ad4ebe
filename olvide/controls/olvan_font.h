#pragma once
// The forms name Windows fonts ("宋体", "MS Sans Serif", "Courier New"). They map to fonts a
// Debian desktop has, and every font falls back to the Chinese font so that Chinese text
// always has glyphs.
#include <QFont>
#include <QString>
#include <QStringList>

namespace olvide::controls {

// The installed family that stands in for a Windows font name; unknown names are kept.
QString olvanFontFamily(const QString& windowsName);

// The font of that name. A positive size is in points; a negative size is a character height
// in pixels, as the forms give some of their fonts.
QFont olvanFont(const QString& windowsName, int size);

} // namespace olvide::controls
