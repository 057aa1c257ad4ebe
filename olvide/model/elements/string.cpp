#include "olvide/model/elements/string.h"

#include "olvide/model/codepage.h"
#include "olvide/model/elements/derived_parts.h"
#include "olvide/model/elements/number.h"
#include "olvide/model/elements/operations.h"
#include "olvide/model/elements/output.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/record_io.h"
#include "olvide/model/text.h"

namespace olvide {

namespace {

void hide(std::initializer_list<TprogramVaribler*> parts) {
    for (TprogramVaribler* part : parts)
        if (part && part->shown()) {
            part->MakeIdle();
            part->ShowObject(false);
        }
}

void writeClip(AttributeWindow& window, const TprogramVaribler* locate,
               const TprogramVaribler* measure) {
    window.arrayEnabled = false;
    window.ClipLocateposition = partValue(locate);
    window.clipMeasurelength = partValue(measure);
}

void readClip(const AttributeWindow& window, TprogramVaribler* locate, TprogramVaribler* measure) {
    setPartValue(locate, window.ClipLocateposition);
    setPartValue(measure, window.clipMeasurelength);
}

} // namespace

std::string TprogramString::setvisualorname(std::int32_t id) const {
    return (IsTemp ? "tempStr" : "Str") + decimal(id);
}

std::string TprogramString::statusText() const {
    return oneLine(VisualorAlias) + cp(" (字符串)");
}

void TprogramString::created() {
    TValueVaribler::created();
    if (!Owner || Owner->reading()) return;
    LocatePart = makePart(*this);
    MeasurePart = makePart(*this);
    FixedLenPart = makePart(*this);
    SetAlias(VisualorAlias);
}

void TprogramString::StartCode(std::string_view code) {
    if (code == "/>") {
        hideParts();
        protocol::finish(*this, this);
        return;
    }
    protocol::startValueCode(*this, code);
}

bool TprogramString::AcceptsOperand(std::uint8_t xKind, std::string_view code) const {
    return protocol::accepts(VisualorStyle, IsDerived, xKind, code);
}

void TprogramString::FinishCode(std::string_view code) {
    protocol::finishValueCode(*this, code);
}

void TprogramString::SetAlias(std::string_view text) {
    TValueVaribler::SetAlias(text);
    namePart(LocatePart, VisualorAlias, "Locater");
    namePart(MeasurePart, VisualorAlias, "Measurer");
    namePart(FixedLenPart, VisualorAlias, "FixedLener");
}

TprogramVaribler* TprogramString::clipLocate() const {
    return LocatePart;
}
TprogramVaribler* TprogramString::clipMeasure() const {
    return MeasurePart;
}

void TprogramString::writedefinewindow(AttributeWindow& window) const {
    TValueVaribler::writedefinewindow(window);
    writeClip(window, LocatePart, MeasurePart);
    window.arrayEnabled = !IsDerived;
    window.Isfixed = Isfixed;
    window.fixedlength = partValue(FixedLenPart);
}

void TprogramString::readdefinewindow(const AttributeWindow& window) {
    TValueVaribler::readdefinewindow(window);
    readClip(window, LocatePart, MeasurePart);
    Isfixed = window.Isfixed;
    setPartValue(FixedLenPart, window.fixedlength);
}

void TprogramString::save(RecordWriter& writer) const {
    TValueVaribler::save(writer);
    writer.writeInteger(SerialOf(LocatePart));
    writer.writeInteger(SerialOf(MeasurePart));
    writer.writeInteger(SerialOf(FixedLenPart));
    writer.writeBoolean(Isfixed);
}

void TprogramString::load(RecordReader& reader) {
    TValueVaribler::load(reader);
    LocatePart = readPart(Owner, reader, this);
    MeasurePart = readPart(Owner, reader, this);
    FixedLenPart = readPart(Owner, reader, this);
    Isfixed = reader.readBoolean();
}

void TprogramString::forget(const TprogramVaribler* element) {
    if (LocatePart == element) LocatePart = nullptr;
    if (MeasurePart == element) MeasurePart = nullptr;
    if (FixedLenPart == element) FixedLenPart = nullptr;
}

void TprogramString::showPart(TprogramNumber* part) {
    if (part) part->ShowObject(true);
}

void TprogramString::hideParts() {
    hide({LocatePart, MeasurePart, FixedLenPart});
}

// Output-line strings.

std::string TOutputLineString::setvisualorname(std::int32_t id) const {
    return (IsTemp ? "tempStr" : "Str") + decimal(id);
}

std::string TOutputLineString::statusText() const {
    return oneLine(VisualorAlias) + cp(" (索引字符串)") + " at " + lineText();
}

void TOutputLineString::created() {
    TprogramVaribler::created();
    if (!Owner || Owner->reading()) return;
    LocatePart = makePart(*this);
    MeasurePart = makePart(*this);
}

const std::string& TOutputLineString::GetValue() const {
    static const std::string outOfRange(kOutOfRange);
    const int n = lineNumber();
    if (!LineOutput) return outOfRange;
    const auto& lines = LineOutput->lines();
    if (n < 1 || static_cast<std::size_t>(n) > lines.size()) return outOfRange;
    return lines[static_cast<std::size_t>(n - 1)];
}

void TOutputLineString::SetValue(std::string_view value) {
    const int n = lineNumber();
    if (!LineOutput) return;
    auto& lines = LineOutput->lines();
    if (n >= 1 && static_cast<std::size_t>(n) <= lines.size())
        lines[static_cast<std::size_t>(n - 1)].assign(value);
}

bool TOutputLineString::SetStoreValueText(std::string_view text) {
    SetValue(text);
    return true;
}

void TOutputLineString::StartCode(std::string_view code) {
    if (code == "/>") {
        hide({LocatePart, MeasurePart});
        protocol::finish(*this, this);
        return;
    }
    protocol::startValueCode(*this, code);
}

bool TOutputLineString::AcceptsOperand(std::uint8_t xKind, std::string_view code) const {
    return protocol::accepts(VisualorStyle, IsDerived, xKind, code);
}

void TOutputLineString::FinishCode(std::string_view code) {
    protocol::finishValueCode(*this, code);
}

TprogramVaribler* TOutputLineString::clipLocate() const {
    return LocatePart;
}
TprogramVaribler* TOutputLineString::clipMeasure() const {
    return MeasurePart;
}

void TOutputLineString::writedefinewindow(AttributeWindow& window) const {
    TprogramVaribler::writedefinewindow(window);
    window.isTempEnabled = false;
    window.parametersEnabled = false;
    window.value = GetValue();
    writeClip(window, LocatePart, MeasurePart);
}

void TOutputLineString::readdefinewindow(const AttributeWindow& window) {
    TprogramVaribler::readdefinewindow(window);
    SetValue(window.value);
    readClip(window, LocatePart, MeasurePart);
}

bool TOutputLineString::dependsOn(const TprogramVaribler* other) const {
    return other && other == LineOutput;
}

void TOutputLineString::forget(const TprogramVaribler* element) {
    if (LineOutput == element) LineOutput = nullptr;
    if (LocatePart == element) LocatePart = nullptr;
    if (MeasurePart == element) MeasurePart = nullptr;
}

void TOutputLineString::SetAlias(std::string_view text) {
    TprogramVaribler::SetAlias(text);
    namePart(LocatePart, VisualorAlias, "Locater");
    namePart(MeasurePart, VisualorAlias, "Measurer");
}

void TOutputLineString::saveParts(RecordWriter& writer) const {
    writer.writeInteger(SerialOf(LocatePart));
    writer.writeInteger(SerialOf(MeasurePart));
}

void TOutputLineString::loadParts(RecordReader& reader) {
    LocatePart = readPart(Owner, reader, this);
    MeasurePart = readPart(Owner, reader, this);
}

std::string TprogramOutputIndexAString::lineText() const {
    return decimal(LineNumber);
}

void TprogramOutputIndexAString::rebuildName() {
    if (LineOutput) renameTo(LineOutput->VisualorAlias + "[" + lineText() + "]");
}

void TprogramOutputIndexAString::save(RecordWriter& writer) const {
    TprogramVaribler::save(writer);
    writer.writeInteger(SerialOf(LineOutput));
    writer.writeInteger(LineNumber);
    saveParts(writer);
}

void TprogramOutputIndexAString::load(RecordReader& reader) {
    TprogramVaribler::load(reader);
    const std::int32_t output = reader.readInteger();
    LineOutput = Owner ? dynamic_cast<TprogramOutput*>(Owner->ObjectByIndex(output)) : nullptr;
    LineNumber = reader.readInteger();
    loadParts(reader);
}

int TProgramOutputIndexxString::lineNumber() const {
    if (!LineIndex) return 0;
    const std::string value =
        LineIndex->running() ? LineIndex->GetValue() : LineIndex->StoreValueText();
    return readWhole(value).value_or(0);
}

std::string TProgramOutputIndexxString::lineText() const {
    return LineIndex ? LineIndex->VisualorAlias : std::string();
}

void TProgramOutputIndexxString::rebuildName() {
    if (LineOutput && LineIndex) renameTo(LineOutput->VisualorAlias + "[" + lineText() + "]");
}

bool TProgramOutputIndexxString::dependsOn(const TprogramVaribler* other) const {
    return TOutputLineString::dependsOn(other) || (other && other == LineIndex);
}

void TProgramOutputIndexxString::forget(const TprogramVaribler* element) {
    TOutputLineString::forget(element);
    if (LineIndex == element) LineIndex = nullptr;
}

void TProgramOutputIndexxString::save(RecordWriter& writer) const {
    TprogramVaribler::save(writer);
    writer.writeInteger(SerialOf(LineOutput));
    writer.writeInteger(SerialOf(LineIndex));
    saveParts(writer);
}

void TProgramOutputIndexxString::load(RecordReader& reader) {
    TprogramVaribler::load(reader);
    const std::int32_t output = reader.readInteger();
    const std::int32_t index = reader.readInteger();
    LineOutput = Owner ? dynamic_cast<TprogramOutput*>(Owner->ObjectByIndex(output)) : nullptr;
    LineIndex = Owner ? Owner->ObjectByIndex(index) : nullptr;
    loadParts(reader);
}

} // namespace olvide
