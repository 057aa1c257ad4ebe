#pragma once
// Step variables: the small copies of a program object that the step window shows for an
// operand; each keeps the object it shows.
#include "olvide/model/objects/varibler.h"

namespace olvide {

class TstepVaribler : public TVaribler {
public:
    using TVaribler::TVaribler;
    TVisualor* Shown = nullptr;
    std::string setvisualorname(std::int32_t id) const override;
    std::uint8_t setvisualorstyle() const override { return kind::Varibler; }

protected:
    std::string prefixed(std::string_view plain, std::string_view temp, std::int32_t id) const;
};

#define OLVIDE_STEP_VARIBLER(Name, Kind, Plain, Temp, Icon)                                        \
    class Name : public TstepVaribler {                                                            \
    public:                                                                                        \
        using TstepVaribler::TstepVaribler;                                                        \
        std::string setvisualorname(std::int32_t id) const override {                              \
            return prefixed(Plain, Temp, id);                                                      \
        }                                                                                          \
        std::uint8_t setvisualorstyle() const override { return Kind; }                            \
        std::string iconName() const override { return Icon; }                                     \
    };
OLVIDE_STEP_VARIBLER(TStepFunction, kind::Function, "sFunc", "tempsfunc", "funico.bmp")
OLVIDE_STEP_VARIBLER(TStepNumber, kind::Number, "sNum", "tempsNum", "numico.bmp")
OLVIDE_STEP_VARIBLER(TStepBoolean, kind::Boolean, "sBool", "tempsBool", "Boolico.bmp")
OLVIDE_STEP_VARIBLER(TStepCondition, kind::Condition, "sCond", "tempsCond", "Condico.bmp")
OLVIDE_STEP_VARIBLER(TStepIteration, kind::Iteration, "sIter", "tempsIter", "iteico.bmp")
OLVIDE_STEP_VARIBLER(TStepOutput, kind::Output, "sOutput", "tempsOutput", "outico.bmp")
OLVIDE_STEP_VARIBLER(TStepString, kind::String, "sStr", "tempsStr", "strico.bmp")
OLVIDE_STEP_VARIBLER(TStepOIString, kind::String, "sOIStr", "tempsOIStr", "Ostrico.bmp")
#undef OLVIDE_STEP_VARIBLER

} // namespace olvide
