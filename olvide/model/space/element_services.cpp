// The services a program space gives its elements while they build steps: constants,
// temporaries, derived parts, indexes and output lines, flow commanders, new steps, and the
// step positions that temporaries keep.
#include "olvide/model/space/programspace.h"

#include "olvide/model/text.h"

#include <algorithm>

namespace olvide {

Tprogramconstant* Tprogramspace::MakeConstant(std::string text) {
    auto constant = std::make_unique<Tprogramconstant>(this);
    constant->ConstantValue = std::move(text);
    // Placed where the file reader places it, so that a saved position reads back the same.
    constant->Create(24, 24, nextSerial(objects.constantCount));
    objects.constants.push_back(std::move(constant));
    return objects.constants.back().get();
}

template <class T> T* Tprogramspace::makeTemp(TVisualor& x) {
    // The derived parts a temporary makes take serial 0 and do not move the counter.
    const std::int32_t id = nextSerial(objects.elementCount);
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
    if (auto* found = dynamic_cast<TprogramIndex*>(objects.findElement(name))) {
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
    if (auto* found = dynamic_cast<TprogramOutputIndexAString*>(objects.findElement(name)))
        return showLine(found);
    const int cx = output.VisualorImage.left + output.VisualorImage.width * 3 / 2;
    auto line = makeObject<TprogramOutputIndexAString>(this, cx, output.centreY(),
                                                       nextSerial(objects.elementCount));
    line->LineOutput = &output;
    line->LineNumber = n;
    TprogramOutputIndexAString* made = addElement(std::move(line));
    made->rebuildName();
    return showLine(made);
}

TProgramOutputIndexxString* Tprogramspace::OutputLineX(TprogramOutput& output,
                                                       TprogramVaribler& x) {
    const std::string name = output.VisualorAlias + "[" + x.VisualorAlias + "]";
    if (auto* found = dynamic_cast<TProgramOutputIndexxString*>(objects.findElement(name)))
        return showLine(found);
    const int cx = output.VisualorImage.left + output.VisualorImage.width * 3 / 2;
    auto line = makeObject<TProgramOutputIndexxString>(this, cx, output.centreY(),
                                                       nextSerial(objects.elementCount));
    line->LineOutput = &output;
    line->LineIndex = &x;
    TProgramOutputIndexxString* made = addElement(std::move(line));
    made->rebuildName();
    return showLine(made);
}

Tstep* Tprogramspace::AddStep(std::uint8_t kind, std::string code, TprogramVaribler* x,
                              TprogramVaribler* y, TprogramVaribler* z,
                              Tprogramconstant* constant) {
    TCommander* active = edit.activeCommander;
    if (!active) return nullptr;
    modified = true;
    Tstep* step = active->InsertStep(kind, std::move(code), x, y, z, constant);
    for (const auto& e : objects.elements)
        if (e->IsTemp || e->VisualorStyle == kind::Index) e->Refresh();
    return step;
}

template <class T, class Owner>
T* Tprogramspace::makeFlowCommander(Owner& owner, const char* suffix) {
    const int cx = owner.VisualorImage.left + owner.VisualorImage.width;
    const int cy = owner.VisualorImage.top + 2 * owner.VisualorImage.height;
    auto commander = makeObject<T>(this, cx, cy, nextSerial(objects.flowCommanderCount));
    commander->VisualorAlias = owner.VisualorAlias + "\r\n" + suffix;
    commander->Steps.front()->setCode(commander->headText(false));
    T* made = commander.get();
    objects.adoptCommander(std::move(commander));
    modified = true;
    return made;
}

TTruecommander* Tprogramspace::MakeTrueCommander(Tprogramcondition& condition) {
    auto* made = makeFlowCommander<TTruecommander>(condition, "Trueman");
    made->Condition = &condition;
    condition.TrueCommander = made;
    return made;
}

TFalsecommander* Tprogramspace::MakeFalseCommander(Tprogramcondition& condition) {
    auto* made = makeFlowCommander<TFalsecommander>(condition, "Falseman");
    made->Condition = &condition;
    condition.FalseCommander = made;
    return made;
}

TForcommander* Tprogramspace::MakeForCommander(TprogramIteration& iteration) {
    auto* made = makeFlowCommander<TForcommander>(iteration, "Forman");
    made->Iteration = &iteration;
    iteration.ForCommander = made;
    return made;
}

void Tprogramspace::rebuildDerivedNames() {
    for (const auto& e : objects.elements)
        e->rebuildName();
}

// Temporaries live while steps of their commander use them.

void Tprogramspace::stepInserted(const TCommander& commander, int position) {
    for (const auto& e : objects.elements) {
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
    for (const auto& e : objects.elements)
        if (e->IsTemp && e->TempCommanderId == commander.VisualorId) temps.push_back(e.get());
    for (TprogramVaribler* e : temps) {
        if (position < e->TempFirstStep) {
            --e->TempFirstStep;
            --e->TempLastStep;
        } else if (objects.usedByAnyStep(e)) {
            if (position == e->TempLastStep - 1)
                e->TempLastStep += 4;
            else if (position <= e->TempLastStep)
                --e->TempLastStep;
        } else {
            releaseTemporary(*e);
        }
    }
}

void Tprogramspace::releaseTemporary(TprogramVaribler& element) {
    std::vector<TprogramVaribler*> going;
    objects.collectDependents(element, going);
    // Something still in use keeps the temporary (and what hangs on it) alive.
    for (TprogramVaribler* e : going)
        if (objects.usedByAnyStep(e)) return;
    eraseAll(going);
}

void Tprogramspace::removeConstant(const Tprogramconstant* constant) {
    objects.removeConstant(constant);
}

} // namespace olvide
