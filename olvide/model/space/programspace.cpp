#include "olvide/model/space/programspace.h"

#include "olvide/model/codepage.h"
#include "olvide/model/space/workspace.h"
#include "olvide/model/steps/opcode.h"
#include "olvide/model/text.h"

#include <algorithm>

namespace olvide {

Tprogramspace::Tprogramspace(Workspace& workspace)
    : objects(*this), caption(cp("Olvan编程语言")), workspace_(workspace) {}

Tprogramspace::~Tprogramspace() {
    // The objects go while the space is whole: steps give their constants back through it.
    edit = EditState{};
    objects.clear();
}

Platform& Tprogramspace::platform() const {
    return workspace_.platform();
}

bool Tprogramspace::programRunning() const {
    return workspace_.Running;
}

std::string Tprogramspace::programName() const {
    return fileName.empty() ? caption : programNameOf(fileName);
}

bool Tprogramspace::callsClosing(std::string_view name) {
    bool calls = false;
    for (const auto& e : objects.elements)
        if (e->VisualorStyle == kind::Function && equalsIgnoreCase(e->VisualorAlias, name))
            calls = true;
    if (calls) callLinksIntact = false;
    return calls;
}

// Look-ups for the objects.

TprogramVaribler* Tprogramspace::ObjectByIndex(std::int32_t n) const {
    return objects.ObjectByIndex(n);
}

Tprogramconstant* Tprogramspace::ConstantByIndex(std::int32_t n) const {
    return objects.ConstantByIndex(n);
}

TCommander* Tprogramspace::CommanderByIndex(std::int32_t n) const {
    return objects.CommanderByIndex(n);
}

int Tprogramspace::storeIndexOf(const TMaincommander* main) const {
    return objects.storeIndexOf(main);
}

TMaincommander* Tprogramspace::editedMain() const {
    TCommander* active = edit.activeCommander;
    if (!active) return nullptr;
    if (active->VisualorStyle == kind::Main) return static_cast<TMaincommander*>(active);
    return active->RootMain ? active->RootMain : objects.mainCommander(0);
}

// Placing.

TMaincommander* Tprogramspace::placeMainCommander(int x, int y) {
    if (objects.mainCommanderTotal() >= kStoreCount) {
        platform().warning(cp("只允许放置8个流程Olvan!"));
        return nullptr;
    }
    auto main = makeObject<TMaincommander>(this, x, y, nextSerial(objects.mainCommanderCount));
    TMaincommander* placed = main.get();
    objects.adoptCommander(std::move(main));
    placed->ShowObject(true);
    modified = true;
    return placed;
}

TprogramVaribler* Tprogramspace::placeElement(std::uint8_t elementKind, int x, int y) {
    // The kinds of the control panel's add buttons; the others are made by other elements.
    switch (elementKind) {
    case kind::Number:
    case kind::Boolean:
    case kind::Condition:
    case kind::Iteration:
    case kind::Function:
    case kind::String:
    case kind::Output:
        break;
    default:
        return nullptr;
    }
    const std::int32_t id = nextSerial(objects.elementCount);
    TprogramVaribler* placed = addElement(objects.makeElement(elementKind, x, y, id));
    placed->ShowObject(true);
    return placed;
}

Tyin* Tprogramspace::placeYin(int x, int y) {
    Tyin& placed = adoptYin(makeObject<Tyin>(this, x, y, 0));
    placed.ShowObject(true);
    modified = true;
    return &placed;
}

Tyin& Tprogramspace::adoptYin(std::unique_ptr<Tyin> yin) {
    yin->onSelect = [this](Tyin& selectedOne) { selectYin(&selectedOne); };
    objects.yins.push_back(std::move(yin));
    return *objects.yins.back();
}

// Editing.

void Tprogramspace::elementClicked(TprogramVaribler& element) {
    if (edit.operationWaits()) {
        TVaribler* pending = edit.operated;
        const std::string code = pending->PendingCode;
        if (auto* x = dynamic_cast<TprogramVaribler*>(pending)) {
            if (element.AcceptsOperand(x->operandKind(), code)) element.FinishCode(code);
            return;
        }
        // A picture of a side window waits for the object that replaces or binds what it
        // stands for; the object must be one its kind accepts.
        const OpInfo* row = findCode(code);
        const bool picking =
            row && (row->op == Op::RefX || row->op == Op::XAt || row->op == Op::AtX);
        if (!picking || !pending->OnPick || !element.AcceptsOperand(pending->VisualorStyle, code))
            return;
        const auto pick = pending->OnPick;
        FinishPending();
        pick(element);
        return;
    }
    element.setstatushint();
    edit.selectInstead(element);
}

void Tprogramspace::FinishPending() {
    edit.endOperation();
    edit.deselect();
    modified = true;
}

void Tprogramspace::SelectObject(TVaribler& object) {
    if (objects.mainCommanderTotal() > 0) edit.selectInstead(object);
}

void Tprogramspace::cancelOperation() {
    TVaribler* x = edit.operated;
    if (!edit.operationWaits()) return;
    FinishPending();
    if (x->IsTemp) x->ShowObject(true);
    edit.Select(x);
}

void Tprogramspace::activateCommander(TCommander* commander) {
    if (!commander) return;
    workspace_.releasePending();
    if (commander != edit.activeCommander) {
        TCommander* old = edit.activeCommander;
        TMaincommander* oldRoot = old ? old->RootMain : nullptr;
        if (old) {
            old->Highlighted = false;
            old->Redraw();
            if (old->VisualorStyle != kind::Main) old->ShowObject(false);
        }
        edit.activeCommander = commander;
        if (commander->VisualorStyle == kind::Main)
            commander->RootMain = static_cast<TMaincommander*>(commander);
        else
            commander->RootMain = oldRoot ? oldRoot : commander->RootMain;
        if (oldRoot && oldRoot != commander->RootMain) {
            oldRoot->Framed = false;
            oldRoot->Redraw();
        }
        if (commander->RootMain) commander->RootMain->Framed = true;
        platform().commanderActivated(*commander);
    }
    commander->Highlighted = true;
    commander->Redraw();
    if (edit.selected) {
        edit.endOperation();
        edit.deselect();
    }
    edit.deselectYin();
}

void Tprogramspace::selectYin(Tyin* yin) {
    edit.deselectYin();
    if (TCommander* active = edit.activeCommander) {
        active->Highlighted = false;
        active->Redraw();
        edit.activeCommander = nullptr;
    }
    edit.endOperation();
    edit.deselect();
    edit.selectedYin = yin;
    if (yin) {
        yin->Highlighted = true;
        yin->Redraw();
    }
}

// Run bookkeeping.

void Tprogramspace::enterRun(TMaincommander& main) {
    if (!inRun) {
        inRun = true;
        runDepth = 1;
    } else {
        ++runDepth;
    }
    if (runDepth >= 2 && main.InternalCall) return;
    // A new level costs nothing per object: each reads the store of this commander until it
    // writes a value of its own.
    valueLevels().push(objects.storeIndexOf(&main.storeCommander()));
}

void Tprogramspace::leaveRun(TMaincommander& main) {
    if (!(runDepth >= 2 && main.InternalCall)) valueLevels().pop();
    if (runDepth > 0) --runDepth;
    inRun = runDepth > 0;
}

void Tprogramspace::resetRun() {
    if (!inRun) return;
    inRun = false;
    runDepth = 0;
    valueLevels().clear();
    for (const auto& e : objects.elements)
        e->resetRunValue();
    for (const auto& c : objects.commanders)
        c->resetRunState();
}

// The other programs of the session.

ProgramServices* Tprogramspace::openProgram(std::string_view name) const {
    return workspace_.findProgram(name);
}

std::vector<std::string> Tprogramspace::openProgramNames() const {
    std::vector<std::string> names;
    for (const auto& open : workspace_.programs())
        names.push_back(open->programName());
    return names;
}

ProgramServices* Tprogramspace::openFunction(const std::string& path) {
    return workspace_.openFunction(path, *this);
}

void Tprogramspace::renameCalls(std::string_view oldAlias, std::string_view newAlias) {
    const std::string name = programName();
    for (const auto& program : workspace_.programs())
        for (const auto& commander : program->objects.commanders)
            for (const auto& s : commander->Steps)
                if (s->StepKind == stepkind::Call && s->ObjectX &&
                    equalsIgnoreCase(s->ObjectX->VisualorAlias, name) &&
                    equalsIgnoreCase(s->Code, oldAlias))
                    s->setCode(std::string(newAlias));
}

} // namespace olvide
