#pragma once
// What every form shares: code-page text to and from the screen, the form font, the pictures
// found by name, and the labels placed by hand as the forms are designed.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

class QLabel;
class QWidget;

namespace olvide::forms {

// Code-page bytes as the screen shows them, and typed text as the model keeps it.
QString screenText(std::string_view codepage);
std::string modelText(const QString& text);

// The font of the forms ("宋体", 9 points).
QFont formFont();

// A picture file found by its bare name (working folder, beside the program, installed);
// a null image when there is none or it cannot be read.
QImage loadPicture(std::string_view name);

// A label with its text at a fixed place.
QLabel* placeLabel(QWidget* parent, const QString& text, QRect geometry);

// The colours the forms name.
inline const QColor kNavy{0, 0, 128};
inline const QColor kSilver{192, 192, 192};
inline const QColor kGrayText{128, 128, 128};
inline const QColor kLime{0, 255, 0};
inline const QColor kInfoTip{255, 255, 225};

} // namespace olvide::forms
