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
    switch (decodeOp(stepKindOf(code), code)) {
    case Op::XPlusA:
    case Op::APlusX:
    case Op::XPlusY:
    case Op::YPlusX:
        return "+";
    case Op::XMinusA:
    case Op::AMinusX:
    case Op::XMinusY:
    case Op::YMinusX:
        return "-";
    case Op::XTimesA:
    case Op::ATimesX:
    case Op::XTimesY:
    case Op::YTimesX:
        return "*";
    case Op::XDivA:
    case Op::ADivX:
    case Op::XDivY:
    case Op::YDivX:
        return "/";
    case Op::XQuotA:
    case Op::AQuotX:
    case Op::XQuotY:
    case Op::YQuotX:
        return "|";
    case Op::XModA:
    case Op::AModX:
    case Op::XModY:
    case Op::YModX:
        return "%";
    case Op::XGtA:
    case Op::XGtY:
    case Op::SGtA:
    case Op::SGtX:
        return ">";
    case Op::XLtA:
    case Op::XLtY:
    case Op::SLtA:
    case Op::SLtX:
        return "<";
    case Op::XGeA:
    case Op::XGeY:
    case Op::SGeA:
    case Op::SGeX:
        return ">=";
    case Op::XLeA:
    case Op::XLeY:
    case Op::SLeA:
    case Op::SLeX:
        return "<=";
    case Op::XEqA:
    case Op::XEqY:
    case Op::SEqA:
    case Op::SEqX:
        return "=";
    case Op::XNeA:
    case Op::XNeY:
    case Op::SNeA:
    case Op::SNeX:
        return "!=";
    case Op::And:
        return "&";
    case Op::Or:
        return "|";
    case Op::Not:
        return "!";
    case Op::DoCondition:
        return "TF$";
    case Op::DoIteration:
        return "XH$";
    case Op::Exit:
        return "%";
    case Op::Return:
        return "...";
    case Op::ASetX:
    case Op::ASetS:
    case Op::Copy:
    case Op::SCopy:
    case Op::OCopy:
    case Op::SClipCopy:
        return "#";
    case Op::TSetX:
        return "T->";
    case Op::FSetX:
        return "F->";
    case Op::Sin:
        return "SIN";
    case Op::Cos:
        return "COS";
    case Op::Tg:
        return "TAN";
    case Op::Arctg:
        return "ATG";
    case Op::Int:
        return "INT";
    case Op::Abs:
        return "ABS";
    case Op::Sqrt:
        return "SQRT";
    case Op::Log:
        return "LOG";
    case Op::Exp:
        return "EXP";
    case Op::Str:
        return "STR";
    case Op::Substring:
        return "(BC)";
    case Op::Length:
    case Op::ClipLength:
        return "|--";
    case Op::SReplaceA:
    case Op::SReplaceX:
        return "<->";
    case Op::SRepeatA:
    case Op::SRepeatX:
        return "S..";
    case Op::ToNumber:
    case Op::ClipToNumber:
        return "}N";
    case Op::OAddA:
    case Op::OAddS:
        return "|+";
    case Op::Clear:
        return "|*";
    default:
        return {};
    }
}

} // namespace olvide
