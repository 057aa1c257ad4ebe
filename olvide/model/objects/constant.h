#pragma once
// Constants: a value held as text, named by its value. Program constants are the constant
// operands of steps and live in the program space's constant list; step constants are their
// pictures in the step window.
#include "common/hot_path.h"
#include "olvide/model/objects/visualor.h"

namespace olvide {

class Tstep;

class Tconstant : public TVisualor {
public:
    using TVisualor::TVisualor;
    std::string ConstantValue;

    // The lenient reading of the value, read again only when the text has changed (the step
    // window changes it in place while a run is paused).
    OLVAN_HOT_INLINE double number() const {
        if (!numberKnown_ || numberRead_ != ConstantValue) readNumber();
        return number_;
    }

    std::string setvisualorname(std::int32_t) const override { return ConstantValue; }
    std::uint8_t setvisualorstyle() const override { return kind::Constant; }
    void save(RecordWriter& writer) const override;
    void load(RecordReader& reader) override;

private:
    void readNumber() const;

    mutable std::string numberRead_; // the text number_ was read from
    mutable double number_ = 0;
    mutable bool numberKnown_ = false;
};

class Tprogramconstant : public Tconstant {
public:
    using Tconstant::Tconstant;
    // The step that owns the constant and gives it back when it is freed; none until a step
    // takes it.
    const Tstep* Holder = nullptr;
};

// The picture of a step's constant: a number plainly, a text in single quotes.
class TStepconstant : public Tconstant {
public:
    using Tconstant::Tconstant;
    bool IsText = false;
    std::string shownText() const;
    // Double click: the caption of the input dialog that asks for a new value, and its prompt.
    std::string changeCaption() const;
    static const std::string& changePrompt();
};

} // namespace olvide
