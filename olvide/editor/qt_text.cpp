#include "qt_text.h"

#include "olvide/model/codepage.h"

namespace olvide::editor {

QString fromCodePage(std::string_view bytes) {
    return QString::fromStdString(toUtf8(bytes));
}

std::string toCodePage(const QString& text) {
    return fromUtf8(text.toStdString());
}

} // namespace olvide::editor
