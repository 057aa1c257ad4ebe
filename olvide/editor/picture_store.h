#pragma once
// The picture files olvide loads by bare name (or, for a picture of the user's own, by path),
// read once and kept for the whole session. A picture that cannot be found is drawn as a grey
// square with a question mark, so that a missing file never leaves an object invisible.
#include <QImage>
#include <string_view>

namespace olvide::editor {

const QImage& picture(std::string_view fileName);

} // namespace olvide::editor
