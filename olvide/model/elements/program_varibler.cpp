#include "olvide/model/elements/program_varibler.h"

#include "olvide/model/codepage.h"
#include "olvide/model/commanders/commander.h"
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

void TprogramVaribler::saveRunValue(int) {}
void TprogramVaribler::restoreRunValue() {
    popLevel();
}
void TprogramVaribler::resetRunValue() {
    clearLevels();
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
}

bool TValueVaribler::SetStoreValueText(std::string_view text) {
    store().StoreValue = std::string(text);
    return true;
}

void TValueVaribler::saveRunValue(int storeIndex) {
    pushLevel(Stores[static_cast<std::size_t>(clampStore(storeIndex))].StoreValue);
}

void TValueVaribler::forgetStore(int storeIndex) {
    if (storeIndex < 0 || storeIndex >= kStoreCount) return;
    std::move(Stores.begin() + storeIndex + 1, Stores.end(), Stores.begin() + storeIndex);
    Stores.back() = ValueStore{defaultValue(), false, false};
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
