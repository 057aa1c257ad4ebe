#include "olvide/model/steps/opcode.h"

#include <array>

namespace olvide {

namespace {

using P = TextPiece;
constexpr P lit(std::string_view text, When when = When::Always) {
    return {P::Literal, text, when};
}
constexpr P to = lit(" => ");
constexpr P quote = lit("'");

// Display texts.
constexpr P kCodeText[] = {{P::Code}};
constexpr P kXSignAToZ[] = {{P::X}, {P::SpacedSign}, {P::A}, to, {P::Z}};
constexpr P kASignXToZ[] = {{P::A}, {P::SpacedSign}, {P::X}, to, {P::Z}};
constexpr P kXSignQuotedAToZ[] = {{P::X}, {P::SpacedSign}, quote, {P::A}, quote, to, {P::Z}};
constexpr P kQuotedASignXToZ[] = {quote, {P::A}, quote, {P::SpacedSign}, {P::X}, to, {P::Z}};
constexpr P kReplacedByA[] = {{P::X}, lit(" replaced by "), quote, {P::A}, quote, to, {P::Z}};
constexpr P kReplicateA[] = {{P::X}, lit(" replicate "), {P::A}, lit(" times => "), {P::Z}};
constexpr P kAToX[] = {{P::A}, to, {P::X}};
constexpr P kQuotedAToX[] = {quote, {P::A}, quote, to, {P::X}};
constexpr P kQuotedAAddToX[] = {quote, {P::A}, quote, lit(" add to "), {P::X}};
constexpr P kIntText[] = {lit("INT("), {P::X}, lit(")"), to, {P::Z}};
constexpr P kAbsText[] = {lit("ABS("), {P::X}, lit(")"), to, {P::Z}};
constexpr P kSqrtText[] = {lit("SQRT("), {P::X}, lit(")"), to, {P::Z}};
constexpr P kLogText[] = {lit("Ln("), {P::X}, lit(")"), to, {P::Z}};
constexpr P kExpText[] = {lit("Exp("), {P::X}, lit(")"), to, {P::Z}};
constexpr P kSinText[] = {lit("SIN("), {P::X}, lit(")"), to, {P::Z}};
constexpr P kCosText[] = {lit("COS("), {P::X}, lit(")"), to, {P::Z}};
constexpr P kTgText[] = {lit("Tg("), {P::X}, lit(")"), to, {P::Z}};
constexpr P kArctgText[] = {lit("Arctg("), {P::X}, lit(")"), to, {P::Z}};
constexpr P kStrText[] = {lit("STR("), {P::X}, lit(")"), to, {P::Z}};
constexpr P kNotText[] = {lit("!"), {P::X}, to, {P::Z}};
constexpr P kSubstringText[] = {lit("Substring("), {P::X}, lit(")"), to, {P::Z}};
constexpr P kLengthText[] = {lit("LEN("), {P::X}, lit(")"), to, {P::Z}};
constexpr P kClipLengthText[] = {lit("LEN("), {P::X}, lit(" clip)"), to, {P::Z}};
constexpr P kToNumberText[] = {lit("Number("), {P::X}, lit(")"), to, {P::Z}};
constexpr P kClipToNumberText[] = {lit("Number("), {P::X}, lit(" clip)"), to, {P::Z}};
constexpr P kClearText[] = {lit("Clear "), {P::X}};
constexpr P kXSignYToZ[] = {{P::X}, {P::SpacedSign}, {P::Y}, to, {P::Z}};
constexpr P kYSignXToZ[] = {{P::Y}, {P::SpacedSign}, {P::X}, to, {P::Z}};
constexpr P kReplacedByY[] = {{P::X}, lit("被"), {P::Y}, lit("替换"), to, {P::Z}};
constexpr P kReplicateY[] = {{P::X}, lit("重复"), {P::Y}, lit("次 => "), {P::Z}};
constexpr P kYAddToX[] = {{P::Y}, lit(" add to "), {P::X}};
constexpr P kXToY[] = {{P::X}, to, {P::Y}};
constexpr P kXClipToY[] = {{P::X}, lit(" clip => "), {P::Y}};
constexpr P kDoX[] = {lit("Do "), {P::X}};
constexpr P kExitText[] = {lit("退出到", When::WithX), {P::X}, lit("退出最近循环", When::WithoutX)};
constexpr P kReturnText[] = {lit("返回")};
constexpr P kCallText[] = {lit("调用"), {P::X}, lit("_"), {P::Code}};

// Step-window layouts.
using L = LayoutSlot;
constexpr L kNoPictures[] = {{Slot::Comment}};
constexpr L kXSignAIsZ[] = {{Slot::X}, {Slot::Sign}, {Slot::A}, {Slot::Assign}, {Slot::Z}};
constexpr L kASignXIsZ[] = {{Slot::A}, {Slot::Sign}, {Slot::X}, {Slot::Assign}, {Slot::Z}};
constexpr L kXSignYIsZ[] = {{Slot::X}, {Slot::Sign}, {Slot::Y}, {Slot::Assign}, {Slot::Z}};
constexpr L kYSignXIsZ[] = {{Slot::Y}, {Slot::Sign}, {Slot::X}, {Slot::Assign}, {Slot::Z}};
constexpr L kSignXIsZ[] = {{Slot::Sign}, {Slot::X}, {Slot::Assign}, {Slot::Z}};
constexpr L kSignXSignIsZ[] = {{Slot::Sign}, {Slot::X}, {Slot::Sign}, {Slot::Assign}, {Slot::Z}};
constexpr L kSignXClipIsZ[] = {{Slot::Sign}, {Slot::X}, {Slot::ClipAssign}, {Slot::Z}};
constexpr L kXIsY[] = {{Slot::X}, {Slot::Assign}, {Slot::Y}};
constexpr L kXClipIsY[] = {{Slot::X}, {Slot::ClipAssign}, {Slot::Y}};
constexpr L kAIsX[] = {{Slot::A}, {Slot::Assign}, {Slot::X}};
constexpr L kXSign[] = {{Slot::X}, {Slot::Sign}};
constexpr L kXSignA[] = {{Slot::X}, {Slot::Sign}, {Slot::A}};
constexpr L kXSignY[] = {{Slot::X}, {Slot::Sign}, {Slot::Y}};
constexpr L kGivenXSign[] = {{Slot::X, When::WithX}, {Slot::Sign}};
constexpr L kSign[] = {{Slot::Sign}};
constexpr L kCallViews[] = {
    {Slot::ActualInput, When::CallView0}, {Slot::InputSign, When::CallView0},
    {Slot::FormalInput, When::CallView0}, {Slot::Call, When::CallView1},
    {Slot::X, When::CallView1},           {Slot::FormalOutput, When::CallView2},
    {Slot::OutputSign, When::CallView2},  {Slot::ActualOutput, When::CallView2},
};

// Flow figures by kind of step.
constexpr FlowFigure kWithConstantFigure{"binflow.bmp"};
constexpr FlowFigure kSetFigure{"setFlow.bmp"};
constexpr FlowFigure kUnaryFigure{"unaFlow.bmp"};
constexpr FlowFigure kBinaryFigure{"binFlow.bmp"};
constexpr FlowFigure kCommentFigure{"CommFlow.bmp"};

// The columns a group of codes shares.
struct Form {
    std::uint8_t stepKind;
    Action action;
    Role left = Role::None;
    Role right = Role::None;
    Role result = Role::None;
    Family x = Family::None;
    Family y = Family::None;
    ConstantKind constant = ConstantKind::None;
    std::uint8_t resultKind = 0;
    SignClass signClass = SignClass::None;
    bool entersCommander = false;
    std::span<const TextPiece> display = {};
    std::span<const LayoutSlot> layout = {}; // none for the unlisted codes
    FlowFigure figure = {};
};

constexpr std::uint8_t kNoKind = 0xFF;

constexpr Form kUnknown{
    .stepKind = kNoKind, .action = Action::Nothing, .display = kCodeText, .figure = kCommentFigure};
constexpr Form kHead{.stepKind = 0,
                     .action = Action::Nothing,
                     .display = kCodeText,
                     .layout = kNoPictures,
                     .figure = {"staFlow.bmp"}};
constexpr Form kComment{.stepKind = 6,
                        .action = Action::Nothing,
                        .display = kCodeText,
                        .layout = kNoPictures,
                        .figure = kCommentFigure};
constexpr Form kCall{.stepKind = 7,
                     .action = Action::Call,
                     .x = Family::Function,
                     .entersCommander = true,
                     .display = kCallText,
                     .layout = kCallViews,
                     .figure = {"funcFlow.bmp"}};

// Kind 1: object with constant.
constexpr Form kXopA{.stepKind = 1,
                     .action = Action::Arithmetic,
                     .left = Role::X,
                     .right = Role::A,
                     .result = Role::Z,
                     .x = Family::Number,
                     .constant = ConstantKind::Number,
                     .resultKind = kind::Number,
                     .signClass = SignClass::Add,
                     .display = kXSignAToZ,
                     .layout = kXSignAIsZ,
                     .figure = kWithConstantFigure};
constexpr Form kAopX{.stepKind = 1,
                     .action = Action::Arithmetic,
                     .left = Role::A,
                     .right = Role::X,
                     .result = Role::Z,
                     .x = Family::Number,
                     .constant = ConstantKind::Number,
                     .resultKind = kind::Number,
                     .signClass = SignClass::Add,
                     .display = kASignXToZ,
                     .layout = kASignXIsZ,
                     .figure = kWithConstantFigure};
constexpr Form kXcmpA{.stepKind = 1,
                      .action = Action::CompareNumbers,
                      .left = Role::X,
                      .right = Role::A,
                      .result = Role::Z,
                      .x = Family::Number,
                      .constant = ConstantKind::Number,
                      .resultKind = kind::Boolean,
                      .signClass = SignClass::Compare,
                      .display = kXSignAToZ,
                      .layout = kXSignAIsZ,
                      .figure = kWithConstantFigure};
constexpr Form kSPlusA{.stepKind = 1,
                       .action = Action::Join,
                       .left = Role::X,
                       .right = Role::A,
                       .result = Role::Z,
                       .x = Family::String,
                       .constant = ConstantKind::Text,
                       .resultKind = kind::String,
                       .signClass = SignClass::Add,
                       .display = kXSignQuotedAToZ,
                       .layout = kXSignAIsZ,
                       .figure = kWithConstantFigure};
constexpr Form kAPlusS{.stepKind = 1,
                       .action = Action::Join,
                       .left = Role::A,
                       .right = Role::X,
                       .result = Role::Z,
                       .x = Family::String,
                       .constant = ConstantKind::Text,
                       .resultKind = kind::String,
                       .signClass = SignClass::Add,
                       .display = kQuotedASignXToZ,
                       .layout = kASignXIsZ,
                       .figure = kWithConstantFigure};
constexpr Form kScmpA{.stepKind = 1,
                      .action = Action::CompareTexts,
                      .left = Role::X,
                      .right = Role::A,
                      .result = Role::Z,
                      .x = Family::String,
                      .constant = ConstantKind::Text,
                      .resultKind = kind::Boolean,
                      .signClass = SignClass::Compare,
                      .display = kXSignQuotedAToZ,
                      .layout = kXSignAIsZ,
                      .figure = kWithConstantFigure};
constexpr Form kSReplaceA{.stepKind = 1,
                          .action = Action::ReplaceClip,
                          .left = Role::X,
                          .right = Role::A,
                          .result = Role::Z,
                          .x = Family::String,
                          .constant = ConstantKind::Text,
                          .resultKind = kind::String,
                          .signClass = SignClass::Function,
                          .display = kReplacedByA,
                          .layout = kXSignAIsZ,
                          .figure = kWithConstantFigure};
constexpr Form kSRepeatA{.stepKind = 1,
                         .action = Action::Replicate,
                         .left = Role::X,
                         .right = Role::A,
                         .result = Role::Z,
                         .x = Family::String,
                         .constant = ConstantKind::Number,
                         .resultKind = kind::String,
                         .signClass = SignClass::Function,
                         .display = kReplicateA,
                         .layout = kXSignAIsZ,
                         .figure = kWithConstantFigure};

// Kind 2: set from constant.
constexpr Form kASetX{.stepKind = 2,
                      .action = Action::Assign,
                      .left = Role::A,
                      .result = Role::X,
                      .x = Family::Number,
                      .constant = ConstantKind::Number,
                      .signClass = SignClass::Set,
                      .display = kAToX,
                      .layout = kAIsX,
                      .figure = kSetFigure};
constexpr Form kTSetX{.stepKind = 2,
                      .action = Action::Assign,
                      .left = Role::A,
                      .result = Role::X,
                      .x = Family::Boolean,
                      .constant = ConstantKind::True,
                      .signClass = SignClass::Set,
                      .display = kAToX,
                      .layout = kXSign,
                      .figure = kSetFigure};
constexpr Form kFSetX{.stepKind = 2,
                      .action = Action::Assign,
                      .left = Role::A,
                      .result = Role::X,
                      .x = Family::Boolean,
                      .constant = ConstantKind::False,
                      .signClass = SignClass::Set,
                      .display = kAToX,
                      .layout = kXSign,
                      .figure = kSetFigure};
constexpr Form kASetS{.stepKind = 2,
                      .action = Action::Assign,
                      .left = Role::A,
                      .result = Role::X,
                      .x = Family::String,
                      .constant = ConstantKind::Text,
                      .signClass = SignClass::Set,
                      .display = kQuotedAToX,
                      .layout = kAIsX,
                      .figure = kSetFigure};
constexpr Form kOAddA{.stepKind = 2,
                      .action = Action::AddLine,
                      .left = Role::A,
                      .x = Family::Output,
                      .constant = ConstantKind::Text,
                      .signClass = SignClass::Function,
                      .display = kQuotedAAddToX,
                      .layout = kXSignA,
                      .figure = kSetFigure};

// Kind 3: function of one object.
constexpr Form kNumberFunction{.stepKind = 3,
                               .action = Action::NumberFunction,
                               .left = Role::X,
                               .result = Role::Z,
                               .x = Family::Number,
                               .resultKind = kind::Number,
                               .signClass = SignClass::Function,
                               .layout = kSignXIsZ,
                               .figure = kUnaryFigure};
// The absolute value shows its sign on both sides of x.
constexpr Form kAbsFunction = [] {
    Form form = kNumberFunction;
    form.layout = kSignXSignIsZ;
    return form;
}();
constexpr Form kStr{.stepKind = 3,
                    .action = Action::SameText,
                    .left = Role::X,
                    .result = Role::Z,
                    .x = Family::Number,
                    .resultKind = kind::String,
                    .signClass = SignClass::Function,
                    .display = kStrText,
                    .layout = kSignXIsZ,
                    .figure = kUnaryFigure};
constexpr Form kNot{.stepKind = 3,
                    .action = Action::Not,
                    .left = Role::X,
                    .result = Role::Z,
                    .x = Family::Boolean,
                    .resultKind = kind::Boolean,
                    .signClass = SignClass::Boolean,
                    .display = kNotText,
                    .layout = kSignXIsZ,
                    .figure = kUnaryFigure};
constexpr Form kSubstring{.stepKind = 3,
                          .action = Action::ClipText,
                          .left = Role::X,
                          .result = Role::Z,
                          .x = Family::String,
                          .resultKind = kind::String,
                          .signClass = SignClass::Function,
                          .display = kSubstringText,
                          .layout = kSignXIsZ,
                          .figure = kUnaryFigure};
constexpr Form kLength{.stepKind = 3,
                       .action = Action::Length,
                       .left = Role::X,
                       .result = Role::Z,
                       .x = Family::String,
                       .resultKind = kind::Number,
                       .signClass = SignClass::Function,
                       .display = kLengthText,
                       .layout = kSignXIsZ,
                       .figure = kUnaryFigure};
constexpr Form kClipLength{.stepKind = 3,
                           .action = Action::ClipLength,
                           .left = Role::X,
                           .result = Role::Z,
                           .x = Family::String,
                           .resultKind = kind::Number,
                           .signClass = SignClass::Function,
                           .display = kClipLengthText,
                           .layout = kSignXClipIsZ,
                           .figure = kUnaryFigure};
constexpr Form kToNumber{.stepKind = 3,
                         .action = Action::SameText,
                         .left = Role::X,
                         .result = Role::Z,
                         .x = Family::String,
                         .resultKind = kind::Number,
                         .signClass = SignClass::Function,
                         .display = kToNumberText,
                         .layout = kSignXIsZ,
                         .figure = kUnaryFigure};
constexpr Form kClipToNumber{.stepKind = 3,
                             .action = Action::ClipText,
                             .left = Role::X,
                             .result = Role::Z,
                             .x = Family::String,
                             .resultKind = kind::Number,
                             .signClass = SignClass::Function,
                             .display = kClipToNumberText,
                             .layout = kSignXClipIsZ,
                             .figure = kUnaryFigure};
constexpr Form kClear{.stepKind = 3,
                      .action = Action::ClearLines,
                      .x = Family::Output,
                      .signClass = SignClass::Function,
                      .display = kClearText,
                      .layout = kXSign,
                      .figure = kUnaryFigure};

// Kind 4: operation of two objects.
constexpr Form kXopY{.stepKind = 4,
                     .action = Action::Arithmetic,
                     .left = Role::X,
                     .right = Role::Y,
                     .result = Role::Z,
                     .x = Family::Number,
                     .y = Family::Number,
                     .resultKind = kind::Number,
                     .signClass = SignClass::Add,
                     .display = kXSignYToZ,
                     .layout = kXSignYIsZ,
                     .figure = kBinaryFigure};
constexpr Form kYopX{.stepKind = 4,
                     .action = Action::Arithmetic,
                     .left = Role::Y,
                     .right = Role::X,
                     .result = Role::Z,
                     .x = Family::Number,
                     .y = Family::Number,
                     .resultKind = kind::Number,
                     .signClass = SignClass::Add,
                     .display = kYSignXToZ,
                     .layout = kYSignXIsZ,
                     .figure = kBinaryFigure};
constexpr Form kXcmpY{.stepKind = 4,
                      .action = Action::CompareNumbers,
                      .left = Role::X,
                      .right = Role::Y,
                      .result = Role::Z,
                      .x = Family::Number,
                      .y = Family::Number,
                      .resultKind = kind::Boolean,
                      .signClass = SignClass::Compare,
                      .display = kXSignYToZ,
                      .layout = kXSignYIsZ,
                      .figure = kBinaryFigure};
constexpr Form kAnd{.stepKind = 4,
                    .action = Action::And,
                    .left = Role::X,
                    .right = Role::Y,
                    .result = Role::Z,
                    .x = Family::Boolean,
                    .y = Family::Boolean,
                    .resultKind = kind::Boolean,
                    .signClass = SignClass::Boolean,
                    .display = kXSignYToZ,
                    .layout = kXSignYIsZ,
                    .figure = kBinaryFigure};
constexpr Form kOr{.stepKind = 4,
                   .action = Action::Or,
                   .left = Role::X,
                   .right = Role::Y,
                   .result = Role::Z,
                   .x = Family::Boolean,
                   .y = Family::Boolean,
                   .resultKind = kind::Boolean,
                   .signClass = SignClass::Boolean,
                   .display = kXSignYToZ,
                   .layout = kXSignYIsZ,
                   .figure = kBinaryFigure};
constexpr Form kSPlusX{.stepKind = 4,
                       .action = Action::Join,
                       .left = Role::X,
                       .right = Role::Y,
                       .result = Role::Z,
                       .x = Family::String,
                       .y = Family::String,
                       .resultKind = kind::String,
                       .signClass = SignClass::Add,
                       .display = kXSignYToZ,
                       .layout = kXSignYIsZ,
                       .figure = kBinaryFigure};
constexpr Form kScmpX{.stepKind = 4,
                      .action = Action::CompareTexts,
                      .left = Role::X,
                      .right = Role::Y,
                      .result = Role::Z,
                      .x = Family::String,
                      .y = Family::String,
                      .resultKind = kind::Boolean,
                      .signClass = SignClass::Compare,
                      .display = kXSignYToZ,
                      .layout = kXSignYIsZ,
                      .figure = kBinaryFigure};
constexpr Form kSReplaceX{.stepKind = 4,
                          .action = Action::ReplaceClip,
                          .left = Role::X,
                          .right = Role::Y,
                          .result = Role::Z,
                          .x = Family::String,
                          .y = Family::String,
                          .resultKind = kind::String,
                          .signClass = SignClass::Function,
                          .display = kReplacedByY,
                          .layout = kXSignYIsZ,
                          .figure = kBinaryFigure};
constexpr Form kSRepeatX{.stepKind = 4,
                         .action = Action::Replicate,
                         .left = Role::X,
                         .right = Role::Y,
                         .result = Role::Z,
                         .x = Family::String,
                         .y = Family::Number,
                         .resultKind = kind::String,
                         .signClass = SignClass::Function,
                         .display = kReplicateY,
                         .layout = kXSignYIsZ,
                         .figure = kBinaryFigure};
constexpr Form kOAddS{.stepKind = 4,
                      .action = Action::AddLine,
                      .left = Role::Y,
                      .x = Family::Output,
                      .y = Family::String,
                      .signClass = SignClass::Function,
                      .display = kYAddToX,
                      .layout = kXSignY,
                      .figure = kBinaryFigure};

// Kind 5: copy.
constexpr Form kCopy{.stepKind = 5,
                     .action = Action::Assign,
                     .left = Role::X,
                     .result = Role::Y,
                     .x = Family::Any,
                     .y = Family::Any,
                     .signClass = SignClass::Set,
                     .display = kXToY,
                     .layout = kXIsY,
                     .figure = kSetFigure};
constexpr Form kSCopy{.stepKind = 5,
                      .action = Action::Assign,
                      .left = Role::X,
                      .result = Role::Y,
                      .x = Family::String,
                      .y = Family::String,
                      .signClass = SignClass::Set,
                      .display = kXToY,
                      .layout = kXIsY,
                      .figure = kSetFigure};
constexpr Form kSClipCopy{.stepKind = 5,
                          .action = Action::ClipText,
                          .left = Role::X,
                          .result = Role::Y,
                          .x = Family::String,
                          .y = Family::String,
                          .signClass = SignClass::Set,
                          .display = kXClipToY,
                          .layout = kXClipIsY,
                          .figure = kSetFigure};
constexpr Form kOCopy{.stepKind = 5,
                      .action = Action::CopyLines,
                      .x = Family::Output,
                      .y = Family::Output,
                      .signClass = SignClass::Set,
                      .display = kXToY,
                      .layout = kXIsY,
                      .figure = kSetFigure};
// "&x", "x@" and "@x" are operations of the editor that pick an object; a step that carries
// one copies like "x->y".
constexpr Form kPick{.stepKind = 5,
                     .action = Action::Assign,
                     .left = Role::X,
                     .result = Role::Y,
                     .x = Family::Any,
                     .y = Family::Any,
                     .display = kXToY,
                     .layout = kXIsY,
                     .figure = kSetFigure};

// Kind 8: flow.
constexpr Form kDoCondition{.stepKind = 8,
                            .action = Action::DoCondition,
                            .x = Family::Condition,
                            .signClass = SignClass::Flow,
                            .entersCommander = true,
                            .display = kDoX,
                            .layout = kXSign,
                            .figure = {"ifFlow.bmp", "iForFlow.bmp"}};
constexpr Form kDoIteration{.stepKind = 8,
                            .action = Action::DoIteration,
                            .x = Family::Iteration,
                            .signClass = SignClass::Flow,
                            .entersCommander = true,
                            .display = kDoX,
                            .layout = kXSign,
                            .figure = {"ForFlow.bmp"}};
constexpr Form kExit{.stepKind = 8,
                     .action = Action::Exit,
                     .x = Family::Loop,
                     .signClass = SignClass::Flow,
                     .display = kExitText,
                     .layout = kGivenXSign,
                     .figure = {"exitFlow.bmp"}};
constexpr Form kReturn{.stepKind = 8,
                       .action = Action::Return,
                       .signClass = SignClass::Flow,
                       .display = kReturnText,
                       .layout = kSign,
                       .figure = {"retFlow.bmp"}};

constexpr OpInfo row(Op op, std::string_view code, const Form& form, std::string_view sign = {}) {
    return OpInfo{.op = op,
                  .code = code,
                  .stepKind = form.stepKind,
                  .action = form.action,
                  .left = form.left,
                  .right = form.right,
                  .result = form.result,
                  .x = form.x,
                  .y = form.y,
                  .constant = form.constant,
                  .resultKind = form.resultKind,
                  .sign = sign,
                  .signClass = form.signClass,
                  .comparison = Comparison::Equal,
                  .function = NumberFunction::Int,
                  .entersCommander = form.entersCommander,
                  .display = form.display,
                  .layout = form.layout,
                  .figure = form.figure};
}
constexpr OpInfo comparing(OpInfo info, Comparison comparison) {
    info.comparison = comparison;
    return info;
}
constexpr OpInfo computing(OpInfo info, NumberFunction function,
                           std::span<const TextPiece> display) {
    info.function = function;
    info.display = display;
    return info;
}

using C = Comparison;
using F = NumberFunction;

// Every row in the order of Op.
constexpr std::array kTable{
    row(Op::Unknown, {}, kUnknown),
    row(Op::Head, {}, kHead),
    row(Op::Comment, {}, kComment),
    row(Op::Call, {}, kCall),

    row(Op::XPlusA, "x+A", kXopA, "+"),
    row(Op::XMinusA, "x-A", kXopA, "-"),
    row(Op::XTimesA, "x*A", kXopA, "*"),
    row(Op::XDivA, "x/A", kXopA, "/"),
    row(Op::XQuotA, "x|A", kXopA, "|"),
    row(Op::XModA, "x%A", kXopA, "%"),
    row(Op::APlusX, "A+x", kAopX, "+"),
    row(Op::AMinusX, "A-x", kAopX, "-"),
    row(Op::ATimesX, "A*x", kAopX, "*"),
    row(Op::ADivX, "A/x", kAopX, "/"),
    row(Op::AQuotX, "A|x", kAopX, "|"),
    row(Op::AModX, "A%x", kAopX, "%"),
    comparing(row(Op::XGtA, "x>A", kXcmpA, ">"), C::Greater),
    comparing(row(Op::XLtA, "x<A", kXcmpA, "<"), C::Less),
    comparing(row(Op::XGeA, "x>=A", kXcmpA, ">="), C::GreaterEqual),
    comparing(row(Op::XLeA, "x<=A", kXcmpA, "<="), C::LessEqual),
    comparing(row(Op::XEqA, "x=A", kXcmpA, "="), C::Equal),
    comparing(row(Op::XNeA, "x!=A", kXcmpA, "!="), C::NotEqual),
    row(Op::SPlusA, "S+A", kSPlusA, "+"),
    row(Op::APlusS, "A+S", kAPlusS, "+"),
    comparing(row(Op::SGtA, "S>A", kScmpA, ">"), C::Greater),
    comparing(row(Op::SEqA, "S=A", kScmpA, "="), C::Equal),
    comparing(row(Op::SLtA, "S<A", kScmpA, "<"), C::Less),
    comparing(row(Op::SGeA, "S>=A", kScmpA, ">="), C::GreaterEqual),
    comparing(row(Op::SNeA, "S!=A", kScmpA, "!="), C::NotEqual),
    comparing(row(Op::SLeA, "S<=A", kScmpA, "<="), C::LessEqual),
    row(Op::SReplaceA, "S_<->A", kSReplaceA, "<->"),
    row(Op::SRepeatA, "SS..A", kSRepeatA, "S.."),

    row(Op::ASetX, "A->x", kASetX, "#"),
    row(Op::TSetX, "T->x", kTSetX, "T->"),
    row(Op::FSetX, "F->x", kFSetX, "F->"),
    row(Op::ASetS, "A->S", kASetS, "#"),
    row(Op::OAddA, "O+A", kOAddA, "|+"),

    computing(row(Op::Int, "intx", kNumberFunction, "INT"), F::Int, kIntText),
    computing(row(Op::Abs, "absx", kAbsFunction, "ABS"), F::Abs, kAbsText),
    computing(row(Op::Sqrt, "sqrtx", kNumberFunction, "SQRT"), F::Sqrt, kSqrtText),
    computing(row(Op::Log, "logx", kNumberFunction, "LOG"), F::Log, kLogText),
    computing(row(Op::Exp, "expx", kNumberFunction, "EXP"), F::Exp, kExpText),
    computing(row(Op::Sin, "sinx", kNumberFunction, "SIN"), F::Sin, kSinText),
    computing(row(Op::Cos, "cosx", kNumberFunction, "COS"), F::Cos, kCosText),
    computing(row(Op::Tg, "tgx", kNumberFunction, "TAN"), F::Tg, kTgText),
    computing(row(Op::Arctg, "arctgx", kNumberFunction, "ATG"), F::Arctg, kArctgText),
    row(Op::Str, "Strx", kStr, "STR"),
    row(Op::Not, "!X", kNot, "!"),
    row(Op::Substring, "A(BC)D", kSubstring, "(BC)"),
    row(Op::Length, "----", kLength, "|--"),
    row(Op::ClipLength, "_----", kClipLength, "|--"),
    row(Op::ToNumber, "S}8", kToNumber, "}N"),
    row(Op::ClipToNumber, "S_}8", kClipToNumber, "}N"),
    row(Op::Clear, "***", kClear, "|*"),

    row(Op::XPlusY, "x+y", kXopY, "+"),
    row(Op::XMinusY, "x-y", kXopY, "-"),
    row(Op::XTimesY, "x*y", kXopY, "*"),
    row(Op::XDivY, "x/y", kXopY, "/"),
    row(Op::XQuotY, "x|y", kXopY, "|"),
    row(Op::XModY, "x%y", kXopY, "%"),
    row(Op::YPlusX, "y+x", kYopX, "+"),
    row(Op::YMinusX, "y-x", kYopX, "-"),
    row(Op::YTimesX, "y*x", kYopX, "*"),
    row(Op::YDivX, "y/x", kYopX, "/"),
    row(Op::YQuotX, "y|x", kYopX, "|"),
    row(Op::YModX, "y%x", kYopX, "%"),
    comparing(row(Op::XGtY, "x>y", kXcmpY, ">"), C::Greater),
    comparing(row(Op::XLtY, "x<y", kXcmpY, "<"), C::Less),
    comparing(row(Op::XGeY, "x>=y", kXcmpY, ">="), C::GreaterEqual),
    comparing(row(Op::XLeY, "x<=y", kXcmpY, "<="), C::LessEqual),
    comparing(row(Op::XEqY, "x=y", kXcmpY, "="), C::Equal),
    comparing(row(Op::XNeY, "x!=y", kXcmpY, "!="), C::NotEqual),
    row(Op::And, "x&&y", kAnd, "&"),
    row(Op::Or, "x||y", kOr, "|"),
    row(Op::SPlusX, "S+x", kSPlusX, "+"),
    comparing(row(Op::SGtX, "S>x", kScmpX, ">"), C::Greater),
    comparing(row(Op::SEqX, "S=x", kScmpX, "="), C::Equal),
    comparing(row(Op::SLtX, "S<x", kScmpX, "<"), C::Less),
    comparing(row(Op::SGeX, "S>=x", kScmpX, ">="), C::GreaterEqual),
    comparing(row(Op::SNeX, "S!=x", kScmpX, "!="), C::NotEqual),
    comparing(row(Op::SLeX, "S<=x", kScmpX, "<="), C::LessEqual),
    row(Op::SReplaceX, "S_<->x", kSReplaceX, "<->"),
    row(Op::SRepeatX, "SS..x", kSRepeatX, "S.."),
    row(Op::OAddS, "O+S", kOAddS, "|+"),

    row(Op::Copy, "x->y", kCopy, "#"),
    row(Op::SCopy, "S->x", kSCopy, "#"),
    row(Op::SClipCopy, "S_->x", kSClipCopy, "#"),
    row(Op::OCopy, "O->x", kOCopy, "#"),
    row(Op::RefX, "&x", kPick),
    row(Op::XAt, "x@", kPick),
    row(Op::AtX, "@x", kPick),

    row(Op::DoCondition, "DOC", kDoCondition, "TF$"),
    row(Op::DoIteration, "DOI", kDoIteration, "XH$"),
    row(Op::Exit, "EXF", kExit, "%"),
    row(Op::Return, "...", kReturn, "..."),
};

// A row is found by its Op as an index.
constexpr bool inOpOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (static_cast<std::size_t>(kTable[i].op) != i) return false;
    return true;
}
static_assert(inOpOrder(), "the rows of the code table follow the order of Op");

constexpr bool codesAreUnique() {
    for (std::size_t i = 0; i < kTable.size(); ++i)
        for (std::size_t j = i + 1; j < kTable.size(); ++j)
            if (!kTable[i].code.empty() && kTable[i].code == kTable[j].code) return false;
    return true;
}
static_assert(codesAreUnique(), "a code names one row");

// The interpreter takes an arithmetic operation from the one character of its sign.
constexpr bool arithmeticSignsAreCharacters() {
    for (const OpInfo& info : kTable)
        if (info.action == Action::Arithmetic && info.sign.size() != 1) return false;
    return true;
}
static_assert(arithmeticSignsAreCharacters(), "an arithmetic sign is one character");

// What a step does with a code its kind does not list: kinds 2 and 5 keep their default
// (x := A, y := x), the others do nothing; the figure stays the kind's.
constexpr Form kUnlistedSet{.stepKind = 2,
                            .action = Action::Assign,
                            .left = Role::A,
                            .result = Role::X,
                            .display = kCodeText,
                            .figure = kSetFigure};
constexpr Form kUnlistedCopy{.stepKind = 5,
                             .action = Action::Assign,
                             .left = Role::X,
                             .result = Role::Y,
                             .display = kCodeText,
                             .figure = kSetFigure};
constexpr Form unlistedDoingNothing(std::uint8_t stepKind, FlowFigure figure) {
    return Form{
        .stepKind = stepKind, .action = Action::Nothing, .display = kCodeText, .figure = figure};
}
constexpr std::array kUnlisted{
    row(Op::Unknown, {}, unlistedDoingNothing(1, kWithConstantFigure)),
    row(Op::Unknown, {}, kUnlistedSet),
    row(Op::Unknown, {}, unlistedDoingNothing(3, kUnaryFigure)),
    row(Op::Unknown, {}, unlistedDoingNothing(4, kBinaryFigure)),
    row(Op::Unknown, {}, kUnlistedCopy),
    row(Op::Unknown, {}, unlistedDoingNothing(8, kCommentFigure)),
};

} // namespace

bool shown(When when, bool hasX, std::uint8_t callView) {
    switch (when) {
    case When::Always:
        return true;
    case When::WithX:
        return hasX;
    case When::WithoutX:
        return !hasX;
    case When::CallView0:
        return callView == 0;
    case When::CallView1:
        return callView == 1;
    case When::CallView2:
        return callView == 2;
    }
    return false;
}

std::string_view slotSign(Slot slot, std::string_view codeSign) {
    switch (slot) {
    case Slot::Sign:
        return codeSign;
    case Slot::Assign:
        return "#";
    case Slot::ClipAssign:
        return "C->";
    case Slot::InputSign:
    case Slot::OutputSign:
        return "@";
    default:
        return {};
    }
}

std::span<const OpInfo> opTable() {
    return kTable;
}

const OpInfo& opInfo(Op op) {
    const auto index = static_cast<std::size_t>(op);
    return index < kTable.size() ? kTable[index] : kTable.front();
}

const OpInfo& opInfo(std::uint8_t stepKind, Op op) {
    if (op != Op::Unknown) return opInfo(op);
    for (const OpInfo& info : kUnlisted)
        if (info.stepKind == stepKind) return info;
    return kTable.front();
}

const OpInfo* findCode(std::string_view code) {
    if (code.empty()) return nullptr;
    for (const OpInfo& info : kTable)
        if (info.code == code) return &info;
    return nullptr;
}

Op decodeOp(std::uint8_t stepKind, std::string_view code) {
    for (const OpInfo& info : kTable)
        if (info.stepKind == stepKind && (info.code.empty() || info.code == code)) return info.op;
    return Op::Unknown;
}

std::uint8_t stepKindOf(std::string_view code) {
    const OpInfo* info = findCode(code);
    return info ? info->stepKind : 0;
}

std::uint8_t resultKindOf(Op op) {
    return opInfo(op).resultKind;
}

Family familyOf(std::uint8_t objectKind) {
    if (kind::isNumberLike(objectKind)) return Family::Number;
    if (kind::isBooleanLike(objectKind)) return Family::Boolean;
    if (kind::isStringLike(objectKind)) return Family::String;
    if (objectKind == kind::Output) return Family::Output;
    return Family::None;
}

} // namespace olvide
