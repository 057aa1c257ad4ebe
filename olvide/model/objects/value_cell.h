#pragma once
// One value as a running program keeps it: its text and, beside it, the number the text reads
// as. The number is read from the text once, when first asked for. Arithmetic may write a
// number instead of text; its text is then made by the formatting rule only when somebody
// looks at it. Only numbers whose text reads back as exactly the same number are kept that
// way, so that nobody can tell the difference from a value written as text.
#include "common/hot_path.h"
#include <string>
#include <string_view>

namespace olvide {

class ValueCell {
public:
    ValueCell() = default;

    const std::string& text() const { return textMade_ ? text_ : makeText(); }
    // The lenient reading of the text.
    OLVAN_HOT_INLINE double number() const { return numberKnown_ ? number_ : readNumber(); }
    void setText(std::string_view text);
    // Keeps a whole number (its text reads back exactly); false, with nothing changed, for
    // any other value, which the caller writes as text. Inline: a running loop writes its
    // counters through it at every turn.
    OLVAN_HOT_INLINE bool setNumber(double value) {
        // A whole number is written without a point and reads back as itself; a fraction is
        // rounded to 8 decimals by its text, so it has to go through the text.
        if (!isWhole(value)) return false;
        number_ = value + 0.0; // -0 is written "0", which reads as +0
        numberKnown_ = true;
        textMade_ = false;
        return true;
    }
    // Takes another value as it stands, number and all.
    void assign(const ValueCell& other) { *this = other; }

private:
    // Whole and finite, without a call to trunc: from 2^52 on every double is whole.
    OLVAN_HOT_INLINE static bool isWhole(double value) {
        if (value < 4503599627370496.0 && value > -4503599627370496.0)
            return static_cast<double>(static_cast<long long>(value)) == value;
        return value - value == 0; // finite
    }
    const std::string& makeText() const;
    double readNumber() const;

    mutable std::string text_;
    mutable double number_ = 0;
    mutable bool textMade_ = true;     // false while the text is still to be made from number_
    mutable bool numberKnown_ = false; // number_ is the reading of the text
};

} // namespace olvide
