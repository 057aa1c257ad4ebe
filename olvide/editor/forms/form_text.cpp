#include "olvide/editor/forms/form_text.h"

#include "olvide/controls/olvan_font.h"
#include "olvide/model/codepage.h"
#include "olvide/model/picture_files.h"

#include <QLabel>

namespace olvide::forms {

QString screenText(std::string_view codepage) {
    return QString::fromStdString(toUtf8(codepage));
}

std::string modelText(const QString& text) {
    return fromUtf8(text.toStdString());
}

QFont formFont() {
    return controls::olvanFont(QStringLiteral("宋体"), 9);
}

QImage loadPicture(std::string_view name) {
    const auto path = findPictureFile(name);
    if (!path) return {};
    return QImage(QString::fromStdString(path->string()));
}

QLabel* placeLabel(QWidget* parent, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    return label;
}

} // namespace olvide::forms
