#pragma once
// The nine add buttons of the control panel.
#include <array>

namespace olvide::forms {

// In the order in which a mouse-down on a program space looks for the first one down.
enum class AddButton {
    addMaincommander,
    addNumber,
    addBoolean,
    addCondition,
    addIteration,
    addFunction,
    addString,
    addoutput,
    addYin,
};

inline constexpr std::array<AddButton, 9> kAddButtons = {
    AddButton::addMaincommander, AddButton::addNumber,    AddButton::addBoolean,
    AddButton::addCondition,     AddButton::addIteration, AddButton::addFunction,
    AddButton::addString,        AddButton::addoutput,    AddButton::addYin,
};

} // namespace olvide::forms
