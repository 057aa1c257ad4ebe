// The attribute windows as model operations: filling, checking the name and the array bounds,
// asking about consequential changes, and taking the window back.
#include "olvide/model/codepage.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"
#include "olvide/model/text.h"

#include <algorithm>
#include <array>

namespace olvide {

namespace {

// The window of an array is its element pattern's.
const TVisualor& windowOwner(const TVisualor& object) {
    const auto* array = dynamic_cast<const TprogramArray*>(&object);
    return array && array->Pattern ? *array->Pattern : object;
}

// The array a variable window speaks for: the array itself or the pattern's array.
TprogramArray* arrayOf(const TVisualor& object) {
    if (auto* array = dynamic_cast<TprogramArray*>(const_cast<TVisualor*>(&object))) return array;
    const auto* variable = dynamic_cast<const TprogramVaribler*>(&object);
    if (variable && variable->IndexMode == indexmode::Pattern) return variable->ArrayObject;
    return nullptr;
}

bool reservedName(std::string_view alias) {
    static constexpr std::array<std::string_view, 7> prefixes = {"num",  "str",  "bool",  "func",
                                                                 "cond", "iter", "output"};
    const std::string lower = lowerAscii(alias);
    for (std::string_view prefix : prefixes)
        if (lower.size() > prefix.size() && lower.starts_with(prefix) &&
            lower[prefix.size()] >= '0' && lower[prefix.size()] <= '9')
            return true;
    return false;
}

bool canBeArray(const TVisualor& object) {
    const std::uint8_t k = object.VisualorStyle;
    return k == kind::Number || k == kind::Boolean || k == kind::String;
}

std::string elementValue(const TprogramVaribler& element) {
    return element.running() ? element.GetValue() : element.StoreValueText();
}

} // namespace

std::string Tprogramspace::checkAliasOnLeave(std::string_view alias) {
    return readsAsNumber(trimmed(alias)) ? cp("不允许数字名称") : std::string();
}

void Tprogramspace::fillAttributes(const TVisualor& object, AttributeWindow& window) const {
    window = AttributeWindow{};
    const TVisualor& owner = windowOwner(object);
    owner.writedefinewindow(window);
    if (!editedMain()) window.parametersEnabled = false;
    if (const TprogramArray* array = arrayOf(object)) {
        window.VisualorAlias = array->VisualorAlias;
        window.IsArray = true;
        window.ArrayLowdimension = array->ArrayLow;
        window.ArrayHighdimension = array->ArrayHigh;
        for (const TprogramVaribler* element : array->Elements)
            window.arrayValues.push_back(elementValue(*element));
    } else if (!canBeArray(object)) {
        window.arrayEnabled = false;
    }
}

std::string Tprogramspace::checkAttributes(const TVisualor& object,
                                           const AttributeWindow& window) const {
    if (!dynamic_cast<const TprogramVaribler*>(&object)) return {};
    const std::string alias = trimmed(window.VisualorAlias);
    if (window.aliasEnabled) {
        if (std::string refusal = checkAliasOnLeave(alias); !refusal.empty()) return refusal;
        const TprogramArray* array = arrayOf(object);
        if (lowerAscii(alias) != lowerAscii(object.VisualorAlias)) {
            for (const auto& e : objects.elements) {
                if (e.get() == &object || e.get() == array || (array && e.get() == array->Pattern))
                    continue;
                if (lowerAscii(e->VisualorAlias) == lowerAscii(alias))
                    return cp("存在一个同名变量.");
            }
            if (reservedName(alias)) return cp("非法变量名称.");
        }
    }
    if (window.IsArray && window.arrayEnabled) {
        if (window.ArrayLowdimension > window.ArrayHighdimension)
            return cp("数组下界不能大于上界!");
        if (std::int64_t(window.ArrayHighdimension) - window.ArrayLowdimension + 1 >
            kMaxArrayElements)
            return cp("数组元素不能超过640个!");
    }
    return {};
}

bool Tprogramspace::applyAttributes(TVisualor& object, const AttributeWindow& window) {
    if (std::string refusal = checkAttributes(object, window); !refusal.empty()) {
        platform().warning(refusal);
        return false;
    }
    const std::string alias = trimmed(window.VisualorAlias);
    if (auto* function = dynamic_cast<TprogramFunction*>(&object);
        function && alias != function->VisualorAlias && objects.usedByAnyStep(function)) {
        if (!platform().confirm(cp("函数变量的变化将删除所有与之有关的步骤!") + "\r\n" +
                                cp("你想继续吗?")))
            return false;
        RemoveStepsOf(*function);
    }

    TprogramArray* array = arrayOf(object);
    auto* owner = dynamic_cast<TVaribler*>(const_cast<TVisualor*>(&windowOwner(object)));
    if (array && window.arrayEnabled) {
        const bool removed = !window.IsArray;
        const bool resized = window.ArrayLowdimension != array->ArrayLow ||
                             window.ArrayHighdimension != array->ArrayHigh;
        if (removed || resized) {
            if (!platform().confirm(cp("数组的变化将删除所有与之有关的步骤和索引变量!") + "\r\n" +
                                    cp("你想继续吗?")))
                return false;
            if (removed) {
                removeArray(*array);
                array = nullptr;
            } else {
                removeArrayElements(*array);
                array->ArrayLow = window.ArrayLowdimension;
                array->ArrayHigh = window.ArrayHighdimension;
                if (array->Pattern) {
                    array->Pattern->PatternLow = array->ArrayLow;
                    array->Pattern->PatternHigh = array->ArrayHigh;
                }
                makeArrayElements(*array);
            }
        }
    } else if (!array && window.IsArray && window.arrayEnabled && canBeArray(object)) {
        if (!platform().confirm(cp("变成数组将删除所有与之有关的步骤和索引变量!") + "\r\n" +
                                cp("你想继续吗?")))
            return false;
        convertToArray(static_cast<TValueVaribler&>(object), window.ArrayLowdimension,
                       window.ArrayHighdimension);
        array = arrayOf(object);
    }

    if (owner)
        owner->readdefinewindow(window);
    else
        object.readdefinewindow(window);
    if (array) {
        if (array->VisualorAlias != alias && window.aliasEnabled) array->SetAlias(alias);
        auto* pattern = dynamic_cast<TprogramVaribler*>(array->Pattern);
        if (pattern && pattern->ArrayConverted) {
            // A new array starts with the variable's value in every element.
            pattern->ArrayConverted = false;
            for (TprogramVaribler* element : array->Elements)
                element->SetStoreValueText(window.value);
        } else if (window.arrayValues.size() == array->Elements.size()) {
            for (std::size_t i = 0; i < array->Elements.size(); ++i) {
                if (array->Elements[i]->running())
                    array->Elements[i]->SetValue(window.arrayValues[i]);
                else
                    array->Elements[i]->SetStoreValueText(window.arrayValues[i]);
            }
        }
    }
    rebuildDerivedNames();
    modified = true;
    return true;
}

void Tprogramspace::convertToArray(TValueVaribler& variable, int low, int high) {
    RemoveStepsOf(variable);
    std::vector<TprogramVaribler*> indexes;
    for (const auto& e : objects.elements)
        if (e.get() != &variable && e->dependsOn(&variable)) objects.collectDependents(*e, indexes);
    for (TprogramVaribler* e : indexes)
        RemoveStepsOf(*e);
    eraseAll(indexes);

    auto array = makeObject<TprogramArray>(this, variable.centreX(), variable.centreY(),
                                           nextSerial(objects.elementCount));
    array->Pattern = &variable;
    array->ArrayLow = low;
    array->ArrayHigh = high;
    array->VisualorAlias = variable.VisualorAlias;
    TprogramArray* made = array.get();
    objects.elements.push_back(std::move(array));
    variable.MakeIdle();
    variable.IndexMode = indexmode::Pattern;
    variable.ArrayObject = made;
    variable.PatternDefined = true;
    variable.PatternLow = low;
    variable.PatternHigh = high;
    variable.ArrayConverted = true;
    variable.ShowObject(false);
    variable.ShowAlias(); // the label now ends in "[P]"
    makeArrayElements(*made);
    made->unselectdraw();
    made->ShowObject(true);
    workspace_.releasePending();
}

void Tprogramspace::makeArrayElements(TprogramArray& array) {
    auto* pattern = dynamic_cast<TValueVaribler*>(array.Pattern);
    for (std::int64_t i = array.ArrayLow; i <= array.ArrayHigh; ++i) {
        std::unique_ptr<TValueVaribler> element;
        switch (array.elementKind()) {
        case kind::Boolean:
            element = makeObject<TprogramBoolean>(this, array.centreX(), array.centreY(), 0);
            break;
        case kind::String:
            element = makeObject<TprogramString>(this, array.centreX(), array.centreY(), 0);
            break;
        default:
            element = makeObject<TprogramNumber>(this, array.centreX(), array.centreY(), 0);
            break;
        }
        element->IsDerived = true;
        element->IndexMode = indexmode::Element;
        element->ArrayObject = &array;
        if (pattern) element->Stores = pattern->Stores;
        element->SetAlias(array.VisualorAlias + "[" + decimal(i) + "]");
        array.Elements.push_back(element.get());
        objects.elements.push_back(std::move(element));
    }
}

void Tprogramspace::removeArrayElements(TprogramArray& array) {
    for (const auto& c : objects.commanders)
        c->RemoveStepsUsingArray(&array);
    std::vector<TprogramVaribler*> going;
    for (const auto& e : objects.elements)
        if (e.get() != array.Pattern &&
            ((e->IndexMode == indexmode::Element && e->ArrayObject == &array) ||
             e->dependsOn(&array)))
            objects.collectDependents(*e, going);
    for (TprogramVaribler* e : going)
        RemoveStepsOf(*e);
    eraseAll(going);
    array.Elements.clear();
    workspace_.releasePending();
}

void Tprogramspace::removeArray(TprogramArray& array) {
    removeArrayElements(array);
    TprogramVaribler* pattern = array.Pattern;
    RemoveStepsOf(array);
    eraseAll({&array});
    if (pattern) {
        pattern->IndexMode = indexmode::Plain;
        pattern->ArrayObject = nullptr;
        pattern->PatternDefined = false;
        pattern->ShowObject(true);
        pattern->ShowAlias();
    }
    workspace_.releasePending();
}

} // namespace olvide
