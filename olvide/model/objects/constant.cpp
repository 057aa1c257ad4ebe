#include "olvide/model/objects/constant.h"

#include "olvide/model/codepage.h"
#include "olvide/model/number_text.h"
#include "olvide/model/record_io.h"
#include "olvide/model/text.h"

namespace olvide {

void Tconstant::readNumber() const {
    number_ = lenientNumber(ConstantValue);
    numberRead_ = ConstantValue;
    numberKnown_ = true;
}

void Tconstant::save(RecordWriter& writer) const {
    TVisualor::save(writer);
    writer.writeString(ConstantValue);
}

void Tconstant::load(RecordReader& reader) {
    TVisualor::load(reader);
    ConstantValue = reader.readString();
}

std::string TStepconstant::shownText() const {
    return IsText ? "'" + ConstantValue + "'" : ConstantValue;
}

std::string TStepconstant::changeCaption() const {
    return IsText ? cp(" 更改字符串 ") : cp(" 更改数值 ");
}

const std::string& TStepconstant::changePrompt() {
    return cp("改为");
}

} // namespace olvide
