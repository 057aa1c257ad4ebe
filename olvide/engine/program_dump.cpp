#include "program_dump.h"

#include "olvide/model/space/programspace.h"

#include <algorithm>
#include <initializer_list>

namespace olvide {

namespace {

const char* kindWord(std::uint8_t k) {
    switch (k) {
    case kind::Array:
        return "array";
    case kind::Index:
        return "index";
    case kind::Number:
        return "number";
    case kind::Boolean:
        return "boolean";
    case kind::Function:
        return "function";
    case kind::Condition:
        return "condition";
    case kind::Iteration:
        return "iteration";
    case kind::String:
        return "string";
    case kind::Output:
        return "output";
    case kind::OutputLineA:
    case kind::OutputLineX:
        return "output-line";
    case kind::Main:
        return "main";
    case kind::True:
        return "true";
    case kind::False:
        return "false";
    case kind::For:
        return "for";
    default:
        return "object";
    }
}

std::string quoted(std::string_view text) {
    std::string s(1, '"');
    for (char c : text) {
        if (c == '\r')
            s += "\\r";
        else if (c == '\n')
            s += "\\n";
        else if (c == '"' || c == '\\')
            s.append(1, '\\').append(1, c);
        else
            s += c;
    }
    s.append(1, '"');
    return s;
}

std::string serial(const TVisualor* object) {
    return std::to_string(TVisualor::SerialOf(object));
}

// Appends the pieces in order (joining with + from a literal trips a false warning of GCC 12).
void put(std::string& out, std::initializer_list<std::string_view> pieces) {
    for (std::string_view piece : pieces)
        out.append(piece);
}

void dumpElement(const Tprogramspace& program, const TprogramVaribler& e, int position,
                 std::string& out) {
    put(out, {"  ", std::to_string(position), " ", kindWord(e.VisualorStyle), " ",
              oneLine(e.VisualorAlias)});
    if (e.IsTemp)
        put(out, {" temp(", std::to_string(e.TempFirstStep), "..", std::to_string(e.TempLastStep),
                  " of ", std::to_string(e.TempCommanderId), ")"});
    if (e.IsDerived) out.append(" derived");
    if (e.IndexMode == indexmode::Element) put(out, {" element-of ", serial(e.ArrayObject)});
    if (e.IndexMode == indexmode::Pattern)
        put(out, {" pattern-of ", serial(e.ArrayObject), " [", std::to_string(e.PatternLow), "..",
                  std::to_string(e.PatternHigh), "]"});
    if (const auto* value = dynamic_cast<const TValueVaribler*>(&e)) {
        // One start value (and parameter flags) per main commander of the program.
        const int mains = std::max(1, program.objects.mainCommanderTotal());
        out.append(" =");
        for (int i = 0; i < mains && i < kStoreCount; ++i) {
            const ValueStore& store = value->Stores[static_cast<std::size_t>(i)];
            put(out, {" ", quoted(store.StoreValue)});
            if (store.StoreInput) out.append(" in");
            if (store.StoreOutput) out.append(" out");
        }
    }
    if (const auto* array = dynamic_cast<const TprogramArray*>(&e))
        put(out, {" [", std::to_string(array->ArrayLow), "..", std::to_string(array->ArrayHigh),
                  "] pattern ", serial(array->Pattern)});
    if (const auto* condition = dynamic_cast<const Tprogramcondition*>(&e);
        condition && condition->IsIterator)
        out.append(" loop");
    out.append("\n");
    if (const auto* output = dynamic_cast<const TprogramOutput*>(&e))
        for (const std::string& line : output->OutputLines)
            put(out, {"    | ", line, "\n"});
}

} // namespace

std::string dumpProgram(const Tprogramspace& program) {
    std::string out = "elements:\n";
    int position = 0;
    for (const auto& element : program.objects.elements)
        dumpElement(program, *element, ++position, out);
    out += "constants:\n";
    position = 0;
    for (const auto& constant : program.objects.constants)
        put(out, {"  ", std::to_string(++position), " ", quoted(constant->ConstantValue), "\n"});
    out += "commanders:\n";
    for (const auto& commander : program.objects.commanders) {
        put(out,
            {kindWord(commander->VisualorStyle), " ", oneLine(commander->VisualorAlias), "\n"});
        for (int n = 1; n <= commander->stepCount(); ++n)
            put(out, {"  ", std::to_string(n), " ", commander->step(n)->DisplayText(), "\n"});
    }
    return out;
}

} // namespace olvide
