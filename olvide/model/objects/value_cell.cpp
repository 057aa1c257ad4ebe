#include "olvide/model/objects/value_cell.h"

#include "olvide/model/number_text.h"

#include <cmath>
#include <cstdint>

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

namespace {

// Whole and finite, without a call to trunc: from 2^52 on every double is whole.
bool isWhole(double value) {
    if (std::fabs(value) < 4503599627370496.0)
        return static_cast<double>(static_cast<std::int64_t>(value)) == value;
    return std::isfinite(value);
}

} // namespace

bool ValueCell::setNumber(double value) {
    // A whole number is written without a point and reads back as itself; a fraction is
    // rounded to 8 decimals by its text, so it has to go through the text.
    if (!isWhole(value)) return false;
    number_ = value + 0.0; // -0 is written "0", which reads as +0
    numberKnown_ = true;
    textMade_ = false;
    return true;
}

} // namespace olvide
