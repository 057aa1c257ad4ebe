#include "olvide/model/steps/opcode.h"

#include "olvide/model/steps/step.h"

#include <array>
#include <utility>

namespace olvide {

namespace {

struct CodeEntry {
    std::string_view code;
    std::uint8_t kind;
    Op op;
};

constexpr std::array kCodes{
    CodeEntry{"x+A", 1, Op::XPlusA},
    CodeEntry{"x-A", 1, Op::XMinusA},
    CodeEntry{"x*A", 1, Op::XTimesA},
    CodeEntry{"x/A", 1, Op::XDivA},
    CodeEntry{"x|A", 1, Op::XQuotA},
    CodeEntry{"x%A", 1, Op::XModA},
    CodeEntry{"A+x", 1, Op::APlusX},
    CodeEntry{"A-x", 1, Op::AMinusX},
    CodeEntry{"A*x", 1, Op::ATimesX},
    CodeEntry{"A/x", 1, Op::ADivX},
    CodeEntry{"A|x", 1, Op::AQuotX},
    CodeEntry{"A%x", 1, Op::AModX},
    CodeEntry{"x>A", 1, Op::XGtA},
    CodeEntry{"x<A", 1, Op::XLtA},
    CodeEntry{"x>=A", 1, Op::XGeA},
    CodeEntry{"x<=A", 1, Op::XLeA},
    CodeEntry{"x=A", 1, Op::XEqA},
    CodeEntry{"x!=A", 1, Op::XNeA},
    CodeEntry{"S+A", 1, Op::SPlusA},
    CodeEntry{"A+S", 1, Op::APlusS},
    CodeEntry{"S>A", 1, Op::SGtA},
    CodeEntry{"S=A", 1, Op::SEqA},
    CodeEntry{"S<A", 1, Op::SLtA},
    CodeEntry{"S>=A", 1, Op::SGeA},
    CodeEntry{"S!=A", 1, Op::SNeA},
    CodeEntry{"S<=A", 1, Op::SLeA},
    CodeEntry{"S_<->A", 1, Op::SReplaceA},
    CodeEntry{"SS..A", 1, Op::SRepeatA},
    CodeEntry{"A->x", 2, Op::ASetX},
    CodeEntry{"T->x", 2, Op::TSetX},
    CodeEntry{"F->x", 2, Op::FSetX},
    CodeEntry{"A->S", 2, Op::ASetS},
    CodeEntry{"O+A", 2, Op::OAddA},
    CodeEntry{"intx", 3, Op::Int},
    CodeEntry{"absx", 3, Op::Abs},
    CodeEntry{"sqrtx", 3, Op::Sqrt},
    CodeEntry{"logx", 3, Op::Log},
    CodeEntry{"expx", 3, Op::Exp},
    CodeEntry{"sinx", 3, Op::Sin},
    CodeEntry{"cosx", 3, Op::Cos},
    CodeEntry{"tgx", 3, Op::Tg},
    CodeEntry{"arctgx", 3, Op::Arctg},
    CodeEntry{"Strx", 3, Op::Str},
    CodeEntry{"!X", 3, Op::Not},
    CodeEntry{"A(BC)D", 3, Op::Substring},
    CodeEntry{"----", 3, Op::Length},
    CodeEntry{"_----", 3, Op::ClipLength},
    CodeEntry{"S}8", 3, Op::ToNumber},
    CodeEntry{"S_}8", 3, Op::ClipToNumber},
    CodeEntry{"***", 3, Op::Clear},
    CodeEntry{"x+y", 4, Op::XPlusY},
    CodeEntry{"x-y", 4, Op::XMinusY},
    CodeEntry{"x*y", 4, Op::XTimesY},
    CodeEntry{"x/y", 4, Op::XDivY},
    CodeEntry{"x|y", 4, Op::XQuotY},
    CodeEntry{"x%y", 4, Op::XModY},
    CodeEntry{"y+x", 4, Op::YPlusX},
    CodeEntry{"y-x", 4, Op::YMinusX},
    CodeEntry{"y*x", 4, Op::YTimesX},
    CodeEntry{"y/x", 4, Op::YDivX},
    CodeEntry{"y|x", 4, Op::YQuotX},
    CodeEntry{"y%x", 4, Op::YModX},
    CodeEntry{"x>y", 4, Op::XGtY},
    CodeEntry{"x<y", 4, Op::XLtY},
    CodeEntry{"x>=y", 4, Op::XGeY},
    CodeEntry{"x<=y", 4, Op::XLeY},
    CodeEntry{"x=y", 4, Op::XEqY},
    CodeEntry{"x!=y", 4, Op::XNeY},
    CodeEntry{"x&&y", 4, Op::And},
    CodeEntry{"x||y", 4, Op::Or},
    CodeEntry{"S+x", 4, Op::SPlusX},
    CodeEntry{"S>x", 4, Op::SGtX},
    CodeEntry{"S=x", 4, Op::SEqX},
    CodeEntry{"S<x", 4, Op::SLtX},
    CodeEntry{"S>=x", 4, Op::SGeX},
    CodeEntry{"S!=x", 4, Op::SNeX},
    CodeEntry{"S<=x", 4, Op::SLeX},
    CodeEntry{"S_<->x", 4, Op::SReplaceX},
    CodeEntry{"SS..x", 4, Op::SRepeatX},
    CodeEntry{"O+S", 4, Op::OAddS},
    CodeEntry{"x->y", 5, Op::Copy},
    CodeEntry{"S->x", 5, Op::SCopy},
    CodeEntry{"S_->x", 5, Op::SClipCopy},
    CodeEntry{"O->x", 5, Op::OCopy},
    CodeEntry{"&x", 5, Op::RefX},
    CodeEntry{"x@", 5, Op::XAt},
    CodeEntry{"@x", 5, Op::AtX},
    CodeEntry{"DOC", 8, Op::DoCondition},
    CodeEntry{"DOI", 8, Op::DoIteration},
    CodeEntry{"EXF", 8, Op::Exit},
    CodeEntry{"...", 8, Op::Return},
};

const CodeEntry* find(std::string_view code) {
    for (const CodeEntry& entry : kCodes)
        if (entry.code == code) return &entry;
    return nullptr;
}

} // namespace

Op decodeOp(std::uint8_t stepKind, std::string_view code) {
    switch (stepKind) {
    case stepkind::Head:
        return Op::Head;
    case stepkind::Comment:
        return Op::Comment;
    case stepkind::Call:
        return Op::Call;
    default:
        break;
    }
    const CodeEntry* entry = find(code);
    return entry && entry->kind == stepKind ? entry->op : Op::Unknown;
}

std::uint8_t stepKindOf(std::string_view code) {
    const CodeEntry* entry = find(code);
    return entry ? entry->kind : 0;
}

std::uint8_t resultKindOf(Op op) {
    switch (op) {
    case Op::XPlusA:
    case Op::XMinusA:
    case Op::XTimesA:
    case Op::XDivA:
    case Op::XQuotA:
    case Op::XModA:
    case Op::APlusX:
    case Op::AMinusX:
    case Op::ATimesX:
    case Op::ADivX:
    case Op::AQuotX:
    case Op::AModX:
    case Op::Int:
    case Op::Abs:
    case Op::Sqrt:
    case Op::Log:
    case Op::Exp:
    case Op::Sin:
    case Op::Cos:
    case Op::Tg:
    case Op::Arctg:
    case Op::Length:
    case Op::ClipLength:
    case Op::ToNumber:
    case Op::ClipToNumber:
    case Op::XPlusY:
    case Op::XMinusY:
    case Op::XTimesY:
    case Op::XDivY:
    case Op::XQuotY:
    case Op::XModY:
    case Op::YPlusX:
    case Op::YMinusX:
    case Op::YTimesX:
    case Op::YDivX:
    case Op::YQuotX:
    case Op::YModX:
        return kind::Number;
    case Op::XGtA:
    case Op::XLtA:
    case Op::XGeA:
    case Op::XLeA:
    case Op::XEqA:
    case Op::XNeA:
    case Op::SGtA:
    case Op::SEqA:
    case Op::SLtA:
    case Op::SGeA:
    case Op::SNeA:
    case Op::SLeA:
    case Op::XGtY:
    case Op::XLtY:
    case Op::XGeY:
    case Op::XLeY:
    case Op::XEqY:
    case Op::XNeY:
    case Op::SGtX:
    case Op::SEqX:
    case Op::SLtX:
    case Op::SGeX:
    case Op::SNeX:
    case Op::SLeX:
    case Op::Not:
    case Op::And:
    case Op::Or:
        return kind::Boolean;
    case Op::Str:
    case Op::SPlusA:
    case Op::APlusS:
    case Op::SPlusX:
    case Op::Substring:
    case Op::SReplaceA:
    case Op::SReplaceX:
    case Op::SRepeatA:
    case Op::SRepeatX:
        return kind::String;
    default:
        return 0;
    }
}

} // namespace olvide
