#pragma once
// Argument pictures: they stand for a main commander's parameters (in its attribute window
// and in the parameter window) and answer the parameter flags of the element they stand for.
#include "olvide/model/objects/varibler.h"

namespace olvide {

class TMaincommander;
class TprogramVaribler;

class TArgumentVaribler : public TVaribler {
public:
    using TVaribler::TVaribler;
    TprogramVaribler* Argument = nullptr;
    // The main commander the flags are asked for; none for the one being edited.
    const TMaincommander* Concerned = nullptr;

    std::string setvisualorname(std::int32_t id) const override;
    std::uint8_t setvisualorstyle() const override { return kind::Varibler; }
    bool IsInputParameterFor() const override;
    bool IsOutputParameterFor() const override;

protected:
    std::string prefixed(std::string_view plain, std::string_view temp, std::int32_t id) const;
};

#define OLVIDE_ARGUMENT(Name, Kind, Plain, Temp, Icon)                                             \
    class Name : public TArgumentVaribler {                                                        \
    public:                                                                                        \
        using TArgumentVaribler::TArgumentVaribler;                                                \
        std::string setvisualorname(std::int32_t id) const override {                              \
            return prefixed(Plain, Temp, id);                                                      \
        }                                                                                          \
        std::uint8_t setvisualorstyle() const override { return Kind; }                            \
        std::string iconName() const override { return Icon; }                                     \
    };
OLVIDE_ARGUMENT(TArgumentNumber, kind::Number, "aNum", "tempaNum", "numico.bmp")
OLVIDE_ARGUMENT(TArgumentBoolean, kind::Boolean, "aBool", "tempaBool", "Boolico.bmp")
OLVIDE_ARGUMENT(TArgumentCondition, kind::Condition, "aCond", "tempaCond", "Condico.bmp")
OLVIDE_ARGUMENT(TArgumentIteration, kind::Iteration, "aIter", "tempaIter", "iteico.bmp")
OLVIDE_ARGUMENT(TArgumentString, kind::String, "aStr", "tempaStr", "strico.bmp")
OLVIDE_ARGUMENT(TArgumentOIString, kind::String, "aOIStr", "tempaOIStr", "Ostrico.bmp")
#undef OLVIDE_ARGUMENT

// The argument picture of the element's kind (for the parameter window and the main
// commander's attribute window).
std::unique_ptr<TArgumentVaribler> makeArgumentPicture(TprogramVaribler& element,
                                                       const TMaincommander* concerned);

} // namespace olvide
