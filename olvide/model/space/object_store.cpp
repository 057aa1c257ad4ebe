#include "olvide/model/space/object_store.h"

#include "olvide/model/objects/program_services.h"
#include "olvide/model/text.h"

#include <algorithm>
#include <limits>

namespace olvide {

namespace {

template <class List> auto atSerial(const List& list, std::int32_t n) {
    using Item = decltype(list.front().get());
    if (n < 1 || n > static_cast<std::int32_t>(list.size())) return Item{};
    return list[static_cast<std::size_t>(n - 1)].get();
}

template <class List> int positionIn(const List& list, const TVisualor* object) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == object) return static_cast<int>(i);
    return -1;
}

template <class List, class Object>
std::unique_ptr<typename List::value_type::element_type> takeFrom(List& list,
                                                                  const Object* object) {
    auto it = std::find_if(list.begin(), list.end(),
                           [object](const auto& p) { return p.get() == object; });
    if (it == list.end()) return nullptr;
    auto taken = std::move(*it);
    list.erase(it);
    return taken;
}

} // namespace

std::int32_t nextSerial(std::int32_t& counter) {
    if (counter < std::numeric_limits<std::int32_t>::max()) ++counter;
    return counter;
}

// Look-ups.

TprogramVaribler* ObjectStore::ObjectByIndex(std::int32_t n) const {
    return atSerial(elements, n);
}

Tprogramconstant* ObjectStore::ConstantByIndex(std::int32_t n) const {
    return atSerial(constants, n);
}

TCommander* ObjectStore::CommanderByIndex(std::int32_t n) const {
    return atSerial(commanders, n);
}

int ObjectStore::IndexOf(const TVisualor* object) const {
    if (!object) return -1;
    if (kind::isCommander(object->VisualorStyle)) return positionIn(commanders, object);
    if (object->VisualorStyle == kind::Yin) return positionIn(yins, object);
    if (object->VisualorStyle == kind::Constant) return positionIn(constants, object);
    return positionIn(elements, object);
}

int ObjectStore::mainCommanderTotal() const {
    int count = 0;
    for (const auto& c : commanders)
        if (c->VisualorStyle == kind::Main) ++count;
    return count;
}

TMaincommander* ObjectStore::mainCommander(int i) const {
    for (const auto& c : commanders)
        if (c->VisualorStyle == kind::Main && i-- == 0)
            return static_cast<TMaincommander*>(c.get());
    return nullptr;
}

int ObjectStore::storeIndexOf(const TMaincommander* main) const {
    int index = 0;
    for (const auto& c : commanders) {
        if (c->VisualorStyle != kind::Main) continue;
        if (c.get() == main) return index;
        ++index;
    }
    return -1;
}

TprogramVaribler* ObjectStore::findElement(std::string_view alias) const {
    for (const auto& e : elements)
        if (equalsIgnoreCase(e->VisualorAlias, alias)) return e.get();
    return nullptr;
}

TCommander* ObjectStore::findCommander(std::string_view alias) const {
    for (const auto& c : commanders)
        if (equalsIgnoreCase(c->VisualorAlias, alias)) return c.get();
    return nullptr;
}

bool ObjectStore::usedByAnyStep(const TVisualor* object) const {
    return std::any_of(commanders.begin(), commanders.end(),
                       [object](const auto& c) { return c->UsesObject(object); });
}

void ObjectStore::collectDependents(TprogramVaribler& element,
                                    std::vector<TprogramVaribler*>& out) const {
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

// Making.

std::unique_ptr<TprogramVaribler> ObjectStore::makeElement(std::uint8_t kindCode, int x, int y,
                                                           std::int32_t id) const {
    ProgramServices* owner = &owner_;
    switch (kindCode) {
    case kind::Number:
        return makeObject<TprogramNumber>(owner, x, y, id);
    case kind::Boolean:
        return makeObject<TprogramBoolean>(owner, x, y, id);
    case kind::String:
        return makeObject<TprogramString>(owner, x, y, id);
    case kind::OutputLineA:
        return makeObject<TprogramOutputIndexAString>(owner, x, y, id);
    case kind::OutputLineX:
        return makeObject<TProgramOutputIndexxString>(owner, x, y, id);
    case kind::Condition:
        return makeObject<Tprogramcondition>(owner, x, y, id);
    case kind::Iteration:
        return makeObject<TprogramIteration>(owner, x, y, id);
    case kind::Index:
        return makeObject<TprogramIndex>(owner, x, y, id);
    case kind::Function:
        return makeObject<TprogramFunction>(owner, x, y, id);
    case kind::Output:
        return makeObject<TprogramOutput>(owner, x, y, id);
    case kind::Array:
        return makeObject<TprogramArray>(owner, x, y, id);
    default:
        return nullptr;
    }
}

// Reading.

std::unique_ptr<TprogramVaribler> ObjectStore::createElementForReading(std::uint8_t kindCode,
                                                                       TprogramVaribler* pattern) {
    reading_ = true;
    std::unique_ptr<TprogramVaribler> made = makeElement(kindCode, 24, 24, 0);
    reading_ = false;
    if (auto* array = dynamic_cast<TprogramArray*>(made.get())) array->Pattern = pattern;
    return made;
}

std::unique_ptr<TCommander> ObjectStore::createCommanderForReading(std::uint8_t kindCode) {
    switch (kindCode) {
    case kind::Main:
        return makeObject<TMaincommander>(&owner_, 24, 24, 0);
    case kind::True:
        return makeObject<TTruecommander>(&owner_, 24, 24, 0);
    case kind::False:
        return makeObject<TFalsecommander>(&owner_, 24, 24, 0);
    case kind::For:
        return makeObject<TForcommander>(&owner_, 24, 24, 0);
    default:
        return nullptr;
    }
}

std::unique_ptr<Tprogramconstant> ObjectStore::createConstantForReading() {
    auto constant = std::make_unique<Tprogramconstant>(&owner_);
    constant->ConstantValue = std::string("0");
    constant->Create(24, 24, 0);
    return constant;
}

std::unique_ptr<Tyin> ObjectStore::createYinForReading() {
    return makeObject<Tyin>(&owner_, 24, 24, 0);
}

// Adding and taking out.

TprogramVaribler& ObjectStore::adoptElement(std::unique_ptr<TprogramVaribler> element) {
    TprogramVaribler& adopted = *addElement(std::move(element));
    const std::uint8_t k = adopted.VisualorStyle;
    const bool canBeElement =
        (k >= kind::Array && k <= kind::Boolean) || (k >= kind::Condition && k <= kind::String);
    if (canBeElement && adopted.IndexMode == indexmode::Element && adopted.ArrayObject)
        adopted.ArrayObject->Elements.push_back(&adopted);
    return adopted;
}

TCommander& ObjectStore::adoptCommander(std::unique_ptr<TCommander> commander) {
    TCommander& adopted = *commander;
    if (commander->VisualorStyle == kind::Main) {
        auto firstFlow = std::find_if(commanders.begin(), commanders.end(),
                                      [](const auto& c) { return c->VisualorStyle != kind::Main; });
        commanders.insert(firstFlow, std::move(commander));
    } else {
        commanders.push_back(std::move(commander));
    }
    return adopted;
}

std::unique_ptr<TprogramVaribler> ObjectStore::takeElement(const TprogramVaribler* element) {
    return takeFrom(elements, element);
}

std::unique_ptr<TCommander> ObjectStore::takeCommander(const TCommander* commander) {
    return takeFrom(commanders, commander);
}

void ObjectStore::removeConstant(const Tprogramconstant* constant) {
    // While everything goes the constants go together after the steps: a search per step
    // would make freeing a long program quadratic.
    if (clearing_) return;
    // The constant of the step deleted last is the likeliest to be the last one made.
    auto it = std::find_if(constants.rbegin(), constants.rend(),
                           [constant](const auto& p) { return p.get() == constant; });
    if (it != constants.rend()) constants.erase(std::next(it).base());
}

void ObjectStore::clear() {
    clearing_ = true;
    commanders.clear();
    elements.clear();
    constants.clear();
    clearing_ = false;
    yins.clear();
    paintElements.clear();
}

} // namespace olvide
