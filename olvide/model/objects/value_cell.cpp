#include "olvide/model/objects/value_cell.h"

#include "olvide/model/number_text.h"

#include <cmath>

namespace olvide {

const std::string& ValueCell::text() const {
    if (!textMade_) {
        numberText(number_, text_);
        textMade_ = true;
    }
    return text_;
}

double ValueCell::number() const {
    if (!numberKnown_) {
        number_ = lenientNumber(text_);
        numberKnown_ = true;
    }
    return number_;
}

void ValueCell::setText(std::string_view text) {
    text_.assign(text);
    textMade_ = true;
    numberKnown_ = false;
}

bool ValueCell::setNumber(double value) {
    // A whole number is written without a point and reads back as itself; a fraction is
    // rounded to 8 decimals by its text, so it has to go through the text.
    if (!std::isfinite(value) || value != std::trunc(value)) return false;
    number_ = value + 0.0; // -0 is written "0", which reads as +0
    numberKnown_ = true;
    textMade_ = false;
    return true;
}

} // namespace olvide
