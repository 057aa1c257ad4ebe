#include "olvide/views/layout/step_layout.h"

#include "olvide/model/commanders/commander.h"
#include "olvide/model/elements/program_varibler.h"
#include "olvide/model/objects/constant.h"
#include "olvide/model/steps/operators.h"
#include "olvide/model/steps/step_variables.h"
#include "olvide/model/text.h"

#include <algorithm>
#include <array>
#include <span>

namespace olvide::views {

namespace {

// The step variable that shows an object of this kind; the plain one when the step has no
// object in that place.
std::unique_ptr<TstepVaribler> stepVariableFor(const TprogramVaribler* object) {
    switch (object ? object->operandKind() : kind::Varibler) {
    case kind::Number:
        return std::make_unique<TStepNumber>(nullptr);
    case kind::Iteration:
        return std::make_unique<TStepIteration>(nullptr);
    case kind::Boolean:
        return std::make_unique<TStepBoolean>(nullptr);
    case kind::Condition:
        return std::make_unique<TStepCondition>(nullptr);
    case kind::String:
        return std::make_unique<TStepString>(nullptr);
    case kind::OutputLineA:
    case kind::OutputLineX:
        return std::make_unique<TStepOIString>(nullptr);
    case kind::Output:
        return std::make_unique<TStepOutput>(nullptr);
    case kind::Function:
        return std::make_unique<TStepFunction>(nullptr);
    default:
        return std::make_unique<TstepVaribler>(nullptr);
    }
}

std::unique_ptr<TVisualor> operandPicture(TprogramVaribler* object) {
    auto picture = stepVariableFor(object);
    picture->Create(0, 0, object ? object->VisualorId : 0);
    picture->shownIn = ShownIn::StepWindow;
    picture->Shown = object;
    // A step that lost its object shows an empty place rather than a made-up name.
    picture->VisualorAlias = object ? object->VisualorAlias : std::string();
    return picture;
}

std::unique_ptr<TVisualor> constantPicture(const Tstep& step) {
    auto picture = std::make_unique<TStepconstant>(nullptr);
    picture->ConstantValue = step.constantText();
    picture->IsText = step.info().constant == ConstantKind::Text;
    picture->Create(0, 0, step.Constant ? step.Constant->VisualorId : 0);
    picture->shownIn = ShownIn::StepWindow;
    picture->VisualorAlias = picture->shownText();
    return picture;
}

std::unique_ptr<Toperator> operatorOfClass(SignClass signClass, std::string sign) {
    switch (signClass) {
    case SignClass::Add:
        return std::make_unique<TAddoperator>(nullptr, std::move(sign));
    case SignClass::Compare:
        return std::make_unique<TCompareoperator>(nullptr, std::move(sign));
    case SignClass::Boolean:
        return std::make_unique<TBooleanoperator>(nullptr, std::move(sign));
    case SignClass::Flow:
        return std::make_unique<Tflowoperator>(nullptr, std::move(sign));
    case SignClass::Function:
        return std::make_unique<TFunctionoperator>(nullptr, std::move(sign));
    default:
        return std::make_unique<TSetoperator>(nullptr, std::move(sign));
    }
}

std::unique_ptr<Toperator> operatorFor(Slot slot, const OpInfo& row) {
    const std::string sign(slotSign(slot, row.sign));
    std::unique_ptr<Toperator> picture;
    switch (slot) {
    case Slot::Sign:
        picture = operatorOfClass(row.signClass, sign);
        break;
    case Slot::Call:
        picture = std::make_unique<TCalloperator>(nullptr);
        break;
    case Slot::InputSign:
        picture = std::make_unique<TInputoperator>(nullptr, sign);
        break;
    case Slot::OutputSign:
        picture = std::make_unique<TOutputoperator>(nullptr, sign);
        break;
    default: // "#" and "C->"
        picture = std::make_unique<TSetoperator>(nullptr, sign);
        break;
    }
    if (picture->Sign.empty() && !picture->signs().empty())
        picture->Sign = std::string(picture->signs().front());
    picture->Create(0, 0, 0);
    picture->shownIn = ShownIn::StepWindow;
    return picture;
}

// The object of an operand slot; none for a slot that shows no object.
TprogramVaribler* objectOf(Slot slot, const Tstep& step, const TParameter* binding) {
    switch (slot) {
    case Slot::X:
        return step.ObjectX;
    case Slot::Y:
        return step.ObjectY;
    case Slot::Z:
        return step.ObjectZ;
    case Slot::ActualInput:
        return binding ? binding->actualInput : nullptr;
    case Slot::FormalInput:
        return binding ? binding->formalInput : nullptr;
    case Slot::FormalOutput:
        return binding ? binding->formalOutput : nullptr;
    case Slot::ActualOutput:
        return binding ? binding->actualOutput : nullptr;
    default:
        return nullptr;
    }
}

bool showsObject(Slot slot) {
    switch (slot) {
    case Slot::X:
    case Slot::Y:
    case Slot::Z:
    case Slot::ActualInput:
    case Slot::FormalInput:
    case Slot::FormalOutput:
    case Slot::ActualOutput:
        return true;
    default:
        return false;
    }
}

// The signs the operator menus offer for the boolean operator.
constexpr std::array<std::string_view, 2> kBooleanMenuSigns{"&&", "||"};

bool isOneOf(std::string_view sign, std::span<const std::string_view> signs) {
    return std::find(signs.begin(), signs.end(), sign) != signs.end();
}

} // namespace

Role roleOf(Slot slot) {
    switch (slot) {
    case Slot::X:
        return Role::X;
    case Slot::Y:
        return Role::Y;
    case Slot::Z:
        return Role::Z;
    case Slot::A:
        return Role::A;
    default:
        return Role::None;
    }
}

std::vector<PlacedPicture> stepPictures(const Tstep& step, std::size_t parameter) {
    const OpInfo& row = step.info();
    const TParameter* binding =
        parameter < step.Parameters.size() ? &step.Parameters[parameter] : nullptr;
    const std::uint8_t callView =
        step.StepKind == stepkind::Call && !binding ? std::uint8_t{1} : step.CallView;

    std::vector<PlacedPicture> pictures;
    for (const LayoutSlot& slot : row.layout) {
        if (slot.slot == Slot::Comment || !shown(slot.when, step.ObjectX != nullptr, callView))
            continue;
        std::unique_ptr<TVisualor> object;
        if (showsObject(slot.slot))
            object = operandPicture(objectOf(slot.slot, step, binding));
        else if (slot.slot == Slot::A)
            object = constantPicture(step);
        else
            object = operatorFor(slot.slot, row);
        const int left = kFirstSlotLeft + kSlotPitch * static_cast<int>(pictures.size());
        object->VisualorImage.left = left;
        object->VisualorImage.top = kStepRowTop;
        object->VisualorImage.width = kStepPictureSize;
        object->VisualorImage.height = kStepPictureSize;
        object->VisualorImage.icon = slot.slot == Slot::A ? "Conico.bmp" : object->iconName();
        object->VisualorImage.visible = true;
        pictures.push_back({slot.slot, std::move(object)});
    }
    return pictures;
}

int stepNumber(const Tstep& step) {
    const TCommander* owner = step.OwnerCommander;
    if (!owner) return 0;
    for (int n = 1; n <= owner->stepCount(); ++n)
        if (owner->step(n) == &step) return n;
    return 0;
}

std::string stepCaption(const Tstep& step) {
    const std::string alias =
        step.OwnerCommander ? oneLine(step.OwnerCommander->VisualorAlias) : "";
    return alias + ": Step " + decimal(stepNumber(step));
}

std::optional<std::string> changedOperator(std::string_view code, std::string_view sign) {
    const OpInfo* row = findCode(code);
    if (!row) return std::nullopt;
    std::string changed;
    switch (row->action) {
    case Action::Arithmetic: // the sign is the second character: "x+A", "A-x", "y*x"
        if (!isOneOf(sign, signsOf(SignClass::Add))) return std::nullopt;
        changed = std::string(code);
        changed.replace(1, 1, sign);
        break;
    case Action::CompareNumbers: // "x" sign "A" / "y", the sign one or two characters
        if (!isOneOf(sign, signsOf(SignClass::Compare))) return std::nullopt;
        changed = std::string(1, code.front()) + std::string(sign) + code.back();
        break;
    case Action::And:
    case Action::Or:
        if (!isOneOf(sign, kBooleanMenuSigns)) return std::nullopt;
        changed = std::string(1, code.front()) + std::string(sign) + code.back();
        break;
    default:
        return std::nullopt;
    }
    // The new code is one of the same kind of step, or the step keeps its code.
    const OpInfo* changedRow = findCode(changed);
    if (!changedRow || changedRow->stepKind != row->stepKind) return std::nullopt;
    return changed;
}

} // namespace olvide::views
