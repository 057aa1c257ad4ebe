#pragma once
// The table of operation codes: one row per code with everything the system knows about it —
// the step kind that holds it, what executing it does, the operands it reads and writes and in
// which order, the kind of its result, the sign and display text of the step, the pictures of
// the step window and the figure of the flow window. The interpreter, the step text, the
// operators and the views read the row instead of deciding again what a code is.
//
// A step decodes its code once (`decodeOp`) and keeps its row (`Tstep::info`). Reading a row:
//   const OpInfo& row = step.info();
//   row.action, row.left, row.right, row.result     what executing the step does
//   for (const LayoutSlot& slot : row.layout)       the step window's pictures, left to right,
//       if (shown(slot.when, step.ObjectX != nullptr, step.CallView)) ...
//   row.display                                     the step's text, piece by piece
#include "olvide/model/kinds.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace olvide {

// The identity of a row. The rows are kept in this order (checked when the table is
// compiled) so that a row is found by its index; nothing else depends on the order, every
// property of a code is a column of its row.
enum class Op : std::uint8_t {
    Unknown,
    Head,    // kind 0
    Comment, // kind 6
    Call,    // kind 7
    // kind 1: object with constant
    XPlusA,
    XMinusA,
    XTimesA,
    XDivA,
    XQuotA,
    XModA,
    APlusX,
    AMinusX,
    ATimesX,
    ADivX,
    AQuotX,
    AModX,
    XGtA,
    XLtA,
    XGeA,
    XLeA,
    XEqA,
    XNeA,
    SPlusA,
    APlusS,
    SGtA,
    SEqA,
    SLtA,
    SGeA,
    SNeA,
    SLeA,
    SReplaceA,
    SRepeatA,
    // kind 2: set from constant
    ASetX,
    TSetX,
    FSetX,
    ASetS,
    OAddA,
    // kind 3: function of one object
    Int,
    Abs,
    Sqrt,
    Log,
    Exp,
    Sin,
    Cos,
    Tg,
    Arctg,
    Str,
    Not,
    Substring,
    Length,
    ClipLength,
    ToNumber,
    ClipToNumber,
    Clear,
    // kind 4: two objects
    XPlusY,
    XMinusY,
    XTimesY,
    XDivY,
    XQuotY,
    XModY,
    YPlusX,
    YMinusX,
    YTimesX,
    YDivX,
    YQuotX,
    YModX,
    XGtY,
    XLtY,
    XGeY,
    XLeY,
    XEqY,
    XNeY,
    And,
    Or,
    SPlusX,
    SGtX,
    SEqX,
    SLtX,
    SGeX,
    SNeX,
    SLeX,
    SReplaceX,
    SRepeatX,
    OAddS,
    // kind 5: copy
    Copy,
    SCopy,
    SClipCopy,
    OCopy,
    RefX,
    XAt,
    AtX,
    // kind 8: flow
    DoCondition,
    DoIteration,
    Exit,
    Return,
};

// What executing a step does; the interpreter dispatches on it. "left" and "right" are the
// operands in the order the code shows, "result" the object written.
enum class Action : std::uint8_t {
    Nothing,        // head and comment steps, and codes their kind does not list
    Arithmetic,     // result := left sign right
    CompareNumbers, // result := left compared with right as numbers
    CompareTexts,   // result := left compared with right as texts, byte by byte
    And,            // result := left and right
    Or,             // result := left or right
    Not,            // result := not left
    Join,           // result := left followed by right
    ReplaceClip,    // result := left with the clip of x replaced by right
    Replicate,      // result := left repeated right times
    NumberFunction, // result := function(left)
    SameText,       // result := left; the text changes its role, not its value
    ClipText,       // result := the clip of x
    Length,         // result := the length of left
    ClipLength,     // result := the length of the clip of x
    Assign,         // result := left
    AddLine,        // output x gets left as a new last line
    ClearLines,     // output x loses all its lines
    CopyLines,      // output y's lines := a copy of output x's lines; no value is read
    DoCondition,    // enter the true or false commander of condition x
    DoIteration,    // start iteration x and enter its for commander
    Exit,           // leave commanders outward, up to x or the nearest loop
    Return,         // leave the function
    Call,           // call the commander named Code of function x
};

// The operands of a step: the objects x, y and z and the constant A.
enum class Role : std::uint8_t { None, X, Y, Z, A };

// What an operand object of a code is; it also says whether the operands are read as numbers
// or as text.
enum class Family : std::uint8_t {
    None,
    Number,  // numbers and iterations
    Boolean, // booleans and conditions
    String,  // strings and output lines
    Output,
    Condition,
    Iteration,
    Loop, // a condition or an iteration, or none
    Function,
    Any, // any value object
};

// What the constant of a code holds, and so which window asks for it.
enum class ConstantKind : std::uint8_t {
    None,
    Number,
    Text,
    True,  // always "TRUE"; nobody is asked
    False, // always "FALSE"
};

// The picture class that draws a code's sign in the step window, and so which pop-up menu the
// picture carries.
enum class SignClass : std::uint8_t { None, Add, Compare, Boolean, Flow, Set, Function };

enum class Comparison : std::uint8_t { Greater, Less, GreaterEqual, LessEqual, Equal, NotEqual };
enum class NumberFunction : std::uint8_t { Int, Abs, Sqrt, Log, Exp, Sin, Cos, Tg, Arctg };

// When a piece of text or a picture is shown.
enum class When : std::uint8_t {
    Always,
    WithX,     // only when the step has an x
    WithoutX,  // only when it has none
    CallView0, // a call step showing the input binding of a parameter
    CallView1, // a call step showing the call
    CallView2, // a call step showing the output binding of a parameter
};

// Whether a piece or slot with this condition is shown for a step.
bool shown(When when, bool hasX, std::uint8_t callView);

// A piece of a step's display text; the text is the pieces joined with nothing between them.
struct TextPiece {
    enum Part : std::uint8_t {
        Literal,    // `literal`, UTF-8 in the source and the code page in the text
        X,          // the name of x (none gives nothing)
        Y,          // the name of y
        Z,          // the name of z
        A,          // the constant's text
        SpacedSign, // the code's sign between blanks: " + "
        Code,       // the step's Code as it stands
    };
    Part part;
    std::string_view literal{}; // a whole string literal: it is converted by its address
    When when = When::Always;
};

// A picture of the step window, left to right.
enum class Slot : std::uint8_t {
    X, // operand pictures (step variables) of x, y and z
    Y,
    Z,
    A,          // the constant picture
    Sign,       // an operator picture with the code's sign
    Assign,     // the set-operator picture "#"
    ClipAssign, // the set-operator picture "C->"
    Call,       // the call picture, before the function
    ActualInput,
    InputSign, // the argument-input picture between actual and formal input
    FormalInput,
    FormalOutput,
    OutputSign, // the argument-output picture between formal and actual output
    ActualOutput,
    Comment, // no pictures: the comment box shows Code
};

struct LayoutSlot {
    Slot slot;
    When when = When::Always;
};

// The sign a slot's picture shows: the code's sign, "#", "C->", "@"; empty for the operand,
// constant, call and comment slots, which show their objects.
std::string_view slotSign(Slot slot, std::string_view codeSign);

// The figure of a step in the flow window; `loop` replaces `plain` for a condition with the
// loop attribute. A head step's figure also depends on its commander (Tstep::flowFigure).
struct FlowFigure {
    std::string_view plain;
    std::string_view loop{};
};

// One row of the table.
struct OpInfo {
    Op op;
    std::string_view code; // empty for head, comment and call steps: they are known by kind
    std::uint8_t stepKind;
    Action action;
    Role left;   // the values the step reads, in the order the code shows them: "A-x"
    Role right;  // reads A, then x
    Role result; // the object whose value is written; None when no value is written
    Family x;    // what x is (and which element starts a code of kinds 1 to 3)
    Family y;
    ConstantKind constant;
    std::uint8_t resultKind; // kind of the temporary made for the result; 0 without one
    std::string_view sign;   // the sign of the step window's operator picture
    SignClass signClass;
    Comparison comparison;   // for the comparisons
    NumberFunction function; // for NumberFunction
    bool entersCommander;    // may make another commander the active one (step over runs it whole)
    std::span<const TextPiece> display;
    std::span<const LayoutSlot> layout;
    FlowFigure figure;
};

// Every row, in the order of Op.
std::span<const OpInfo> opTable();

// The row of a decoded code.
const OpInfo& opInfo(Op op);
// The row a step of the kind executes: a code the kind does not list gets the kind's own row
// (a kind 2 step still sets x := A, a kind 5 step still copies x to y).
const OpInfo& opInfo(std::uint8_t stepKind, Op op);
// The row of a code's text; none for a text no row has (the menu operations "[X]", "O[X]").
const OpInfo* findCode(std::string_view code);

// The operation of a code in a step of the given kind; Unknown for a code the kind does not
// know (the interpreter then does what its kind does by default).
Op decodeOp(std::uint8_t stepKind, std::string_view code);

// The step kind that a code builds (1 to 5, 8); 0 when the code builds no step.
std::uint8_t stepKindOf(std::string_view code);

// The kind of the temporary that holds a step's result (number, boolean or string); 0 for a
// step without a result object.
std::uint8_t resultKindOf(Op op);

// The family of an object kind, as far as codes of kinds 1 to 3 care: an iteration starts
// number codes, a condition boolean codes, an output line string codes.
Family familyOf(std::uint8_t objectKind);

} // namespace olvide
