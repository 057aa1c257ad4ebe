#include "olvide/model/steps/step_variables.h"

#include "olvide/model/text.h"

namespace olvide {

std::string TstepVaribler::prefixed(std::string_view plain, std::string_view temp,
                                    std::int32_t id) const {
    return std::string(IsTemp ? temp : plain) + decimal(id);
}

std::string TstepVaribler::setvisualorname(std::int32_t id) const {
    return prefixed("sVar", "TempsVar", id);
}

} // namespace olvide
