#include "olvide/model/elements/number.h"

#include "olvide/model/codepage.h"
#include "olvide/model/commanders/commander.h"
#include "olvide/model/elements/derived_parts.h"
#include "olvide/model/elements/operations.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/record_io.h"
#include "olvide/model/text.h"

namespace olvide {

std::string TprogramNumber::setvisualorname(std::int32_t id) const {
    return (IsTemp ? "tempNum" : "Num") + decimal(id);
}

std::string TprogramNumber::statusText() const {
    return oneLine(VisualorAlias) + cp(" (数)");
}

void TprogramNumber::StartCode(std::string_view code) {
    protocol::startValueCode(*this, code);
}

bool TprogramNumber::AcceptsOperand(std::uint8_t xKind, std::string_view code) const {
    return protocol::accepts(VisualorStyle, IsDerived, xKind, code);
}

void TprogramNumber::FinishCode(std::string_view code) {
    protocol::finishValueCode(*this, code);
}

void TprogramNumber::SetAlias(std::string_view text) {
    const bool changed = text != VisualorAlias;
    TValueVaribler::SetAlias(text);
    // Indexes and output lines are named after the numbers they use; parts name nothing.
    if (changed && Owner && !IsDerived) Owner->rebuildDerivedNames();
}

// Iterations.

std::string TprogramIteration::setvisualorname(std::int32_t id) const {
    return "Iter" + decimal(id);
}

std::string TprogramIteration::statusText() const {
    return oneLine(VisualorAlias) + cp(" (循环)") + cp(" 从") + partValue(FromPart) + cp("到") +
           partValue(ToPart) + cp(" 步长") + partValue(StepPart);
}

void TprogramIteration::created() {
    TprogramNumber::created();
    if (!Owner || Owner->reading()) return;
    FromPart = makePart(*this);
    ToPart = makePart(*this);
    StepPart = makePart(*this);
    StepPart->setAllStores("1");
    SetAlias(VisualorAlias);
}

void TprogramIteration::StartCode(std::string_view code) {
    if (code == "DOI" || code == "EXF") {
        protocol::addFlowStep(*this, code);
    } else if (code == "/>") {
        hideParts();
        protocol::finish(*this, this);
    } else {
        TprogramNumber::StartCode(code);
    }
}

void TprogramIteration::SetAlias(std::string_view text) {
    TValueVaribler::SetAlias(text);
    namePart(FromPart, VisualorAlias, "Fromer");
    namePart(ToPart, VisualorAlias, "Toer");
    namePart(StepPart, VisualorAlias, "Steper");
    if (ForCommander) ForCommander->SetAlias(VisualorAlias + "\r\nForman");
    if (Owner && !IsDerived) Owner->rebuildDerivedNames();
}

void TprogramIteration::writedefinewindow(AttributeWindow& window) const {
    TprogramNumber::writedefinewindow(window);
    window.arrayEnabled = false;
    window.IterationFromValue = partValue(FromPart);
    window.IterationToValue = partValue(ToPart);
    window.IterationStepValue = partValue(StepPart);
}

void TprogramIteration::readdefinewindow(const AttributeWindow& window) {
    TprogramNumber::readdefinewindow(window);
    setPartValue(FromPart, window.IterationFromValue);
    setPartValue(ToPart, window.IterationToValue);
    setPartValue(StepPart, window.IterationStepValue);
}

void TprogramIteration::save(RecordWriter& writer) const {
    TprogramNumber::save(writer);
    writer.writeInteger(SerialOf(FromPart));
    writer.writeInteger(SerialOf(ToPart));
    writer.writeInteger(SerialOf(StepPart));
}

void TprogramIteration::load(RecordReader& reader) {
    TprogramNumber::load(reader);
    FromPart = readPart(Owner, reader, this);
    ToPart = readPart(Owner, reader, this);
    StepPart = readPart(Owner, reader, this);
}

void TprogramIteration::forget(const TprogramVaribler* element) {
    if (FromPart == element) FromPart = nullptr;
    if (ToPart == element) ToPart = nullptr;
    if (StepPart == element) StepPart = nullptr;
}

void TprogramIteration::showForman() {
    if (!Owner) return;
    if (!ForCommander) Owner->MakeForCommander(*this);
    if (ForCommander) ForCommander->ShowObject(true);
}

void TprogramIteration::showPart(TprogramNumber* part) {
    if (part) part->ShowObject(true);
}

void TprogramIteration::hideParts() {
    for (TprogramNumber* part : {FromPart, ToPart, StepPart})
        if (part && part->shown()) {
            part->MakeIdle();
            part->ShowObject(false);
        }
}

} // namespace olvide
