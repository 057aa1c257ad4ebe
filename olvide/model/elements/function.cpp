#include "olvide/model/elements/function.h"

#include "olvide/model/codepage.h"
#include "olvide/model/commanders/commander.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/record_io.h"
#include "olvide/model/steps/step.h"
#include "olvide/model/text.h"

namespace olvide {

std::string TprogramFunction::setvisualorname(std::int32_t id) const {
    return (IsTemp ? "tempFunc" : "Func") + decimal(id);
}

std::string TprogramFunction::statusText() const {
    return oneLine(VisualorAlias) + cp(" (函数)");
}

ProgramServices* TprogramFunction::program() const {
    return Owner ? Owner->openProgram(VisualorAlias) : nullptr;
}

std::vector<std::string> TprogramFunction::commanderAliases() const {
    std::vector<std::string> aliases;
    if (const ProgramServices* function = program())
        for (int i = 0; i < function->mainCommanderTotal(); ++i)
            aliases.push_back(function->mainCommander(i)->VisualorAlias);
    return aliases;
}

TMaincommander* TprogramFunction::commanderNamed(std::string_view alias) const {
    const ProgramServices* function = program();
    if (!function) return nullptr;
    for (int i = 0; i < function->mainCommanderTotal(); ++i)
        if (equalsIgnoreCase(function->mainCommander(i)->VisualorAlias, alias))
            return function->mainCommander(i);
    return nullptr;
}

void TprogramFunction::callCommander(std::string_view alias) {
    if (!Owner || !Owner->activeCommander() || !commanderNamed(alias)) return;
    Owner->AddStep(stepkind::Call, std::string(alias), this, nullptr, nullptr, nullptr);
    Owner->markModified();
}

void TprogramFunction::writedefinewindow(AttributeWindow& window) const {
    TprogramVaribler::writedefinewindow(window);
    window.arrayEnabled = false;
    window.isTempEnabled = false;
    window.parametersEnabled = false;
    window.FunctionListBox.clear();
    window.selectEnabled = false;
    if (!Owner) return;
    for (std::string& name : Owner->openProgramNames()) {
        if (equalsIgnoreCase(name, VisualorAlias)) window.selectEnabled = true;
        window.FunctionListBox.push_back(std::move(name));
    }
    window.activecommander = commanderAliases();
}

void TprogramFunction::readdefinewindow(const AttributeWindow& window) {
    TprogramVaribler::readdefinewindow(window);
}

void TprogramFunction::SetAlias(std::string_view text) {
    TprogramVaribler::SetAlias(text);
}

void TprogramFunction::save(RecordWriter& writer) const {
    TprogramVaribler::save(writer);
    const ProgramServices* function = program();
    writer.writeString(function ? function->programFile() : std::string());
}

void TprogramFunction::load(RecordReader& reader) {
    TprogramVaribler::load(reader);
    const std::string path = reader.readString();
    if (!path.empty() && Owner && reader.ok()) Owner->openFunction(path);
}

} // namespace olvide
