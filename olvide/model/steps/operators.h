#pragma once
// The small pictures of an operation that the step window draws between the operand pictures;
// each kind is made with the sign it shows.
#include "olvide/model/objects/visualor.h"
#include "olvide/model/steps/opcode.h"

#include <span>

namespace olvide {

class Toperator : public TVisualor {
public:
    Toperator(ProgramServices* owner, std::string sign) : TVisualor(owner), Sign(std::move(sign)) {}
    explicit Toperator(ProgramServices* owner) : TVisualor(owner) {}
    std::string Sign;
    std::uint8_t setvisualorstyle() const override { return kind::Operator; }
    // The signs this kind shows.
    virtual std::span<const std::string_view> signs() const { return {}; }
};

#define OLVIDE_OPERATOR(Name)                                                                      \
    class Name : public Toperator {                                                                \
    public:                                                                                        \
        using Toperator::Toperator;                                                                \
        std::span<const std::string_view> signs() const override;                                  \
    };
OLVIDE_OPERATOR(TAddoperator)
OLVIDE_OPERATOR(TCompareoperator)
OLVIDE_OPERATOR(TBooleanoperator)
OLVIDE_OPERATOR(Tflowoperator)
OLVIDE_OPERATOR(TSetoperator)
OLVIDE_OPERATOR(TCalloperator)
OLVIDE_OPERATOR(TFunctionoperator)
OLVIDE_OPERATOR(TInputoperator)
OLVIDE_OPERATOR(TOutputoperator)
#undef OLVIDE_OPERATOR

// The signs the picture class of a code's sign class shows ("+", "-", ... for Add).
std::span<const std::string_view> signsOf(SignClass signClass);

// The sign the step window shows between the operands of a step with this code ("+" for
// "x+A", "SIN" for "sinx", "TF$" for "DOC"); empty when the code has none.
std::string_view operatorSign(std::string_view code);

} // namespace olvide
