#include "olvide/model/steps/operators.h"

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
constexpr std::array<std::string_view, 1> kCallSign{"CALL"};
constexpr std::array<std::string_view, 1> kInput{"IN"};
constexpr std::array<std::string_view, 1> kOutput{"OUT"};
} // namespace

std::span<const std::string_view> signsOf(SignClass signClass) {
    switch (signClass) {
    case SignClass::Add:
        return kAdd;
    case SignClass::Compare:
        return kCompare;
    case SignClass::Boolean:
        return kBoolean;
    case SignClass::Flow:
        return kFlow;
    case SignClass::Set:
        return kSet;
    case SignClass::Function:
        return kFunction;
    default:
        return {};
    }
}

std::span<const std::string_view> TAddoperator::signs() const {
    return signsOf(SignClass::Add);
}
std::span<const std::string_view> TCompareoperator::signs() const {
    return signsOf(SignClass::Compare);
}
std::span<const std::string_view> TBooleanoperator::signs() const {
    return signsOf(SignClass::Boolean);
}
std::span<const std::string_view> Tflowoperator::signs() const {
    return signsOf(SignClass::Flow);
}
std::span<const std::string_view> TSetoperator::signs() const {
    return signsOf(SignClass::Set);
}
std::span<const std::string_view> TCalloperator::signs() const {
    return kCallSign;
}
std::span<const std::string_view> TFunctionoperator::signs() const {
    return signsOf(SignClass::Function);
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
