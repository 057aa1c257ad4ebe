#include "olvide/model/commanders/commander.h"

#include "olvide/model/codepage.h"
#include "olvide/model/elements/elements.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/platform.h"
#include "olvide/model/record_io.h"
#include "olvide/model/text.h"

#include <algorithm>

namespace olvide {

TCommander::TCommander(ProgramServices* owner)
    : TVisualor(owner), HintTimer(platform(), 2000, [this] {
          if (Owner && Owner->commanderHint().shown) {
              HintTimer.stop();
              Owner->commanderHint().shown = false;
          }
      }) {}

TCommander::~TCommander() {
    // The steps go first: each gives its constant back to the program space.
    CurrentStep = nullptr;
    Branches.clear();
    Steps.clear();
}

std::string TCommander::setvisualorname(std::int32_t id) const {
    return "Olvane" + decimal(id);
}

std::string TCommander::headText(bool renamed) const {
    return oneLine(VisualorAlias) + (renamed ? cp("开始一个流程.") : cp(" 开始一个流程"));
}

void TCommander::created() {
    Steps.push_back(std::make_unique<Tstep>(stepkind::Head, headText(false), nullptr, nullptr,
                                            nullptr, nullptr, this, Owner));
    CurrentStep = Steps.front().get();
    renumberLeaves();
    AnchorX = VisualorImage.left + VisualorImage.width * 3 / 4;
    AnchorY = VisualorImage.top + VisualorImage.height * 3 / 4 + 20;
    if (Owner) Owner->commanderHint().text = " ";
}

void TCommander::SetAlias(std::string_view text) {
    const bool changed = text != VisualorAlias;
    TVisualor::SetAlias(text);
    if (changed && !Steps.empty()) Steps.front()->setCode(headText(true));
}

void TCommander::selectdraw() {
    TVisualor::selectdraw();
    VisualorImage.framed = Framed;
    VisualorImage.marked = Marked;
}

void TCommander::unselectdraw() {
    VisualorImage.framed = Framed;
    VisualorImage.marked = Marked;
    TVisualor::unselectdraw();
}

void TCommander::setstatushint() {
    platform().setStatusHint(statusPrefix() + oneLine(VisualorAlias) + cp("纪录了") +
                             decimal(stepCount()) + cp("个步骤"));
}

void TCommander::visualorImageMouseDown() {
    TVisualor::visualorImageMouseDown();
    if (Owner && editing()) Owner->activateCommander(this);
}

void TCommander::writedefinewindow(AttributeWindow& window) const {
    TVisualor::writedefinewindow(window);
}

void TCommander::readdefinewindow(const AttributeWindow& window) {
    TVisualor::readdefinewindow(window);
}

int TCommander::Position() const {
    if (!CurrentStep) return 0;
    for (std::size_t i = 0; i < Steps.size(); ++i)
        if (Steps[i].get() == CurrentStep) return static_cast<int>(i) + 1;
    return 0;
}

void TCommander::SetPosition(int n) {
    if (n < 1 || Steps.empty()) {
        CurrentStep = nullptr;
        return;
    }
    CurrentStep = step(std::min(n, stepCount()));
}

bool TCommander::moveCursor(int position) {
    if (position < 1 || position > stepCount() || position == Position()) {
        platform().beep();
        return false;
    }
    CurrentStep = step(position);
    return true;
}

void TCommander::previous() {
    moveCursor(Position() - 1);
}
void TCommander::next() {
    moveCursor(Position() + 1);
}

void TCommander::back5() {
    const int here = Position();
    moveCursor(here <= 1 ? 0 : std::max(1, here - 5));
}

void TCommander::forward5() {
    const int here = Position();
    moveCursor(here >= stepCount() ? stepCount() + 1 : std::min(stepCount(), here + 5));
}

void TCommander::first() {
    SetPosition(1);
}
void TCommander::last() {
    SetPosition(stepCount());
}

bool TCommander::findUsing(const TVisualor* object, int from, int direction) {
    for (int n = from; n >= 1 && n <= stepCount(); n += direction) {
        if (step(n)->uses(object)) {
            CurrentStep = step(n);
            return true;
        }
    }
    platform().beep();
    return false;
}

bool TCommander::findPreviousUsing(const TVisualor* object) {
    return findUsing(object, Position() - 1, -1);
}
bool TCommander::findNextUsing(const TVisualor* object) {
    return findUsing(object, Position() + 1, +1);
}
bool TCommander::findFirstUsing(const TVisualor* object) {
    return findUsing(object, 1, +1);
}

int TCommander::LastStepUsing(const TVisualor* object) const {
    for (int n = stepCount(); n > 1; --n)
        if (step(n)->uses(object)) return n;
    return 0;
}

bool TCommander::UsesObject(const TVisualor* object) const {
    return std::any_of(Steps.begin(), Steps.end(),
                       [object](const auto& s) { return s->uses(object); });
}

void TCommander::renumberLeaves(std::size_t from) {
    Branches.resize(Steps.size());
    for (std::size_t i = from; i < Steps.size(); ++i)
        Branches[i] = {Steps[i].get(), int(i)};
}

Tstep* TCommander::InsertStep(std::uint8_t kind, std::string code, TprogramVaribler* x,
                              TprogramVaribler* y, TprogramVaribler* z,
                              Tprogramconstant* constant) {
    auto made = std::make_unique<Tstep>(kind, std::move(code), x, y, z, constant, this, Owner);
    Tstep* added = made.get();
    const int cursor = Position();
    std::size_t at = Steps.size(); // 0-based place of the new step
    if (cursor == 0 || cursor == stepCount()) {
        Steps.push_back(std::move(made));
    } else {
        at = static_cast<std::size_t>(cursor);
        Steps.insert(Steps.begin() + cursor, std::move(made));
        if (Owner) Owner->stepInserted(*this, cursor + 1);
    }
    CurrentStep = added;
    renumberLeaves(at);
    platform().stepsChanged(*this);
    return added;
}

void TCommander::appendStep(std::unique_ptr<Tstep> step) {
    step->OwnerCommander = this;
    Steps.push_back(std::move(step));
    CurrentStep = Steps.back().get();
    renumberLeaves(Steps.size() - 1); // reading a program appends step after step
}

void TCommander::DeleteStep(int n) {
    if (n <= 1 || n > stepCount()) return;
    if (CurrentStep == step(n)) CurrentStep = nullptr;
    Steps.erase(Steps.begin() + (n - 1));
    renumberLeaves(static_cast<std::size_t>(n - 1));
    if (Owner) Owner->stepDeleted(*this, n);
    platform().stepsChanged(*this);
}

void TCommander::RemoveStepsUsing(const TVisualor* object) {
    for (int n = stepCount(); n > 1; --n)
        if (n <= stepCount() && step(n)->uses(object)) DeleteStep(n);
    if (!CurrentStep) CurrentStep = Steps.empty() ? nullptr : Steps.front().get();
}

void TCommander::RemoveStepsUsingArray(const TprogramArray* array) {
    if (!array) return;
    RemoveStepsUsing(array);
    if (array->Pattern) RemoveStepsUsing(array->Pattern);
    for (const TprogramVaribler* element : array->Elements)
        RemoveStepsUsing(element);
}

void TCommander::resetRunState() {
    ProgramCounter = 0;
    Caller = nullptr;
    Outer = nullptr;
    FunctionMain = nullptr;
    CallRecords.clear();
}

void TCommander::saveSteps(RecordWriter& writer) const {
    writer.writeInteger(stepCount());
    for (const auto& s : Steps)
        s->WriteTo(writer);
}

void TCommander::loadSteps(RecordReader& reader) {
    const std::int32_t count = reader.readInteger();
    for (std::int32_t i = 0; i < count && reader.ok(); ++i) {
        StepRecord record = Tstep::ReadRecord(reader);
        if (!reader.ok()) break;
        if (i == 0) {
            // The stored head step only gives its text to the existing one; whatever else
            // the record names stays where it is.
            if (!Steps.empty()) Steps.front()->setCode(std::move(record.code));
            continue;
        }
        appendStep(Tstep::FromRecord(std::move(record), this, Owner));
    }
}

void TCommander::afterLoad() {
    AnchorX = VisualorImage.left + VisualorImage.width * 3 / 4;
    AnchorY = VisualorImage.top + VisualorImage.height * 3 / 4;
}

void TCommander::save(RecordWriter& writer) const {
    TVisualor::save(writer);
    saveSteps(writer);
}

void TCommander::load(RecordReader& reader) {
    TVisualor::load(reader);
    loadSteps(reader);
    afterLoad();
}

// Main commanders.

const char* TMaincommander::statusPrefix() const {
    return cp("主流程Olvan:").c_str();
}

void TMaincommander::addArgument(TprogramVaribler* element) {
    if (element && !hasArgument(element)) ArgumentList.push_back(element);
}

void TMaincommander::removeArgument(const TprogramVaribler* element) {
    std::erase(ArgumentList, element);
}

bool TMaincommander::hasArgument(const TprogramVaribler* element) const {
    return std::find(ArgumentList.begin(), ArgumentList.end(), element) != ArgumentList.end();
}

const TMaincommander& TMaincommander::storeCommander() const {
    return InternalCall && StaticCommander ? *StaticCommander : *this;
}

void TMaincommander::writedefinewindow(AttributeWindow& window) const {
    TCommander::writedefinewindow(window);
    window.parameterOrder = ArgumentList;
    window.internalcall = InternalCall;
    window.staticcommander = StaticCommander ? StaticCommander->VisualorAlias : std::string();
    window.staticCommanderChoices.clear();
    if (!Owner) return;
    for (int i = 0; i < Owner->mainCommanderTotal(); ++i)
        if (Owner->mainCommander(i) != this)
            window.staticCommanderChoices.push_back(Owner->mainCommander(i)->VisualorAlias);
}

void TMaincommander::readdefinewindow(const AttributeWindow& window) {
    const std::string oldAlias = VisualorAlias;
    TCommander::readdefinewindow(window);
    // The new order, keeping only elements that are still arguments.
    std::vector<TprogramVaribler*> order;
    for (TprogramVaribler* element : window.parameterOrder)
        if (hasArgument(element)) order.push_back(element);
    for (TprogramVaribler* element : ArgumentList)
        if (std::find(order.begin(), order.end(), element) == order.end()) order.push_back(element);
    ArgumentList = std::move(order);
    InternalCall = window.internalcall;
    StaticCommander = nullptr;
    // The commander of that alias, when it is a main commander (they come first).
    if (Owner && !window.staticcommander.empty())
        for (int i = 0; i < Owner->mainCommanderTotal() && !StaticCommander; ++i)
            if (equalsIgnoreCase(Owner->mainCommander(i)->VisualorAlias, window.staticcommander))
                StaticCommander = Owner->mainCommander(i);
    if (StaticCommander == this) StaticCommander = nullptr;
    (void)oldAlias;
}

void TMaincommander::SetAlias(std::string_view text) {
    const std::string oldAlias = VisualorAlias;
    TCommander::SetAlias(text);
    // Call steps of every open program name the commander by its alias.
    if (Owner && !equalsIgnoreCase(oldAlias, VisualorAlias))
        Owner->renameCalls(oldAlias, VisualorAlias);
}

void TMaincommander::save(RecordWriter& writer) const {
    TCommander::save(writer);
    writer.writeInteger(static_cast<std::int32_t>(ArgumentList.size()));
    for (const TprogramVaribler* element : ArgumentList)
        writer.writeInteger(SerialOf(element));
    writer.writeBoolean(InternalCall);
    if (InternalCall) writer.writeInteger(SerialOf(StaticCommander));
}

void TMaincommander::load(RecordReader& reader) {
    TCommander::load(reader);
    const std::int32_t count = reader.readInteger();
    for (std::int32_t i = 0; i < count && reader.ok(); ++i) {
        const std::int32_t serial = reader.readInteger();
        if (Owner) addArgument(Owner->ObjectByIndex(serial));
    }
    InternalCall = reader.readBoolean();
    if (InternalCall) {
        const std::int32_t serial = reader.readInteger();
        StaticCommander =
            Owner ? dynamic_cast<TMaincommander*>(Owner->CommanderByIndex(serial)) : nullptr;
    }
}

// Flow commanders.

const char* TTruecommander::statusPrefix() const {
    return cp("真士流程Olvan:").c_str();
}
const char* TFalsecommander::statusPrefix() const {
    return cp("假士流程Olvan:").c_str();
}
const char* TForcommander::statusPrefix() const {
    return cp("循环士流程Olvan:").c_str();
}

TprogramVaribler* TTruecommander::ownerElement() const {
    return Condition;
}
TprogramVaribler* TFalsecommander::ownerElement() const {
    return Condition;
}
TprogramVaribler* TForcommander::ownerElement() const {
    return Iteration;
}

void TTruecommander::save(RecordWriter& writer) const {
    TCommander::save(writer);
    writer.writeInteger(SerialOf(Condition));
}

void TTruecommander::load(RecordReader& reader) {
    TCommander::load(reader);
    const std::int32_t serial = reader.readInteger();
    Condition = Owner ? dynamic_cast<Tprogramcondition*>(Owner->ObjectByIndex(serial)) : nullptr;
    if (Condition) Condition->TrueCommander = this;
}

void TFalsecommander::save(RecordWriter& writer) const {
    TCommander::save(writer);
    writer.writeInteger(SerialOf(Condition));
}

void TFalsecommander::load(RecordReader& reader) {
    TCommander::load(reader);
    const std::int32_t serial = reader.readInteger();
    Condition = Owner ? dynamic_cast<Tprogramcondition*>(Owner->ObjectByIndex(serial)) : nullptr;
    if (Condition) Condition->FalseCommander = this;
}

void TForcommander::save(RecordWriter& writer) const {
    TCommander::save(writer);
    writer.writeInteger(SerialOf(Iteration));
}

void TForcommander::load(RecordReader& reader) {
    TCommander::load(reader);
    const std::int32_t serial = reader.readInteger();
    Iteration = Owner ? dynamic_cast<TprogramIteration*>(Owner->ObjectByIndex(serial)) : nullptr;
    if (Iteration) Iteration->ForCommander = this;
}

} // namespace olvide
