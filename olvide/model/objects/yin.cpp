#include "olvide/model/objects/yin.h"

#include "olvide/model/codepage.h"
#include "olvide/model/platform.h"
#include "olvide/model/record_io.h"

#include <filesystem>
#include <system_error>

namespace olvide {

std::string Tyin::iconName() const {
    return hasOwnPicture ? pictureFile : "Yinico.bmp";
}

void Tyin::selectdraw() {
    VisualorImage.highlighted = true;
    pictureChanged();
}

void Tyin::setstatushint() {
    platform().setStatusHint(cp("印:") + VisualorAlias);
}

void Tyin::visualorImageMouseDown() {
    TVisualor::visualorImageMouseDown();
    if (onSelect) onSelect(*this);
}

void Tyin::save(RecordWriter& writer) const {
    TVisualor::save(writer);
    writer.writeString(pictureFile);
}

void Tyin::load(RecordReader& reader) {
    TVisualor::load(reader);
    setPictureFile(reader.readString());
}

void Tyin::setPictureFile(std::string path) {
    std::error_code error;
    if (!path.empty() && std::filesystem::is_regular_file(path, error)) {
        pictureFile = std::move(path);
        hasOwnPicture = true;
    } else {
        pictureFile.clear();
        hasOwnPicture = false;
    }
    unselectdraw();
}

} // namespace olvide
