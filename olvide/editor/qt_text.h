#pragma once
// The model keeps text as code-page bytes; the screen shows QString. These two functions are
// the only crossing between them in the editor.
#include <QString>
#include <string>
#include <string_view>

namespace olvide::editor {

QString fromCodePage(std::string_view bytes);
std::string toCodePage(const QString& text);
// A literal of the source as the model keeps it (cp) shown on the screen: the same text.
inline QString ui(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace olvide::editor
