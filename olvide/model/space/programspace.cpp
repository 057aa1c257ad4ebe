#include "olvide/model/space/programspace.h"

#include "olvide/model/codepage.h"
#include "olvide/model/space/workspace.h"
#include "olvide/model/text.h"

#include <algorithm>

namespace olvide {

Tprogramspace::Tprogramspace(Workspace& workspace)
    : caption(cp("Olvan编程语言")), workspace_(workspace) {}

Tprogramspace::~Tprogramspace() {
    // Steps give their constants back, so commanders go before the constant list.
    selected = nullptr;
    operated = nullptr;
    activeCommander = nullptr;
    commanders.clear();
    elements.clear();
    constants.clear();
    yins.clear();
    paintElements.clear();
}

Platform& Tprogramspace::platform() const {
    return workspace_.platform();
}

// Lookups.

TprogramVaribler* Tprogramspace::ObjectByIndex(std::int32_t n) const {
    if (n < 1 || n > static_cast<std::int32_t>(elements.size())) return nullptr;
    return elements[static_cast<std::size_t>(n - 1)].get();
}

Tprogramconstant* Tprogramspace::ConstantByIndex(std::int32_t n) const {
    if (n < 1 || n > static_cast<std::int32_t>(constants.size())) return nullptr;
    return constants[static_cast<std::size_t>(n - 1)].get();
}

TCommander* Tprogramspace::CommanderByIndex(std::int32_t n) const {
    if (n < 1 || n > static_cast<std::int32_t>(commanders.size())) return nullptr;
    return commanders[static_cast<std::size_t>(n - 1)].get();
}

namespace {
template <class List> int positionIn(const List& list, const TVisualor* object) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == object) return static_cast<int>(i);
    return -1;
}
} // namespace

int Tprogramspace::IndexOf(const TVisualor* object) const {
    if (!object) return -1;
    if (kind::isCommander(object->VisualorStyle)) return positionIn(commanders, object);
    if (object->VisualorStyle == kind::Yin) return positionIn(yins, object);
    if (object->VisualorStyle == kind::Constant) return positionIn(constants, object);
    return positionIn(elements, object);
}

int Tprogramspace::mainCommanderTotal() const {
    int count = 0;
    for (const auto& c : commanders)
        if (c->VisualorStyle == kind::Main) ++count;
    return count;
}

TMaincommander* Tprogramspace::mainCommander(int i) const {
    for (const auto& c : commanders)
        if (c->VisualorStyle == kind::Main && i-- == 0)
            return static_cast<TMaincommander*>(c.get());
    return nullptr;
}

int Tprogramspace::storeIndexOf(const TMaincommander* main) const {
    int index = 0;
    for (const auto& c : commanders) {
        if (c->VisualorStyle != kind::Main) continue;
        if (c.get() == main) return index;
        ++index;
    }
    return -1;
}

TMaincommander* Tprogramspace::editedMain() const {
    if (!activeCommander) return nullptr;
    if (activeCommander->VisualorStyle == kind::Main)
        return static_cast<TMaincommander*>(activeCommander);
    return activeCommander->RootMain ? activeCommander->RootMain : mainCommander(0);
}

int Tprogramspace::editedStoreIndex() const {
    const TMaincommander* main = editedMain();
    return main ? storeIndexOf(&main->storeCommander()) : -1;
}

TprogramVaribler* Tprogramspace::findElement(std::string_view alias) const {
    for (const auto& e : elements)
        if (equalsIgnoreCase(e->VisualorAlias, alias)) return e.get();
    return nullptr;
}

TCommander* Tprogramspace::findCommander(std::string_view alias) const {
    for (const auto& c : commanders)
        if (equalsIgnoreCase(c->VisualorAlias, alias)) return c.get();
    return nullptr;
}

std::string Tprogramspace::programName() const {
    return fileName.empty() ? caption : programNameOf(fileName);
}

// Reading.

std::unique_ptr<TprogramVaribler>
Tprogramspace::createElementForReading(std::uint8_t kindCode, TprogramVaribler* pattern) {
    reading = true;
    std::unique_ptr<TprogramVaribler> made;
    switch (kindCode) {
    case kind::Number:
        made = makeObject<TprogramNumber>(this, 24, 24, 0);
        break;
    case kind::Boolean:
        made = makeObject<TprogramBoolean>(this, 24, 24, 0);
        break;
    case kind::String:
        made = makeObject<TprogramString>(this, 24, 24, 0);
        break;
    case kind::OutputLineA:
        made = makeObject<TprogramOutputIndexAString>(this, 24, 24, 0);
        break;
    case kind::OutputLineX:
        made = makeObject<TProgramOutputIndexxString>(this, 24, 24, 0);
        break;
    case kind::Condition:
        made = makeObject<Tprogramcondition>(this, 24, 24, 0);
        break;
    case kind::Iteration:
        made = makeObject<TprogramIteration>(this, 24, 24, 0);
        break;
    case kind::Index:
        made = makeObject<TprogramIndex>(this, 24, 24, 0);
        break;
    case kind::Function:
        made = makeObject<TprogramFunction>(this, 24, 24, 0);
        break;
    case kind::Output:
        made = makeObject<TprogramOutput>(this, 24, 24, 0);
        break;
    case kind::Array: {
        auto array = makeObject<TprogramArray>(this, 24, 24, 0);
        array->Pattern = pattern;
        made = std::move(array);
        break;
    }
    default:
        break;
    }
    reading = false;
    return made;
}

std::unique_ptr<TCommander> Tprogramspace::createCommanderForReading(std::uint8_t kindCode) {
    switch (kindCode) {
    case kind::Main:
        return makeObject<TMaincommander>(this, 24, 24, 0);
    case kind::True:
        return makeObject<TTruecommander>(this, 24, 24, 0);
    case kind::False:
        return makeObject<TFalsecommander>(this, 24, 24, 0);
    case kind::For:
        return makeObject<TForcommander>(this, 24, 24, 0);
    default:
        return nullptr;
    }
}

std::unique_ptr<Tprogramconstant> Tprogramspace::createConstantForReading() {
    auto constant = std::make_unique<Tprogramconstant>(this);
    constant->ConstantValue = "0";
    constant->Create(24, 24, 0);
    return constant;
}

std::unique_ptr<Tyin> Tprogramspace::createYinForReading() {
    return makeObject<Tyin>(this, 24, 24, 0);
}

TprogramVaribler& Tprogramspace::adoptElement(std::unique_ptr<TprogramVaribler> element) {
    TprogramVaribler& adopted = *element;
    elements.push_back(std::move(element));
    const std::uint8_t k = adopted.VisualorStyle;
    const bool canBeElement =
        (k >= kind::Array && k <= kind::Boolean) || (k >= kind::Condition && k <= kind::String);
    if (canBeElement && adopted.IndexMode == indexmode::Element && adopted.ArrayObject)
        adopted.ArrayObject->Elements.push_back(&adopted);
    return adopted;
}

TCommander& Tprogramspace::adoptCommander(std::unique_ptr<TCommander> commander) {
    TCommander& adopted = *commander;
    insertCommander(std::move(commander));
    return adopted;
}

void Tprogramspace::insertCommander(std::unique_ptr<TCommander> commander) {
    if (commander->VisualorStyle == kind::Main) {
        auto firstFlow = std::find_if(commanders.begin(), commanders.end(),
                                      [](const auto& c) { return c->VisualorStyle != kind::Main; });
        commanders.insert(firstFlow, std::move(commander));
    } else {
        commanders.push_back(std::move(commander));
    }
}

// Placing.

TMaincommander* Tprogramspace::placeMainCommander(int x, int y) {
    if (mainCommanderTotal() >= kStoreCount) {
        platform().warning(cp("只允许放置8个流程Olvan!"));
        return nullptr;
    }
    auto main = makeObject<TMaincommander>(this, x, y, ++mainCommanderCount);
    TMaincommander* placed = main.get();
    insertCommander(std::move(main));
    placed->ShowObject(true);
    modified = true;
    return placed;
}

template <class T> T* Tprogramspace::addElement(std::unique_ptr<T> element) {
    T* added = element.get();
    elements.push_back(std::move(element));
    modified = true;
    return added;
}

TprogramVaribler* Tprogramspace::placeElement(std::uint8_t elementKind, int x, int y) {
    const std::int32_t id = elementCount + 1;
    TprogramVaribler* placed = nullptr;
    switch (elementKind) {
    case kind::Number:
        placed = addElement(makeObject<TprogramNumber>(this, x, y, id));
        break;
    case kind::Boolean:
        placed = addElement(makeObject<TprogramBoolean>(this, x, y, id));
        break;
    case kind::Condition:
        placed = addElement(makeObject<Tprogramcondition>(this, x, y, id));
        break;
    case kind::Iteration:
        placed = addElement(makeObject<TprogramIteration>(this, x, y, id));
        break;
    case kind::Function:
        placed = addElement(makeObject<TprogramFunction>(this, x, y, id));
        break;
    case kind::String:
        placed = addElement(makeObject<TprogramString>(this, x, y, id));
        break;
    case kind::Output:
        placed = addElement(makeObject<TprogramOutput>(this, x, y, id));
        break;
    default:
        return nullptr;
    }
    elementCount = std::max(elementCount, id);
    placed->ShowObject(true);
    return placed;
}

Tyin* Tprogramspace::placeYin(int x, int y) {
    auto yin = makeObject<Tyin>(this, x, y, 0);
    yin->onSelect = [this](Tyin& selectedOne) { selectYin(&selectedOne); };
    Tyin* placed = yin.get();
    yins.push_back(std::move(yin));
    placed->ShowObject(true);
    modified = true;
    return placed;
}

// Element services.

Tprogramconstant* Tprogramspace::MakeConstant(std::string text) {
    auto constant = std::make_unique<Tprogramconstant>(this);
    constant->ConstantValue = std::move(text);
    // Placed where the file reader places it, so that a saved position reads back the same.
    constant->Create(24, 24, ++constantCount);
    constants.push_back(std::move(constant));
    return constants.back().get();
}

template <class T> T* Tprogramspace::makeTemp(TVisualor& x) {
    // The derived parts a temporary makes take serial 0 and do not move the counter.
    const std::int32_t id = ++elementCount;
    const int cx = x.VisualorImage.left + x.VisualorImage.width;
    const int cy = x.VisualorImage.top + 2 * x.VisualorImage.height;
    T* temp = addElement(makeObject<T>(this, cx, cy, id, true));
    temp->ShowObject(true);
    return temp;
}

template <class T> T* Tprogramspace::makeDerived(TVisualor& x) {
    auto derived = makeObject<T>(this, x.centreX(), x.centreY(), 0);
    derived->IsDerived = true;
    return addElement(std::move(derived));
}

TprogramNumber* Tprogramspace::MakeTempNumber(TVisualor& x) {
    return makeTemp<TprogramNumber>(x);
}
TprogramBoolean* Tprogramspace::MakeTempBoolean(TVisualor& x) {
    return makeTemp<TprogramBoolean>(x);
}
TprogramString* Tprogramspace::MakeTempString(TVisualor& x) {
    return makeTemp<TprogramString>(x);
}
TprogramNumber* Tprogramspace::MakeDerivedNumber(TVisualor& x) {
    return makeDerived<TprogramNumber>(x);
}
TprogramBoolean* Tprogramspace::MakeDerivedBoolean(TVisualor& x) {
    return makeDerived<TprogramBoolean>(x);
}
Tprogramcondition* Tprogramspace::MakeDerivedCondition(TVisualor& x) {
    return makeDerived<Tprogramcondition>(x);
}
TprogramIteration* Tprogramspace::MakeDerivedIteration(TVisualor& x) {
    return makeDerived<TprogramIteration>(x);
}
TprogramString* Tprogramspace::MakeDerivedString(TVisualor& x) {
    return makeDerived<TprogramString>(x);
}
TprogramOutput* Tprogramspace::MakeDerivedOutput(TVisualor& x) {
    return makeDerived<TprogramOutput>(x);
}

TprogramIndex* Tprogramspace::IndexElement(TprogramArray& array, TprogramVaribler& x) {
    const std::string name = array.VisualorAlias + "[" + x.VisualorAlias + "]";
    if (auto* found = dynamic_cast<TprogramIndex*>(findElement(name))) {
        found->ShowObject(true);
        return found;
    }
    const int cx = array.VisualorImage.left + array.VisualorImage.width * 3 / 2;
    auto index = makeObject<TprogramIndex>(this, cx, array.centreY(), 0);
    index->IsDerived = true;
    index->IndexArray = &array;
    index->IndexVariable = &x;
    index->VisualorAlias = name;
    TprogramIndex* made = addElement(std::move(index));
    made->ShowObject(true);
    return made;
}

namespace {
template <class Line> Line* showLine(Line* line) {
    line->ShowObject(true);
    return line;
}
} // namespace

TprogramOutputIndexAString* Tprogramspace::OutputLineA(TprogramOutput& output, int n) {
    const std::string name = output.VisualorAlias + "[" + decimal(n) + "]";
    if (auto* found = dynamic_cast<TprogramOutputIndexAString*>(findElement(name)))
        return showLine(found);
    const int cx = output.VisualorImage.left + output.VisualorImage.width * 3 / 2;
    auto line = makeObject<TprogramOutputIndexAString>(this, cx, output.centreY(), ++elementCount);
    line->LineOutput = &output;
    line->LineNumber = n;
    TprogramOutputIndexAString* made = addElement(std::move(line));
    made->rebuildName();
    return showLine(made);
}

TProgramOutputIndexxString* Tprogramspace::OutputLineX(TprogramOutput& output,
                                                       TprogramVaribler& x) {
    const std::string name = output.VisualorAlias + "[" + x.VisualorAlias + "]";
    if (auto* found = dynamic_cast<TProgramOutputIndexxString*>(findElement(name)))
        return showLine(found);
    const int cx = output.VisualorImage.left + output.VisualorImage.width * 3 / 2;
    auto line = makeObject<TProgramOutputIndexxString>(this, cx, output.centreY(), ++elementCount);
    line->LineOutput = &output;
    line->LineIndex = &x;
    TProgramOutputIndexxString* made = addElement(std::move(line));
    made->rebuildName();
    return showLine(made);
}

Tstep* Tprogramspace::AddStep(std::uint8_t kind, std::string code, TprogramVaribler* x,
                              TprogramVaribler* y, TprogramVaribler* z,
                              Tprogramconstant* constant) {
    if (!activeCommander) return nullptr;
    modified = true;
    Tstep* step = activeCommander->InsertStep(kind, std::move(code), x, y, z, constant);
    for (const auto& e : elements)
        if (e->IsTemp || e->VisualorStyle == kind::Index) e->Refresh();
    return step;
}

namespace {
// A deselected object goes idle; a temporary is hidden again and kept alive up to the cursor.
void goIdle(Tprogramspace& space, TVaribler& object) {
    object.MakeIdle();
    auto* element = dynamic_cast<TprogramVaribler*>(&object);
    if (!element || !element->IsTemp) return;
    element->ShowObject(false);
    if (space.activeCommander && element->TempCommanderId == space.activeCommander->VisualorId)
        element->TempLastStep = std::max(element->TempLastStep, space.activeCommander->Position());
}
} // namespace

void Tprogramspace::FinishPending() {
    if (TVaribler* pending = operated) {
        operated = nullptr;
        pending->endOperation();
    }
    if (TVaribler* was = selected) {
        selected = nullptr;
        goIdle(*this, *was);
    }
    modified = true;
}

void Tprogramspace::Select(TVaribler* object) {
    if (selected || !object) return;
    selected = object;
    object->MakeReady();
}

void Tprogramspace::RemoveStepsOf(const TprogramVaribler& element) {
    for (std::size_t i = 0; i < commanders.size(); ++i) {
        if (const auto* array = dynamic_cast<const TprogramArray*>(&element))
            commanders[i]->RemoveStepsUsingArray(array);
        else
            commanders[i]->RemoveStepsUsing(&element);
    }
}

namespace {
template <class T, class Owner>
T* makeFlowCommander(Tprogramspace& space, Owner& owner, const char* suffix) {
    const int cx = owner.VisualorImage.left + owner.VisualorImage.width;
    const int cy = owner.VisualorImage.top + 2 * owner.VisualorImage.height;
    auto commander = makeObject<T>(&space, cx, cy, ++space.flowCommanderCount);
    commander->VisualorAlias = owner.VisualorAlias + "\r\n" + suffix;
    commander->Steps.front()->setCode(commander->headText(false));
    T* made = commander.get();
    space.adoptCommander(std::move(commander));
    space.modified = true;
    return made;
}
} // namespace

TTruecommander* Tprogramspace::MakeTrueCommander(Tprogramcondition& condition) {
    auto* made = makeFlowCommander<TTruecommander>(*this, condition, "Trueman");
    made->Condition = &condition;
    condition.TrueCommander = made;
    return made;
}

TFalsecommander* Tprogramspace::MakeFalseCommander(Tprogramcondition& condition) {
    auto* made = makeFlowCommander<TFalsecommander>(*this, condition, "Falseman");
    made->Condition = &condition;
    condition.FalseCommander = made;
    return made;
}

TForcommander* Tprogramspace::MakeForCommander(TprogramIteration& iteration) {
    auto* made = makeFlowCommander<TForcommander>(*this, iteration, "Forman");
    made->Iteration = &iteration;
    iteration.ForCommander = made;
    return made;
}

void Tprogramspace::rebuildDerivedNames() {
    for (const auto& e : elements)
        e->rebuildName();
}

// The operation protocol.

void Tprogramspace::operate(std::string_view code) {
    if (!selected) return;
    operated = selected;
    operated->beginOperation(code);
}

void Tprogramspace::elementClicked(TprogramVaribler& element) {
    if (operated && operated->OperationState == opstate::Operating) {
        auto* x = dynamic_cast<TprogramVaribler*>(operated);
        if (!x) return;
        const std::string code = x->PendingCode;
        if (element.AcceptsOperand(x->operandKind(), code)) element.FinishCode(code);
        return;
    }
    element.setstatushint();
    selectInstead(element);
}

void Tprogramspace::selectInstead(TVaribler& object) {
    if (selected == &object) return;
    if (TVaribler* was = selected) {
        selected = nullptr;
        goIdle(*this, *was);
    }
    selected = &object;
    object.MakeReady();
}

void Tprogramspace::SelectObject(TVaribler& object) {
    if (mainCommanderTotal() > 0) selectInstead(object);
}

void Tprogramspace::cancelOperation() {
    TVaribler* x = operated;
    if (!x || x->OperationState != opstate::Operating) return;
    FinishPending();
    if (x->IsTemp) x->ShowObject(true);
    Select(x);
}

// Temporaries.

void Tprogramspace::stepInserted(const TCommander& commander, int position) {
    for (const auto& e : elements) {
        if (!e->IsTemp || e->TempCommanderId != commander.VisualorId) continue;
        if (position < e->TempFirstStep) {
            ++e->TempFirstStep;
            ++e->TempLastStep;
        } else if (position <= e->TempLastStep) {
            ++e->TempLastStep;
        }
    }
}

void Tprogramspace::stepDeleted(const TCommander& commander, int position) {
    std::vector<TprogramVaribler*> temps;
    for (const auto& e : elements)
        if (e->IsTemp && e->TempCommanderId == commander.VisualorId) temps.push_back(e.get());
    for (TprogramVaribler* e : temps) {
        if (position < e->TempFirstStep) {
            --e->TempFirstStep;
            --e->TempLastStep;
        } else if (usedByAnyStep(e)) {
            if (position == e->TempLastStep - 1)
                e->TempLastStep += 4;
            else if (position <= e->TempLastStep)
                --e->TempLastStep;
        } else {
            releaseTemporary(*e);
        }
    }
}

bool Tprogramspace::usedByAnyStep(const TVisualor* object) const {
    return std::any_of(commanders.begin(), commanders.end(),
                       [object](const auto& c) { return c->UsesObject(object); });
}

void Tprogramspace::collectDependents(TprogramVaribler& element,
                                      std::vector<TprogramVaribler*>& out) {
    if (std::find(out.begin(), out.end(), &element) != out.end()) return;
    out.push_back(&element);
    std::vector<TprogramVaribler*> next;
    for (const auto& e : elements)
        if (e->PartOf == &element || e->dependsOn(&element) ||
            (e->ArrayObject == &element && e->IndexMode == indexmode::Element))
            next.push_back(e.get());
    for (TprogramVaribler* e : next)
        collectDependents(*e, out);
}

void Tprogramspace::clearReferencesTo(const TVisualor* object) {
    if (selected == object) selected = nullptr;
    if (operated == object) operated = nullptr;
    const auto* element = dynamic_cast<const TprogramVaribler*>(object);
    if (!element) return;
    for (int i = 0; i < mainCommanderTotal(); ++i)
        mainCommander(i)->removeArgument(element);
    workspace_.forgetElement(element);
    for (const auto& e : elements)
        if (e.get() != element) {
            e->forget(element);
            if (e->ArrayObject == element) e->ArrayObject = nullptr;
            if (e->PartOf == element) e->PartOf = nullptr;
        }
    for (const auto& c : commanders) {
        if (auto* t = dynamic_cast<TTruecommander*>(c.get()); t && t->Condition == element)
            t->Condition = nullptr;
        if (auto* f = dynamic_cast<TFalsecommander*>(c.get()); f && f->Condition == element)
            f->Condition = nullptr;
        if (auto* r = dynamic_cast<TForcommander*>(c.get()); r && r->Iteration == element)
            r->Iteration = nullptr;
    }
}

void Tprogramspace::releaseTemporary(TprogramVaribler& element) {
    std::vector<TprogramVaribler*> going;
    collectDependents(element, going);
    // Something still in use keeps the temporary (and what hangs on it) alive.
    for (TprogramVaribler* e : going)
        if (usedByAnyStep(e)) return;
    eraseAll(going);
}

void Tprogramspace::eraseElement(const TprogramVaribler* element) {
    std::erase_if(elements, [element](const auto& p) { return p.get() == element; });
}

void Tprogramspace::removeConstant(const Tprogramconstant* constant) {
    std::erase_if(constants, [constant](const auto& p) { return p.get() == constant; });
}

// Commanders and visual objects.

void Tprogramspace::activateCommander(TCommander* commander) {
    if (!commander) return;
    workspace_.releasePending();
    if (commander != activeCommander) {
        TCommander* old = activeCommander;
        TMaincommander* oldRoot = old ? old->RootMain : nullptr;
        if (old) {
            old->Highlighted = false;
            old->Redraw();
            if (old->VisualorStyle != kind::Main) old->ShowObject(false);
        }
        activeCommander = commander;
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
    if (selected) {
        if (operated) {
            TVaribler* pending = operated;
            operated = nullptr;
            pending->endOperation();
        }
        TVaribler* was = selected;
        selected = nullptr;
        goIdle(*this, *was);
    }
    if (selectedYin) {
        selectedYin->Highlighted = false;
        selectedYin->Redraw();
        selectedYin = nullptr;
    }
}

void Tprogramspace::selectYin(Tyin* yin) {
    if (selectedYin) {
        selectedYin->Highlighted = false;
        selectedYin->Redraw();
    }
    if (activeCommander) {
        activeCommander->Highlighted = false;
        activeCommander->Redraw();
        activeCommander = nullptr;
    }
    if (operated) {
        TVaribler* pending = operated;
        operated = nullptr;
        pending->endOperation();
    }
    if (selected) {
        TVaribler* was = selected;
        selected = nullptr;
        goIdle(*this, *was);
    }
    selectedYin = yin;
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
    const int store = storeIndexOf(&main.storeCommander());
    for (const auto& e : elements)
        e->saveRunValue(store);
}

void Tprogramspace::leaveRun(TMaincommander& main) {
    if (!(runDepth >= 2 && main.InternalCall))
        for (const auto& e : elements)
            e->restoreRunValue();
    if (runDepth > 0) --runDepth;
    inRun = runDepth > 0;
}

void Tprogramspace::resetRun() {
    if (!inRun) return;
    inRun = false;
    runDepth = 0;
    for (const auto& e : elements)
        e->resetRunValue();
    for (const auto& c : commanders)
        c->resetRunState();
}

bool Tprogramspace::callsClosing(std::string_view name) {
    bool calls = false;
    for (const auto& e : elements)
        if (e->VisualorStyle == kind::Function && equalsIgnoreCase(e->VisualorAlias, name))
            calls = true;
    if (calls) callLinksIntact = false;
    return calls;
}

} // namespace olvide
