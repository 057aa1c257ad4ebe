#pragma once
// The step window's row of pictures, as a function of the step: which picture stands at which
// slot (from the code table's layout column), what it shows and where. The pictures are the
// model's own objects (step variables, the constant picture, operators) so that an operand
// picture can be selected and take part in an operation like any other variable; the window
// only draws them.
#include "olvide/model/steps/step.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace olvide::views {

// The row stands at top 28; its slots start at left 33, 30 pixels apart.
inline constexpr int kStepRowTop = 28;
inline constexpr int kFirstSlotLeft = 33;
inline constexpr int kSlotPitch = 30;
inline constexpr int kStepPictureSize = 24;

// One picture of the row: the slot of the layout it fills and the object that draws it.
struct PlacedPicture {
    Slot slot;
    std::unique_ptr<TVisualor> object;
};

// The operand of the step a slot shows (x, y, z or the constant); None for the sign pictures
// and for the slots of a call step.
Role roleOf(Slot slot);

// The pictures of a step, left to right, placed at the slots. Operands are step variables of
// their object's kind labelled with its alias; the constant is a constant picture (text in
// single quotes); signs are operator pictures of the class the code's row names. A call step
// shows the binding of `parameter` in call views 0 and 2; without that parameter it shows the
// call itself, since there is no binding to show.
std::vector<PlacedPicture> stepPictures(const Tstep& step, std::size_t parameter = 0);

// The step window's caption: the owner commander's alias on one line, ": Step " and the
// step's number.
std::string stepCaption(const Tstep& step);

// The code of the step after choosing another sign from an operator picture's menu; none when
// the code keeps its operator (a code of another family, or a sign of another family).
std::optional<std::string> changedOperator(std::string_view code, std::string_view sign);

// 1-based position of the step in its commander; 0 when it is not in one.
int stepNumber(const Tstep& step);

} // namespace olvide::views
