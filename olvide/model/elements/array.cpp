#include "olvide/model/elements/array.h"

#include "olvide/model/codepage.h"
#include "olvide/model/elements/operations.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/platform.h"
#include "olvide/model/record_io.h"
#include "olvide/model/text.h"

#include <algorithm>

namespace olvide {

std::string TprogramArray::setvisualorname(std::int32_t id) const {
    return (IsTemp ? "tempArray" : "Array") + decimal(id);
}

std::string TprogramArray::iconName() const {
    return Pattern ? Pattern->iconName() : std::string("numico.bmp");
}

std::string TprogramArray::statusText() const {
    return oneLine(VisualorAlias) + cp(" (数组)") + " " + decimal(ArrayLow) + ".." +
           decimal(ArrayHigh);
}

std::uint8_t TprogramArray::elementKind() const {
    return Pattern ? Pattern->VisualorStyle : kind::Number;
}

TprogramVaribler* TprogramArray::ElementAt(std::int64_t i) const {
    const std::int64_t offset = i - ArrayLow;
    if (i >= ArrayLow && i <= ArrayHigh && offset < static_cast<std::int64_t>(Elements.size()))
        return Elements[static_cast<std::size_t>(offset)];
    if (running()) platform().warning(cp("索引超出范围:") + decimal(i));
    return nullptr;
}

void TprogramArray::StartCode(std::string_view code) {
    if (code == "[A]") {
        const auto index = platform().askIndex(cp("数组索引"), ArrayLow, ArrayHigh);
        if (!index || *index < ArrayLow || *index > ArrayHigh) {
            protocol::finish(*this, this);
            return;
        }
        showElement(*index);
        protocol::finish(*this, ElementAt(*index));
    } else if (code == "[P]") {
        if (Pattern) {
            Pattern->moveCentreTo(VisualorImage.left + VisualorImage.width / 2,
                                  VisualorImage.top + VisualorImage.height * 3 / 2);
            Pattern->ShowObject(true);
        }
        protocol::finish(*this, this);
    } else if (code != "[X]") {
        protocol::finish(*this, this);
    }
}

void TprogramArray::showElement(int i) {
    TprogramVaribler* element = ElementAt(i);
    if (!element) return;
    element->moveCentreTo(VisualorImage.left + VisualorImage.width / 2,
                          VisualorImage.top + VisualorImage.height * 3 / 2);
    element->ShowObject(true);
}

void TprogramArray::SetAlias(std::string_view text) {
    TprogramVaribler::SetAlias(text);
    if (Pattern) Pattern->SetAlias(VisualorAlias);
    for (std::size_t i = 0; i < Elements.size(); ++i)
        Elements[i]->SetAlias(VisualorAlias + "[" + decimal(ArrayLow + std::int64_t(i)) + "]");
    if (Owner) Owner->rebuildDerivedNames();
}

void TprogramArray::forget(const TprogramVaribler* element) {
    if (Pattern == element) Pattern = nullptr;
    std::erase(Elements, element);
}

void TprogramArray::saveKindPrefix(RecordWriter& writer) const {
    writer.writeInteger(SerialOf(Pattern));
}

void TprogramArray::save(RecordWriter& writer) const {
    TprogramVaribler::save(writer);
    writer.writeInteger(ArrayLow);
    writer.writeInteger(ArrayHigh);
}

void TprogramArray::load(RecordReader& reader) {
    TprogramVaribler::load(reader);
    ArrayLow = reader.readInteger();
    ArrayHigh = reader.readInteger();
    if (Pattern) Pattern->ArrayObject = this;
    unselectdraw();
}

// Index objects.

std::string TprogramIndex::setvisualorname(std::int32_t id) const {
    return (IsTemp ? "tempIndex" : "Index") + decimal(id);
}

std::string TprogramIndex::iconName() const {
    return IndexArray ? IndexArray->iconName() : std::string("numico.bmp");
}

std::string TprogramIndex::statusText() const {
    return oneLine(VisualorAlias) + cp(" (索引)");
}

std::uint8_t TprogramIndex::operandKind() const {
    return IndexArray ? IndexArray->elementKind() : kind::Number;
}

namespace {

std::optional<std::int32_t> indexValue(const TprogramVaribler* variable) {
    if (!variable) return {};
    return readWhole(variable->running() ? variable->GetValue() : variable->StoreValueText());
}

} // namespace

TprogramVaribler* TprogramIndex::designatedQuietly() const {
    const auto i = indexValue(IndexVariable);
    if (!IndexArray || !i || *i < IndexArray->ArrayLow || *i > IndexArray->ArrayHigh)
        return nullptr;
    const auto offset = static_cast<std::size_t>(*i - IndexArray->ArrayLow);
    return offset < IndexArray->Elements.size() ? IndexArray->Elements[offset] : nullptr;
}

TprogramVaribler* TprogramIndex::designated() const {
    if (!IndexArray) return nullptr;
    const auto i = indexValue(IndexVariable);
    if (!i) {
        if (running())
            platform().warning(cp("索引超出范围:") +
                               (IndexVariable ? IndexVariable->GetValue() : ""));
        return nullptr;
    }
    return IndexArray->ElementAt(*i);
}

const std::string& TprogramIndex::GetValue() const {
    const TprogramVaribler* element = designated();
    return element ? element->GetValue() : emptyText();
}

void TprogramIndex::SetValue(std::string_view value) {
    if (TprogramVaribler* element = designated()) element->SetValue(value);
}

const std::string& TprogramIndex::GetCallerValue() const {
    const TprogramVaribler* element = designated();
    return element ? element->GetCallerValue() : emptyText();
}

void TprogramIndex::SetCallerValue(std::string_view value) {
    if (TprogramVaribler* element = designated()) element->SetCallerValue(value);
}

double TprogramIndex::GetNumber() const {
    const TprogramVaribler* element = designated();
    return element ? element->GetNumber() : 0.0;
}

void TprogramIndex::SetNumber(double value) {
    if (TprogramVaribler* element = designated()) element->SetNumber(value);
}

void TprogramIndex::StartCode(std::string_view code) {
    protocol::startValueCode(*this, code);
}

bool TprogramIndex::AcceptsOperand(std::uint8_t xKind, std::string_view code) const {
    if (code == "[X]" || !IndexArray) return false;
    const TprogramVaribler* target = designatedQuietly();
    if (!target && !IndexArray->Elements.empty()) target = IndexArray->Elements.front();
    if (!target || target->IndexMode == indexmode::Pattern) return false;
    return target->AcceptsOperand(xKind, code);
}

void TprogramIndex::FinishCode(std::string_view code) {
    protocol::finishValueCode(*this, code);
}

TprogramVaribler* TprogramIndex::clipLocate() const {
    const TprogramVaribler* element = designated();
    return element ? element->clipLocate() : nullptr;
}

TprogramVaribler* TprogramIndex::clipMeasure() const {
    const TprogramVaribler* element = designated();
    return element ? element->clipMeasure() : nullptr;
}

void TprogramIndex::writedefinewindow(AttributeWindow& window) const {
    TprogramVaribler::writedefinewindow(window);
    window.arrayEnabled = false;
    const TprogramVaribler* element = designatedQuietly();
    window.outOfArrayRange = element == nullptr;
    if (!element) {
        window.value = "Out of Array Range";
        return;
    }
    window.value = running() ? element->GetValue() : element->StoreValueText();
}

void TprogramIndex::readdefinewindow(const AttributeWindow& window) {
    TprogramVaribler::readdefinewindow(window);
    TprogramVaribler* element = designatedQuietly();
    if (!element || window.outOfArrayRange) return;
    if (running())
        element->SetValue(window.value);
    else
        element->SetStoreValueText(window.value);
}

void TprogramIndex::rebuildName() {
    if (IndexArray && IndexVariable)
        renameTo(IndexArray->VisualorAlias + "[" + IndexVariable->VisualorAlias + "]");
}

bool TprogramIndex::dependsOn(const TprogramVaribler* other) const {
    return other && (other == IndexArray || other == IndexVariable);
}

void TprogramIndex::forget(const TprogramVaribler* element) {
    if (IndexArray == element) IndexArray = nullptr;
    if (IndexVariable == element) IndexVariable = nullptr;
}

void TprogramIndex::save(RecordWriter& writer) const {
    TprogramVaribler::save(writer);
    writer.writeInteger(SerialOf(IndexArray));
    writer.writeInteger(SerialOf(IndexVariable));
}

void TprogramIndex::load(RecordReader& reader) {
    TprogramVaribler::load(reader);
    const std::int32_t array = reader.readInteger();
    const std::int32_t variable = reader.readInteger();
    IndexArray = Owner ? dynamic_cast<TprogramArray*>(Owner->ObjectByIndex(array)) : nullptr;
    IndexVariable = Owner ? Owner->ObjectByIndex(variable) : nullptr;
    unselectdraw();
}

} // namespace olvide
