#include "olvide/model/elements/boolean.h"

#include "olvide/model/codepage.h"
#include "olvide/model/commanders/commander.h"
#include "olvide/model/elements/operations.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/record_io.h"
#include "olvide/model/text.h"

namespace olvide {

std::string TprogramBoolean::setvisualorname(std::int32_t id) const {
    return (IsTemp ? "tempBool" : "Bool") + decimal(id);
}

std::string TprogramBoolean::statusText() const {
    return oneLine(VisualorAlias) + cp(" (真假)");
}

void TprogramBoolean::StartCode(std::string_view code) {
    protocol::startValueCode(*this, code);
}

bool TprogramBoolean::AcceptsOperand(std::uint8_t xKind, std::string_view code) const {
    return protocol::accepts(VisualorStyle, IsDerived, xKind, code);
}

void TprogramBoolean::FinishCode(std::string_view code) {
    protocol::finishValueCode(*this, code);
}

void TprogramBoolean::writedefinewindow(AttributeWindow& window) const {
    TValueVaribler::writedefinewindow(window);
}

void TprogramBoolean::readdefinewindow(const AttributeWindow& window) {
    // The choice box knows only true and false.
    AttributeWindow checked = window;
    checked.value = window.value == "TRUE" ? "TRUE" : "FALSE";
    TValueVaribler::readdefinewindow(checked);
}

// Conditions.

std::string Tprogramcondition::setvisualorname(std::int32_t id) const {
    return "Cond" + decimal(id);
}

std::string Tprogramcondition::statusText() const {
    return oneLine(VisualorAlias) + cp(" (条件)");
}

void Tprogramcondition::created() {
    TprogramBoolean::created();
}

void Tprogramcondition::StartCode(std::string_view code) {
    if (code == "DOC" || code == "EXF")
        protocol::addFlowStep(*this, code);
    else
        TprogramBoolean::StartCode(code);
}

void Tprogramcondition::SetAlias(std::string_view text) {
    TprogramBoolean::SetAlias(text);
    if (TrueCommander) TrueCommander->SetAlias(VisualorAlias + "\r\nTrueman");
    if (FalseCommander) FalseCommander->SetAlias(VisualorAlias + "\r\nFalseman");
}

void Tprogramcondition::writedefinewindow(AttributeWindow& window) const {
    TprogramBoolean::writedefinewindow(window);
    window.arrayEnabled = false;
    window.isTempEnabled = false;
    window.IsIterator = IsIterator;
}

void Tprogramcondition::readdefinewindow(const AttributeWindow& window) {
    TprogramBoolean::readdefinewindow(window);
    IsIterator = window.IsIterator;
    Redraw();
}

void Tprogramcondition::Redraw() {
    VisualorImage.overlay = IsIterator ? "iforico.bmp" : "";
    TprogramBoolean::Redraw();
}

void Tprogramcondition::save(RecordWriter& writer) const {
    TprogramBoolean::save(writer);
    writer.writeBoolean(IsIterator);
}

void Tprogramcondition::load(RecordReader& reader) {
    TprogramBoolean::load(reader);
    IsIterator = reader.readBoolean();
    VisualorImage.overlay = IsIterator ? "iforico.bmp" : "";
}

void Tprogramcondition::showTrueman() {
    if (!Owner) return;
    if (!TrueCommander) Owner->MakeTrueCommander(*this);
    if (TrueCommander) TrueCommander->ShowObject(true);
}

void Tprogramcondition::showFalseman() {
    if (!Owner) return;
    if (!FalseCommander) Owner->MakeFalseCommander(*this);
    if (FalseCommander) FalseCommander->ShowObject(true);
}

} // namespace olvide
