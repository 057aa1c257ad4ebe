#pragma once
// One value as a running program keeps it: its text and, beside it, the number the text reads
// as. The number is read from the text once, when first asked for. Arithmetic may write a
// number instead of text; its text is then made by the formatting rule only when somebody
// looks at it. Only numbers whose text reads back as exactly the same number are kept that
// way, so that nobody can tell the difference from a value written as text.
#include <string>
#include <string_view>

namespace olvide {

class ValueCell {
public:
    ValueCell() = default;

    const std::string& text() const;
    // The lenient reading of the text.
    double number() const;
    void setText(std::string_view text);
    // Keeps a whole number (its text reads back exactly); false, with nothing changed, for
    // any other value, which the caller writes as text.
    bool setNumber(double value);
    // Takes another value as it stands, number and all.
    void assign(const ValueCell& other) { *this = other; }

private:
    mutable std::string text_;
    mutable double number_ = 0;
    mutable bool textMade_ = true;     // false while the text is still to be made from number_
    mutable bool numberKnown_ = false; // number_ is the reading of the text
};

} // namespace olvide
