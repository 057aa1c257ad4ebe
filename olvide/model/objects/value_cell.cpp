#include "olvide/model/objects/value_cell.h"

#include "olvide/model/number_text.h"

namespace olvide {

const std::string& ValueCell::makeText() const {
    numberText(number_, text_);
    textMade_ = true;
    return text_;
}

double ValueCell::readNumber() const {
    number_ = lenientNumber(text_);
    numberKnown_ = true;
    return number_;
}

void ValueCell::setText(std::string_view text) {
    text_.assign(text);
    textMade_ = true;
    numberKnown_ = false;
}

} // namespace olvide
