#include "olvide/model/space/workspace.h"

#include "olvide/model/codepage.h"
#include "olvide/model/files/file_store.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/text.h"

#include <algorithm>
#include <filesystem>

namespace olvide {

std::string programNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
    return std::string(name);
}

std::string notAProgramFileWarning(const std::string& path, bool folder) {
    return cp("函数打开错误,") + path + cp(folder ? "是文件夹,不是程序文件!" : "不是普通文件!");
}

Workspace::Workspace(Platform& platform) : platform_(platform) {}

Workspace::~Workspace() {
    pendingRelease.clear();
    programs_.clear();
}

Tprogramspace& Workspace::newProgram() {
    programs_.push_back(std::make_unique<Tprogramspace>(*this));
    return *programs_.back();
}

void Workspace::closeProgram(Tprogramspace& program) {
    releasePending();
    if (activeProgram == &program) activeProgram = nullptr;
    // Call bindings of other programs must not keep pointing into the closed one: one pass
    // over the call steps, whatever the number of its elements.
    const ProgramServices* closing = &program.services();
    forgetElementsWhere([closing](const TprogramVaribler* e) { return e->Owner == closing; });
    std::erase_if(programs_, [&program](const auto& p) { return p.get() == &program; });
}

Tprogramspace* Workspace::findProgram(std::string_view name) const {
    for (const auto& program : programs_)
        if (equalsIgnoreCase(program->programName(), name)) return program.get();
    return nullptr;
}

Tprogramspace* Workspace::programOf(const TVisualor& object) const {
    for (const auto& program : programs_)
        if (object.Owner == &program->services()) return program.get();
    return nullptr;
}

void Workspace::releasePending() {
    pendingRelease.clear();
}

Tprogramspace* Workspace::openFunction(const std::string& path, Tprogramspace& caller) {
    if (Tprogramspace* open = findProgram(programNameOf(path))) return open;
    std::string found = path;
    // A program moved to another folder together with its functions finds them beside itself.
    if (fileKindOf(found) == FileKind::Missing && !caller.fileName.empty()) {
        const std::filesystem::path beside = std::filesystem::path(caller.fileName).parent_path() /
                                             std::filesystem::path(path).filename();
        if (fileKindOf(beside) == FileKind::Regular) found = beside.string();
    }
    const FileKind kind = fileKindOf(found);
    if (kind != FileKind::Regular) {
        platform_.warning(kind == FileKind::Missing
                              ? cp("函数打开错误,文件没发现!")
                              : notAProgramFileWarning(found, kind == FileKind::Folder));
        caller.callLinksIntact = false;
        return nullptr;
    }
    return opener_ ? opener_(*this, found) : nullptr;
}

void Workspace::forgetElement(const TprogramVaribler* element) {
    forgetElementsWhere([element](const TprogramVaribler* e) { return e == element; });
}

void Workspace::forgetElementsWhere(const std::function<bool(const TprogramVaribler*)>& going) {
    auto drop = [&going](TprogramVaribler*& e) {
        if (e && going(e)) e = nullptr;
    };
    for (const auto& program : programs_)
        for (const auto& commander : program->objects.commanders)
            for (const auto& step : commander->Steps)
                for (TParameter& p : step->Parameters) {
                    drop(p.formalInput);
                    drop(p.formalOutput);
                    drop(p.actualInput);
                    drop(p.actualOutput);
                }
}

} // namespace olvide
