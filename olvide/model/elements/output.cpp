#include "olvide/model/elements/output.h"

#include "olvide/model/codepage.h"
#include "olvide/model/elements/operations.h"
#include "olvide/model/elements/string.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/platform.h"
#include "olvide/model/record_io.h"
#include "olvide/model/text.h"

#include <limits>

namespace olvide {

std::string TprogramOutput::setvisualorname(std::int32_t id) const {
    return (IsTemp ? "tempOutput" : "Output") + decimal(id);
}

std::string TprogramOutput::statusText() const {
    return oneLine(VisualorAlias) + cp(" (输出)");
}

void TprogramOutput::StartCode(std::string_view code) {
    if (code == "O[A]") {
        const auto line =
            platform().askIndex(cp(" 常数索引"), 1, std::numeric_limits<std::int32_t>::max());
        if (!line || !Owner) {
            protocol::finish(*this, this);
            return;
        }
        protocol::finish(*this, Owner->OutputLineA(*this, *line));
        return;
    }
    protocol::startValueCode(*this, code);
}

bool TprogramOutput::AcceptsOperand(std::uint8_t xKind, std::string_view code) const {
    return protocol::accepts(VisualorStyle, IsDerived, xKind, code);
}

void TprogramOutput::FinishCode(std::string_view code) {
    protocol::finishValueCode(*this, code);
}

void TprogramOutput::SetAlias(std::string_view text) {
    TprogramVaribler::SetAlias(text);
    if (Owner) Owner->rebuildDerivedNames();
}

void TprogramOutput::writedefinewindow(AttributeWindow& window) const {
    TprogramVaribler::writedefinewindow(window);
    window.arrayEnabled = false;
    window.isTempEnabled = false;
    window.parametersEnabled = false;
    window.OutputContent = lines();
}

void TprogramOutput::readdefinewindow(const AttributeWindow& window) {
    TprogramVaribler::readdefinewindow(window);
    lines() = window.OutputContent;
}

void TprogramOutput::save(RecordWriter& writer) const {
    TprogramVaribler::save(writer);
    writer.writeStringList(OutputLines);
}

void TprogramOutput::load(RecordReader& reader) {
    TprogramVaribler::load(reader);
    OutputLines = reader.readStringList();
}

void TprogramOutput::prepareRunLines() const {
    if (!Owner) return;
    const ValueLevels& levels = Owner->valueLevels();
    if (levels.depth() == 0 || preparedForRun_ == levels.runSerial()) return;
    RunLines = OutputLines;
    preparedForRun_ = levels.runSerial();
}

void TprogramOutput::resetRunValue() {
    RunLines.clear();
    preparedForRun_ = 0;
}

std::vector<std::string>& TprogramOutput::lines() {
    if (!running()) return OutputLines;
    prepareRunLines();
    return RunLines;
}

const std::vector<std::string>& TprogramOutput::lines() const {
    if (!running()) return OutputLines;
    prepareRunLines();
    return RunLines;
}

} // namespace olvide
