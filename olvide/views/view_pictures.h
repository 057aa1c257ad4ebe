#pragma once
// The picture files the views draw, loaded once by bare name, and the conversions between the
// model's code-page text and the screen's.
#include <QImage>
#include <QString>

#include <string>
#include <string_view>

namespace olvide::views {

// The picture of that file with its white pixels made transparent (the flow figures and icons
// are drawn on white); a null image when the file is not found.
const QImage& viewPicture(std::string_view name);

// Code-page bytes as the screen shows them, and back.
QString screenText(std::string_view codepage);
std::string modelText(const QString& text);

} // namespace olvide::views
