#include "olvide/model/objects/varibler.h"

#include "olvide/model/elements/array.h"
#include "olvide/model/number_text.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/record_io.h"
#include "olvide/model/text.h"

namespace olvide {

TVaribler::TVaribler(ProgramServices* owner)
    : TVisualor(owner), BlinkTimer(platform(), 600, [this] { blinkTick(); }) {}

TVaribler::~TVaribler() = default;

const std::string& TVaribler::emptyText() {
    static const std::string empty;
    return empty;
}

std::string TVaribler::setvisualorname(std::int32_t id) const {
    return (IsTemp ? "TempVar" : "Var") + decimal(id);
}

std::string TVaribler::labelSuffix() const {
    return IndexMode == indexmode::Pattern ? "[P]" : std::string();
}

const std::string& TVaribler::GetValue() const {
    return emptyText();
}

void TVaribler::SetValue(std::string_view) {}

const std::string& TVaribler::GetCallerValue() const {
    return emptyText();
}

void TVaribler::SetCallerValue(std::string_view) {}

double TVaribler::GetNumber() const {
    return lenientNumber(GetValue());
}

void TVaribler::SetNumber(double value) {
    SetValue(numberText(value));
}

void TVaribler::MakeReady() {
    OperationState = opstate::Ready;
    EnableMenu();
    Highlighted = true;
    Redraw();
}

void TVaribler::MakeIdle() {
    DisableMenu();
    OperationState = opstate::Idle;
    Highlighted = false;
    Redraw();
}

void TVaribler::beginOperation(std::string_view code) {
    if (OperationState == opstate::Operating) return;
    OperationState = opstate::Operating;
    PendingCode = std::string(code);
    BlinkTimer.start();
    Blinking = true;
    StartCode(code);
}

void TVaribler::endOperation() {
    if (OperationState == opstate::Ready) return;
    OperationState = opstate::Ready;
    BlinkTimer.stop();
    Blinking = false;
    Redraw();
}

void TVaribler::blinkTick() {
    if (!Blinking) {
        selectdraw();
        Blinking = true;
    } else {
        unselectdraw();
        Blinking = false;
    }
}

void TVaribler::hideOnKeyV() {
    MakeIdle();
    ShowObject(false);
}

void TVaribler::KeyDown(int key, KeyModifiers modifiers) {
    TVisualor::KeyDown(key, modifiers);
    if (OperationState == opstate::Operating) return;
    if (key == 'V' && (IsDerived || IsTemp) && shown()) {
        hideOnKeyV();
        return;
    }
    // "X" on arrays and outputs takes an index; on every other kind it toggles the breakpoint.
    if (key == 'X' && VisualorStyle != kind::Array && VisualorStyle != kind::Output)
        IsBreakpoint = !IsBreakpoint;
}

void TVaribler::writedefinewindow(AttributeWindow& window) const {
    TVisualor::writedefinewindow(window);
    window.IsTemp = IsTemp;
    window.IsBreakpoint = IsBreakpoint;
    if (IsDerived) {
        window.aliasEnabled = false;
        window.commentEnabled = false;
        window.arrayEnabled = false;
    }
    const bool run = !editing();
    window.isTempEnabled = !run;
    window.parametersEnabled = !run;
}

void TVaribler::readdefinewindow(const AttributeWindow& window) {
    if (!IsDerived) TVisualor::readdefinewindow(window);
    IsTemp = window.IsTemp;
    IsBreakpoint = window.IsBreakpoint;
}

void TVaribler::save(RecordWriter& writer) const {
    TVisualor::save(writer);
    writer.writeBoolean(IsTemp);
    writer.writeBoolean(IsDerived);
    writer.writeInteger(IndexMode);
    writer.writeInteger(SerialOf(ArrayObject));
}

void TVaribler::load(RecordReader& reader) {
    TVisualor::load(reader);
    IsTemp = reader.readBoolean();
    IsDerived = reader.readBoolean();
    const std::int32_t mode = reader.readInteger();
    IndexMode = mode == indexmode::Element || mode == indexmode::Pattern
                    ? static_cast<std::uint8_t>(mode)
                    : indexmode::Plain;
    const std::int32_t arraySerial = reader.readInteger();
    VisualorName = setvisualorname(VisualorId);
    if (IsTemp || IsDerived) ShowObject(false);
    if (IndexMode == indexmode::Element && Owner)
        ArrayObject = dynamic_cast<TprogramArray*>(Owner->ObjectByIndex(arraySerial));
}

} // namespace olvide
