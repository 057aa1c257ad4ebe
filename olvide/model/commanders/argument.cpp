#include "olvide/model/commanders/argument.h"

#include "olvide/model/commanders/commander.h"
#include "olvide/model/elements/program_varibler.h"
#include "olvide/model/objects/program_services.h"
#include "olvide/model/text.h"

namespace olvide {

std::string TArgumentVaribler::prefixed(std::string_view plain, std::string_view temp,
                                        std::int32_t id) const {
    return std::string(IsTemp ? temp : plain) + decimal(id);
}

std::string TArgumentVaribler::setvisualorname(std::int32_t id) const {
    return prefixed("aVar", "TempaVar", id);
}

namespace {

const ValueStore* storeOfArgument(const TprogramVaribler* argument,
                                  const TMaincommander* concerned) {
    if (!argument) return nullptr;
    if (!concerned && argument->Owner) concerned = argument->Owner->editedMain();
    return concerned ? argument->storeFor(*concerned) : nullptr;
}

} // namespace

bool TArgumentVaribler::IsInputParameterFor() const {
    const ValueStore* store = storeOfArgument(Argument, Concerned);
    return store && store->StoreInput;
}

bool TArgumentVaribler::IsOutputParameterFor() const {
    const ValueStore* store = storeOfArgument(Argument, Concerned);
    return store && store->StoreOutput;
}

std::unique_ptr<TArgumentVaribler> makeArgumentPicture(TprogramVaribler& element,
                                                       const TMaincommander* concerned) {
    std::unique_ptr<TArgumentVaribler> picture;
    switch (element.operandKind()) {
    case kind::Number:
        picture = std::make_unique<TArgumentNumber>(nullptr);
        break;
    case kind::Boolean:
        picture = std::make_unique<TArgumentBoolean>(nullptr);
        break;
    case kind::Condition:
        picture = std::make_unique<TArgumentCondition>(nullptr);
        break;
    case kind::Iteration:
        picture = std::make_unique<TArgumentIteration>(nullptr);
        break;
    case kind::OutputLineA:
    case kind::OutputLineX:
        picture = std::make_unique<TArgumentOIString>(nullptr);
        break;
    default:
        picture = std::make_unique<TArgumentString>(nullptr);
        break;
    }
    picture->Create(0, 0, element.VisualorId);
    picture->Argument = &element;
    picture->Concerned = concerned;
    picture->VisualorAlias = element.VisualorAlias;
    return picture;
}

} // namespace olvide
