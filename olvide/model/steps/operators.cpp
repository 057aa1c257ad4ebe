#include "olvide/model/steps/operators.h"

#include "olvide/model/steps/opcode.h"

#include <array>

namespace olvide {

namespace {
constexpr std::array<std::string_view, 6> kAdd{"+", "-", "*", "/", "|", "%"};
constexpr std::array<std::string_view, 6> kCompare{">", "<", ">=", "<=", "=", "!="};
constexpr std::array<std::string_view, 3> kBoolean{"&", "|", "!"};
constexpr std::array<std::string_view, 4> kFlow{"TF$", "XH$", "%", "..."};
constexpr std::array<std::string_view, 4> kSet{"#", "T->", "F->", "C->"};
constexpr std::array<std::string_view, 17> kFunction{"SIN",  "COS", "TAN", "ATG", "INT",  "ABS",
                                                     "SQRT", "LOG", "EXP", "STR", "(BC)", "|--",
                                                     "<->",  "S..", "}N",  "|+",  "|*"};
constexpr std::array<std::string_view, 1> kCall{"CALL"};
constexpr std::array<std::string_view, 1> kInput{"IN"};
constexpr std::array<std::string_view, 1> kOutput{"OUT"};
} // namespace

std::span<const std::string_view> TAddoperator::signs() const {
    return kAdd;
}
std::span<const std::string_view> TCompareoperator::signs() const {
    return kCompare;
}
std::span<const std::string_view> TBooleanoperator::signs() const {
    return kBoolean;
}
std::span<const std::string_view> Tflowoperator::signs() const {
    return kFlow;
}
std::span<const std::string_view> TSetoperator::signs() const {
    return kSet;
}
std::span<const std::string_view> TCalloperator::signs() const {
    return kCall;
}
std::span<const std::string_view> TFunctionoperator::signs() const {
    return kFunction;
}
std::span<const std::string_view> TInputoperator::signs() const {
    return kInput;
}
std::span<const std::string_view> TOutputoperator::signs() const {
    return kOutput;
}

std::string_view operatorSign(std::string_view code) {
    const OpInfo* info = findCode(code);
    return info ? info->sign : std::string_view();
}

} // namespace olvide
