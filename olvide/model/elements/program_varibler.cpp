#include "olvide/model/elements/program_varibler.h"

#include "olvide/model/codepage.h"
#include "olvide/model/commanders/commander.h"
#include "olvide/model/number_text.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/platform.h"
#include "olvide/model/record_io.h"
#include "olvide/model/text.h"

#include <algorithm>

namespace olvide {

std::string TprogramVaribler::setvisualorname(std::int32_t id) const {
    return (IsTemp ? "TemppVar" : "pVar") + decimal(id);
}

bool TprogramVaribler::running() const {
    return Owner && Owner->programRunning();
}

void TprogramVaribler::created() {
    const TCommander* commander = IsTemp && Owner ? Owner->activeCommander() : nullptr;
    if (!commander) return;
    if (commander->CurrentStep) {
        TempFirstStep = commander->Position() + 1;
        TempLastStep = TempFirstStep + 8;
    }
    TempCommanderId = commander->VisualorId;
}

void TprogramVaribler::visualorImageMouseDown() {
    TVisualor::visualorImageMouseDown();
    if (Owner && editing() && !OpenAttributes) Owner->elementClicked(*this);
}

void TprogramVaribler::hideOnKeyV() {
    TVaribler::hideOnKeyV();
    if (IsTemp && Owner) Owner->releaseTemporary(*this);
}

void TprogramVaribler::save(RecordWriter& writer) const {
    TVaribler::save(writer);
    if (IsTemp) {
        writer.writeInteger(TempFirstStep);
        writer.writeInteger(TempLastStep);
        writer.writeInteger(TempCommanderId);
    }
    if (IndexMode == indexmode::Pattern) {
        writer.writeBoolean(PatternDefined);
        writer.writeInteger(PatternLow);
        writer.writeInteger(PatternHigh);
    }
}

void TprogramVaribler::load(RecordReader& reader) {
    TVaribler::load(reader);
    if (IsTemp) {
        TempFirstStep = reader.readInteger();
        TempLastStep = reader.readInteger();
        TempCommanderId = reader.readInteger();
    }
    if (IndexMode == indexmode::Pattern) {
        PatternDefined = reader.readBoolean();
        PatternLow = reader.readInteger();
        PatternHigh = reader.readInteger();
    }
}

std::string TprogramVaribler::statusText() const {
    return oneLine(VisualorAlias);
}

void TprogramVaribler::setstatushint() {
    platform().setStatusHint(statusText());
}

// Value stores.

namespace {
int clampStore(int index) {
    return index >= 0 && index < kStoreCount ? index : 0;
}

// The store the elements show and edit: that of the edited main commander (or of its
// StaticCommander); store 0 while no commander is edited.
std::size_t editedStore(const ProgramServices* owner) {
    const TMaincommander* main = owner ? owner->editedMain() : nullptr;
    return static_cast<std::size_t>(
        clampStore(main ? owner->storeIndexOf(&main->storeCommander()) : 0));
}
} // namespace

ValueStore& TValueVaribler::store() {
    return Stores[editedStore(Owner)];
}

const ValueStore& TValueVaribler::store() const {
    return Stores[editedStore(Owner)];
}

const ValueStore* TValueVaribler::storeFor(const TMaincommander& main) const {
    if (!Owner) return nullptr;
    const int index = Owner->storeIndexOf(&main.storeCommander());
    if (index < 0 || index >= kStoreCount) return nullptr;
    return &Stores[static_cast<std::size_t>(index)];
}

void TValueVaribler::setAllStores(std::string_view value) {
    for (ValueStore& s : Stores)
        s.StoreValue = std::string(value);
    storesChanged();
}

bool TValueVaribler::SetStoreValueText(std::string_view text) {
    store().StoreValue = std::string(text);
    storesChanged();
    return true;
}

// Values per call level.

TValueVaribler::~TValueVaribler() {
    if (!written_.empty() && Owner) Owner->valueLevels().forget(*this);
}

const ValueCell* TValueVaribler::writtenAt(int level) const {
    // At most the two newest entries matter: the running level and its caller's.
    for (auto it = written_.rbegin(); it != written_.rend() && it->level >= level; ++it)
        if (it->level == level) return &it->cell;
    return nullptr;
}

ValueCell& TValueVaribler::writableAt(int level) const {
    auto it = written_.end();
    while (it != written_.begin() && std::prev(it)->level >= level)
        --it;
    if (it != written_.end() && it->level == level) return it->cell;
    it = written_.insert(it, LevelValue{level, {}});
    Owner->valueLevels().written(level, *this);
    return it->cell;
}

const std::string& TValueVaribler::startValueAt(int level) const {
    const int store = Owner->valueLevels().storeOf(level);
    return Stores[static_cast<std::size_t>(clampStore(store))].StoreValue;
}

void TValueVaribler::findNewest() const {
    newest_.epoch = ValueLevels::epoch();
    const int level = currentLevel();
    if (level == 0) { // outside a run: nothing is written, and nothing reads as 0
        newest_.cell = nullptr;
        newest_.startText = &emptyText();
        newest_.startNumber = 0;
        return;
    }
    // The newest level's value, when written, is the last one (one per level, oldest first).
    newest_.cell =
        !written_.empty() && written_.back().level == level ? &written_.back().cell : nullptr;
    newest_.startText = &startValueAt(level);
    newest_.startNumber = startNumberAt(level);
}

const std::string& TValueVaribler::GetValue() const {
    if (newest_.epoch != ValueLevels::epoch()) findNewest();
    return newest_.cell ? newest_.cell->text() : *newest_.startText;
}

void TValueVaribler::SetValue(std::string_view value) {
    if (newest_.epoch != ValueLevels::epoch()) findNewest();
    if (newest_.cell) {
        newest_.cell->setText(value);
        return;
    }
    const int level = currentLevel();
    if (level > 0) writableAt(level).setText(value);
}

const std::string& TValueVaribler::GetCallerValue() const {
    const int level = currentLevel() - 1;
    if (level < 1) return emptyText();
    const ValueCell* cell = writtenAt(level);
    return cell ? cell->text() : startValueAt(level);
}

void TValueVaribler::SetCallerValue(std::string_view value) {
    const int level = currentLevel() - 1;
    if (level >= 1) writableAt(level).setText(value);
}

// A store is read once per run: a loop's bounds are read at every turn, and a call reading its
// argument's store writes nothing at its level.
double TValueVaribler::readStartNumber(int level) const {
    const ValueLevels& levels = Owner->valueLevels();
    const int store = levels.storeOf(level);
    startNumber_ = lenientNumber(Stores[static_cast<std::size_t>(clampStore(store))].StoreValue);
    startNumberStore_ = store;
    startNumberRun_ = levels.runSerial();
    return startNumber_;
}

double TValueVaribler::GetNumber() const {
    return number();
}

void TValueVaribler::writeFraction(ValueCell& cell, double value) {
    cell.setText(numberText(value));
}

void TValueVaribler::setNumberAt(int level, double value) {
    if (level == 0) return;
    ValueCell& cell = writableAt(level);
    if (!cell.setNumber(value)) writeFraction(cell, value);
}

void TValueVaribler::SetNumber(double value) {
    setNumber(value);
}

void TValueVaribler::CopyValue(const TValueVaribler& from) {
    const int level = currentLevel();
    if (level == 0) return;
    if (const ValueCell* cell = from.writtenAt(from.currentLevel())) {
        if (cell == writtenAt(level)) return; // copied onto itself
        writableAt(level).assign(*cell);
    } else {
        writableAt(level).setText(from.GetValue());
    }
}

int TValueVaribler::LevelCount() const {
    return currentLevel();
}

void TValueVaribler::resetRunValue() {
    written_.clear();
    ValueLevels::changed();
}

void TValueVaribler::dropLevel(int level) const {
    // The levels' count moves once the level is gone (ValueLevels::pop).
    if (!written_.empty() && written_.back().level == level) written_.pop_back();
}

void TValueVaribler::forgetStore(int storeIndex) {
    if (storeIndex < 0 || storeIndex >= kStoreCount) return;
    std::move(Stores.begin() + storeIndex + 1, Stores.end(), Stores.begin() + storeIndex);
    Stores.back() = ValueStore{defaultValue(), false, false};
    storesChanged();
}

std::string TValueVaribler::shownValue() const {
    return running() ? GetValue() : StoreValueText();
}

void TValueVaribler::takeShownValue(const std::string& value) {
    if (running())
        SetValue(value);
    else
        SetStoreValueText(value);
}

void TValueVaribler::writedefinewindow(AttributeWindow& window) const {
    TprogramVaribler::writedefinewindow(window);
    window.IsInputParameter = store().StoreInput;
    window.IsOutputParameter = store().StoreOutput;
    window.valueCaption = running() ? cp("运行值:") : cp("初始值:");
    window.value = shownValue();
}

void TValueVaribler::readdefinewindow(const AttributeWindow& window) {
    TprogramVaribler::readdefinewindow(window);
    if (Owner) {
        if (TMaincommander* main = Owner->editedMain()) {
            if (window.IsInputParameter || window.IsOutputParameter)
                main->addArgument(this);
            else
                main->removeArgument(this);
        }
    }
    store().StoreInput = window.IsInputParameter;
    store().StoreOutput = window.IsOutputParameter;
    takeShownValue(window.value);
}

void TValueVaribler::saveStores(RecordWriter& writer) const {
    for (const ValueStore& s : Stores) {
        writer.writeString(s.StoreValue);
        writer.writeBoolean(s.StoreInput);
        writer.writeBoolean(s.StoreOutput);
    }
}

void TValueVaribler::loadStores(RecordReader& reader) {
    for (ValueStore& s : Stores) {
        s.StoreValue = reader.readString();
        s.StoreInput = reader.readBoolean();
        s.StoreOutput = reader.readBoolean();
    }
    storesChanged();
}

void TValueVaribler::save(RecordWriter& writer) const {
    TprogramVaribler::save(writer);
    saveStores(writer);
}

void TValueVaribler::load(RecordReader& reader) {
    TprogramVaribler::load(reader);
    loadStores(reader);
}

} // namespace olvide
