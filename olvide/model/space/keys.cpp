// The keyboard of a program space and the menu handlers that keys and menus share.
#include "olvide/model/space/menus.h"
#include "olvide/model/space/programspace.h"

#include <array>
#include <functional>
#include <map>

namespace olvide {

namespace {

// One row of the key table: a key (with Shift when `shifted`), the kinds it acts for, and the
// handler (the Alt variant, when there is one, sends the code with a constant).
struct KeyBinding {
    int key;
    bool shifted;
    std::vector<std::uint8_t> kinds;
    const char* handler;
    const char* altHandler;
};

const std::vector<KeyBinding>& keyTable() {
    using namespace kind;
    static const std::vector<KeyBinding> table = {
        {olvide::key::Delete, false, {Number}, "numberDeleteClick", nullptr},
        {olvide::key::Delete, false, {Boolean}, "BooleanDeleteClick", nullptr},
        {olvide::key::Delete,
         false,
         {String, OutputLineA, OutputLineX},
         "StringDeleteClick",
         nullptr},
        {olvide::key::Delete, false, {Condition}, "conditiondeleteClick", nullptr},
        {olvide::key::Delete, false, {Iteration}, "IterationdeleteClick", nullptr},
        {olvide::key::Delete, false, {Array}, "ArrayDeleteClick", nullptr},
        {olvide::key::Delete, false, {Output}, "OutputDeleteClick", nullptr},
        {olvide::key::Delete, false, {Function}, "functiondeleteClick", nullptr},
        {'S', false, {String}, "StringWholeSetClick", nullptr},
        {'S', false, {Output}, "OutputSetClick", nullptr},
        {'S',
         false,
         {Number, Iteration, Boolean, Condition, OutputLineA, OutputLineX},
         "NumberSetClick",
         nullptr},
        {olvide::key::Digit1, true, {Boolean, Condition}, "BooleanNotXClick", nullptr},
        {olvide::key::Digit7, true, {Boolean, Condition}, "BooleanXAndYClick", nullptr},
        {olvide::key::Backslash, true, {Boolean, Condition}, "BooleanXorYClick", nullptr},
        {olvide::key::Digit8,
         true,
         {Number, Iteration},
         "numberxmultipleyClick",
         "numberxmultipleAClick"},
        {olvide::key::Equals, true, {Number, Iteration}, "numberxplusyClick", "NumberxplusAClick"},
        {olvide::key::Equals, true, {String}, "StringaddxClick", "StringaddAClick"},
        {olvide::key::Equals, true, {Output}, "OutputAddLinexClick", "OutputAddLineSClick"},
        {olvide::key::Equals,
         false,
         {Number, Iteration},
         "numberxequalyClick",
         "numberxEqualAClick"},
        {olvide::key::Equals, false, {String}, "StringEqualxClick", "StringEqualAClick"},
        {olvide::key::Minus,
         false,
         {Number, Iteration},
         "numberxminusyClick",
         "numberxminusAClick"},
        {olvide::key::Slash,
         false,
         {Number, Iteration},
         "numberxdivideyClick",
         "numberxdivideAClick"},
        {olvide::key::Period,
         true,
         {Number, Iteration},
         "numberxgreatyClick",
         "numberxGreatAClick"},
        {olvide::key::Period, true, {String}, "StringGreatxClick", "StringGreatAClick"},
        {olvide::key::Comma, true, {Number, Iteration}, "numberxlessyClick", "numberxLessAClick"},
        {olvide::key::Comma, true, {String}, "StringLessxClick", "StringLessAClick"},
        {'A', false, {Output}, "OutputIndexAClick", nullptr},
        {'A', false, {Array}, "ConstantIndexClick", nullptr},
        {'X', false, {Output}, "OutputIndexxClick", nullptr},
        {'X', false, {Array}, "VariblerIndexClick", nullptr},
        {'P', false, {Array}, "PresentIndexClick", nullptr},
        {'C', false, {Iteration}, "IterationcallbackClick", nullptr},
        {'C', false, {Array}, "ArrayCallbackClick", nullptr},
        {'C', false, {Output}, "outputCallbackClick", nullptr},
        {'C', false, {String}, "stringcallBackClick", nullptr},
        {'D', false, {Iteration}, "IterationDoClick", nullptr},
        {'D', false, {Condition}, "ConditionDoClick", nullptr},
        {'T', false, {Condition}, "conditionShowTruemanClick", nullptr},
        {'F', false, {Condition}, "ConditionShowFalsemanClick", nullptr},
        {'F', false, {Iteration}, "IterationShowFormanClick", nullptr},
        {'G', false, {Iteration}, "ShowIterationFromerClick", nullptr},
        {'H', false, {Iteration}, "ShowIterationToerClick", nullptr},
        {'J', false, {Iteration}, "ShowIterationSteperClick", nullptr},
        {'K', false, {String}, "StringclipLocaterClick", nullptr},
        {'L', false, {String}, "StringClipMeasurerClick", nullptr},
    };
    return table;
}

// Letters and Delete act with or without Shift; the punctuation and digit keys only as given.
bool shiftMatters(int key) {
    return !(key == olvide::key::Delete || (key >= 'A' && key <= 'Z'));
}

const char* handlerForKey(std::uint8_t objectKind, int key, KeyModifiers modifiers) {
    for (const KeyBinding& binding : keyTable()) {
        if (binding.key != key) continue;
        if (shiftMatters(key) && binding.shifted != modifiers.shift) continue;
        bool forKind = false;
        for (std::uint8_t k : binding.kinds)
            forKind = forKind || k == objectKind;
        if (!forKind) continue;
        return modifiers.alt && binding.altHandler ? binding.altHandler : binding.handler;
    }
    return nullptr;
}

} // namespace

void Tprogramspace::keyDown(int key, KeyModifiers modifiers, bool fromParameterWindow) {
    if (modifiers.ctrl && key == 'W') {
        drawingEnabled = !drawingEnabled;
        return;
    }
    if (key == olvide::key::Escape && edit.operationWaits()) {
        cancelOperation();
        return;
    }
    if (!edit.selected) {
        if (TCommander* active = edit.activeCommander; active && !fromParameterWindow) {
            active->KeyDown(key, modifiers);
            if (key == olvide::key::Delete)
                runHandler(active->VisualorStyle == kind::Main ? "MainCommanderDeleteClick"
                                                               : "flowCommanderDeleteClick");
        } else if (key == olvide::key::Delete && edit.selectedYin) {
            deleteYin(*edit.selectedYin);
        }
        return;
    }
    edit.selected->KeyDown(key, modifiers);
    if (!edit.selected) return; // the key took the object away ("V" on a temporary)
    if (edit.activeCommander) edit.activeCommander->KeyDown(key, modifiers);
    // The keys of an index act for its array.
    if (auto* index = dynamic_cast<TprogramIndex*>(edit.selected); index && index->IndexArray) {
        TVaribler* was = edit.selected;
        edit.selected = nullptr;
        was->MakeIdle();
        edit.Select(index->IndexArray);
    }
    if (const char* handler = handlerForKey(edit.selected->VisualorStyle, key, modifiers))
        runHandler(handler);
}

bool Tprogramspace::runHandler(std::string_view handler) {
    if (const std::string code = codeOfHandler(handler); !code.empty()) {
        edit.operate(code);
        return true;
    }
    TVaribler* selected = edit.selected;
    TCommander* active = edit.activeCommander;
    auto* element = dynamic_cast<TprogramVaribler*>(selected);
    auto* iteration = dynamic_cast<TprogramIteration*>(selected);
    auto* condition = dynamic_cast<Tprogramcondition*>(selected);
    auto* text = dynamic_cast<TprogramString*>(selected);
    using Action = std::function<void()>;
    const auto deleteSelected = [this, element] {
        if (element) deleteElement(*element);
    };
    const std::map<std::string_view, Action> actions = {
        {"numberDeleteClick", deleteSelected},
        {"IterationdeleteClick", deleteSelected},
        {"BooleanDeleteClick", deleteSelected},
        {"conditiondeleteClick", deleteSelected},
        {"StringDeleteClick", deleteSelected},
        {"OutputDeleteClick", deleteSelected},
        {"ArrayDeleteClick", deleteSelected},
        {"functiondeleteClick", deleteSelected},
        {"IterationShowFormanClick",
         [iteration] {
             if (iteration) iteration->showForman();
         }},
        {"ShowIterationFromerClick",
         [iteration] {
             if (iteration) iteration->showPart(iteration->FromPart);
         }},
        {"ShowIterationToerClick",
         [iteration] {
             if (iteration) iteration->showPart(iteration->ToPart);
         }},
        {"ShowIterationSteperClick",
         [iteration] {
             if (iteration) iteration->showPart(iteration->StepPart);
         }},
        {"conditionShowTruemanClick",
         [condition] {
             if (condition) condition->showTrueman();
         }},
        {"ConditionShowFalsemanClick",
         [condition] {
             if (condition) condition->showFalseman();
         }},
        {"StringclipLocaterClick",
         [text] {
             if (text) text->showPart(text->LocatePart);
         }},
        {"StringClipMeasurerClick",
         [text] {
             if (text) text->showPart(text->MeasurePart);
         }},
        {"StringFixedLenerClick",
         [text] {
             if (text) text->showPart(text->FixedLenPart);
         }},
        {"ArrayCallbackClick",
         [this, selected] {
             if (auto* array = dynamic_cast<TprogramArray*>(selected)) hideIndexesOf(*array);
         }},
        {"outputCallbackClick",
         [this, selected] {
             if (auto* output = dynamic_cast<TprogramOutput*>(selected)) hideLinesOf(*output);
         }},
        {"MainCommanderDeleteClick",
         [this, active] {
             if (active && active->VisualorStyle == kind::Main) deleteCommander(*active);
         }},
        {"flowCommanderDeleteClick",
         [this, active] {
             if (active && kind::isFlowCommander(active->VisualorStyle)) deleteCommander(*active);
         }},
    };
    const auto found = actions.find(handler);
    if (found == actions.end()) return false;
    found->second();
    return true;
}

void Tprogramspace::hideIndexesOf(const TprogramArray& array) {
    for (const auto& element : objects.elements) {
        const auto* index = dynamic_cast<const TprogramIndex*>(element.get());
        const bool belongs = (element->IsDerived &&
                              (element->IndexMode == indexmode::Element ||
                               element->IndexMode == indexmode::Pattern) &&
                              element->ArrayObject == &array) ||
                             (index && index->IndexArray == &array);
        if (belongs && element->shown()) {
            element->MakeIdle();
            element->ShowObject(false);
        }
    }
}

void Tprogramspace::hideLinesOf(const TprogramOutput& output) {
    for (const auto& element : objects.elements) {
        auto* line = dynamic_cast<TOutputLineString*>(element.get());
        if (line && line->LineOutput == &output && line->shown()) {
            line->MakeIdle();
            line->ShowObject(false);
        }
    }
}

} // namespace olvide
