// Every row of the code table walked through its step text, a step of a small program, the
// step's record read back, and a run of the program: a code whose row lacks a column, or
// whose columns disagree with what the code does, fails here.
#include "engine_fixture.h"

#include "olvide/model/record_io.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace olvide::testing {
namespace {

// One code: its operands (x, y, A), its step text with x named "x1", y "y1" and z "z1", and
// the state of the program after a run ("x=7 z=9"; outputs as "[line,line]"; "m" is a
// number the flow steps count with). A comparison is run three times, with x taking the
// three values of `x` in turn; its state is the three results, T or F.
struct Case {
    const char* x;
    const char* y;
    const char* a;
    const char* text;
    const char* after;
};

// The number functions are worked out to 8 decimals: sin 1 = 0.8414709848...
const std::map<std::string, Case>& cases() {
    static const std::map<std::string, Case> all{
        {"(head)", {"", "", "", "main开始一个流程.", ""}},
        {"(comment)", {"", "", "", "a note", ""}},
        {"(call)", {"7", "", "", "调用Twice_twice", "m=14"}},
        {"x+A", {"7", "", "2", "x1 + 2 => z1", "x=7 z=9"}},
        {"x-A", {"7", "", "2", "x1 - 2 => z1", "x=7 z=5"}},
        {"x*A", {"7", "", "2", "x1 * 2 => z1", "x=7 z=14"}},
        {"x/A", {"7", "", "2", "x1 / 2 => z1", "x=7 z=3.5"}},
        {"x|A", {"7", "", "2", "x1 | 2 => z1", "x=7 z=3"}},
        {"x%A", {"7", "", "2", "x1 % 2 => z1", "x=7 z=1"}},
        {"A+x", {"7", "", "2", "2 + x1 => z1", "x=7 z=9"}},
        {"A-x", {"7", "", "2", "2 - x1 => z1", "x=7 z=-5"}},
        {"A*x", {"7", "", "2", "2 * x1 => z1", "x=7 z=14"}},
        {"A/x", {"7", "", "2", "2 / x1 => z1", "x=7 z=0.28571429"}},
        {"A|x", {"7", "", "2", "2 | x1 => z1", "x=7 z=0"}},
        {"A%x", {"7", "", "2", "2 % x1 => z1", "x=7 z=2"}},
        {"x>A", {"7 2 1", "", "2", "x1 > 2 => z1", "TFF"}},
        {"x<A", {"7 2 1", "", "2", "x1 < 2 => z1", "FFT"}},
        {"x>=A", {"7 2 1", "", "2", "x1 >= 2 => z1", "TTF"}},
        {"x<=A", {"7 2 1", "", "2", "x1 <= 2 => z1", "FTT"}},
        {"x=A", {"7 2 1", "", "2", "x1 = 2 => z1", "FTF"}},
        {"x!=A", {"7 2 1", "", "2", "x1 != 2 => z1", "TFT"}},
        {"S+A", {"abcd", "", "Q", "x1 + 'Q' => z1", "x=abcd z=abcdQ"}},
        {"A+S", {"abcd", "", "Q", "'Q' + x1 => z1", "x=abcd z=Qabcd"}},
        {"S>A", {"c b a", "", "b", "x1 > 'b' => z1", "TFF"}},
        {"S=A", {"c b a", "", "b", "x1 = 'b' => z1", "FTF"}},
        {"S<A", {"c b a", "", "b", "x1 < 'b' => z1", "FFT"}},
        {"S>=A", {"c b a", "", "b", "x1 >= 'b' => z1", "TTF"}},
        {"S!=A", {"c b a", "", "b", "x1 != 'b' => z1", "TFT"}},
        {"S<=A", {"c b a", "", "b", "x1 <= 'b' => z1", "FTT"}},
        {"S_<->A", {"abcd", "", "Q", "x1 replaced by 'Q' => z1", "x=abcd z=aQd"}},
        {"SS..A", {"abcd", "", "3", "x1 replicate 3 times => z1", "x=abcd z=abcdabcdabcd"}},
        {"A->x", {"7", "", "2", "2 => x1", "x=2"}},
        {"T->x", {"FALSE", "", "", "TRUE => x1", "x=TRUE"}},
        {"F->x", {"TRUE", "", "", "FALSE => x1", "x=FALSE"}},
        {"A->S", {"abcd", "", "Q", "'Q' => x1", "x=Q"}},
        {"O+A", {"L1", "", "Q", "'Q' add to x1", "x=[L1,Q]"}},
        {"intx", {"-2.7", "", "", "INT(x1) => z1", "x=-2.7 z=-2"}},
        {"absx", {"-2.5", "", "", "ABS(x1) => z1", "x=-2.5 z=2.5"}},
        {"sqrtx", {"2.25", "", "", "SQRT(x1) => z1", "x=2.25 z=1.5"}},
        {"logx", {"2", "", "", "Ln(x1) => z1", "x=2 z=0.69314718"}},
        {"expx", {"1", "", "", "Exp(x1) => z1", "x=1 z=2.71828183"}},
        {"sinx", {"1", "", "", "SIN(x1) => z1", "x=1 z=0.84147098"}},
        {"cosx", {"1", "", "", "COS(x1) => z1", "x=1 z=0.54030231"}},
        {"tgx", {"1", "", "", "Tg(x1) => z1", "x=1 z=1.55740772"}},
        {"arctgx", {"1", "", "", "Arctg(x1) => z1", "x=1 z=0.78539816"}},
        {"Strx", {"7", "", "", "STR(x1) => z1", "x=7 z=7"}},
        {"!X", {"TRUE", "", "", "!x1 => z1", "x=TRUE z=FALSE"}},
        {"A(BC)D", {"abcd", "", "", "Substring(x1) => z1", "x=abcd z=bc"}},
        {"----", {"abcd", "", "", "LEN(x1) => z1", "x=abcd z=4"}},
        {"_----", {"abcd", "", "", "LEN(x1 clip) => z1", "x=abcd z=2"}},
        {"S}8", {"abcd", "", "", "Number(x1) => z1", "x=abcd z=abcd"}},
        {"S_}8", {"abcd", "", "", "Number(x1 clip) => z1", "x=abcd z=bc"}},
        {"***", {"L1,L2", "", "", "Clear x1", "x=[]"}},
        {"x+y", {"7", "2", "", "x1 + y1 => z1", "x=7 y=2 z=9"}},
        {"x-y", {"7", "2", "", "x1 - y1 => z1", "x=7 y=2 z=5"}},
        {"x*y", {"7", "2", "", "x1 * y1 => z1", "x=7 y=2 z=14"}},
        {"x/y", {"7", "2", "", "x1 / y1 => z1", "x=7 y=2 z=3.5"}},
        {"x|y", {"7", "2", "", "x1 | y1 => z1", "x=7 y=2 z=3"}},
        {"x%y", {"7", "2", "", "x1 % y1 => z1", "x=7 y=2 z=1"}},
        {"y+x", {"7", "2", "", "y1 + x1 => z1", "x=7 y=2 z=9"}},
        {"y-x", {"7", "2", "", "y1 - x1 => z1", "x=7 y=2 z=-5"}},
        {"y*x", {"7", "2", "", "y1 * x1 => z1", "x=7 y=2 z=14"}},
        {"y/x", {"7", "2", "", "y1 / x1 => z1", "x=7 y=2 z=0.28571429"}},
        {"y|x", {"7", "2", "", "y1 | x1 => z1", "x=7 y=2 z=0"}},
        {"y%x", {"7", "2", "", "y1 % x1 => z1", "x=7 y=2 z=2"}},
        {"x>y", {"7 2 1", "2", "", "x1 > y1 => z1", "TFF"}},
        {"x<y", {"7 2 1", "2", "", "x1 < y1 => z1", "FFT"}},
        {"x>=y", {"7 2 1", "2", "", "x1 >= y1 => z1", "TTF"}},
        {"x<=y", {"7 2 1", "2", "", "x1 <= y1 => z1", "FTT"}},
        {"x=y", {"7 2 1", "2", "", "x1 = y1 => z1", "FTF"}},
        {"x!=y", {"7 2 1", "2", "", "x1 != y1 => z1", "TFT"}},
        {"x&&y", {"TRUE", "FALSE", "", "x1 & y1 => z1", "x=TRUE y=FALSE z=FALSE"}},
        {"x||y", {"TRUE", "FALSE", "", "x1 | y1 => z1", "x=TRUE y=FALSE z=TRUE"}},
        {"S+x", {"abcd", "XY", "", "x1 + y1 => z1", "x=abcd y=XY z=abcdXY"}},
        {"S>x", {"c b a", "b", "", "x1 > y1 => z1", "TFF"}},
        {"S=x", {"c b a", "b", "", "x1 = y1 => z1", "FTF"}},
        {"S<x", {"c b a", "b", "", "x1 < y1 => z1", "FFT"}},
        {"S>=x", {"c b a", "b", "", "x1 >= y1 => z1", "TTF"}},
        {"S!=x", {"c b a", "b", "", "x1 != y1 => z1", "TFT"}},
        {"S<=x", {"c b a", "b", "", "x1 <= y1 => z1", "FTT"}},
        {"S_<->x", {"abcd", "XY", "", "x1被y1替换 => z1", "x=abcd y=XY z=aXYd"}},
        {"SS..x", {"abcd", "2", "", "x1重复y1次 => z1", "x=abcd y=2 z=abcdabcd"}},
        {"O+S", {"L1", "XY", "", "y1 add to x1", "x=[L1,XY] y=XY"}},
        {"x->y", {"7", "2", "", "x1 => y1", "x=7 y=7"}},
        {"S->x", {"abcd", "XY", "", "x1 => y1", "x=abcd y=abcd"}},
        {"S_->x", {"abcd", "XY", "", "x1 clip => y1", "x=abcd y=bc"}},
        {"O->x", {"L1,L2", "", "", "x1 => y1", "x=[L1,L2] y=[L1,L2]"}},
        {"&x", {"7", "2", "", "x1 => y1", "x=7 y=7"}},
        {"x@", {"7", "2", "", "x1 => y1", "x=7 y=7"}},
        {"@x", {"7", "2", "", "x1 => y1", "x=7 y=7"}},
        // x is true: its true commander sets m to 1, the false one would set 2.
        {"DOC", {"TRUE", "", "", "Do x1", "x=TRUE m=1"}},
        // x runs from 1 to 3 and its body adds 1 to m.
        {"DOI", {"", "", "", "Do x1", "x=4 m=3"}},
        // The body of x leaves x at once, before adding 1 to m.
        {"EXF", {"", "", "", "退出到x1", "x=1 m=0"}},
        // The main commander ends before the step that sets m to 5.
        {"...", {"", "", "", "返回", "m=0"}},
    };
    return all;
}

std::string label(const OpInfo& row) {
    switch (row.op) {
    case Op::Head:
        return "(head)";
    case Op::Comment:
        return "(comment)";
    case Op::Call:
        return "(call)";
    default:
        return std::string(row.code);
    }
}

bool isComparison(const OpInfo& row) {
    return row.action == Action::CompareNumbers || row.action == Action::CompareTexts;
}

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    if (text.empty()) return parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string_view::npos;
         start = at + 1)
        parts.emplace_back(text.substr(start, at - start));
    parts.emplace_back(text.substr(start));
    return parts;
}

// One program holding the step of one row, built with the model's own operations.
class Walk {
public:
    Walk(const OpInfo& row, const Case& c, std::string_view xValue) : row_(row) {
        callee_.caption = "Twice";
        main_ = b_.main("main");
        switch (row.action) {
        case Action::Nothing:
            if (row.op == Op::Comment)
                step_ = b_.step(stepkind::Comment, c.text, nullptr, nullptr, nullptr);
            else
                step_ = main_->step(1);
            break;
        case Action::DoCondition: {
            auto* condition = b_.condition("x1", std::string(xValue));
            x_ = condition;
            mark_ = b_.number("m", "0");
            b_.trueBranch(condition);
            b_.step(stepkind::SetFromConstant, "A->x", mark_, nullptr, nullptr, "1");
            b_.falseBranch(condition);
            b_.step(stepkind::SetFromConstant, "A->x", mark_, nullptr, nullptr, "2");
            b_.edit(main_);
            step_ = b_.step(row.stepKind, std::string(row.code), x_, nullptr, nullptr);
            break;
        }
        case Action::DoIteration:
        case Action::Exit: {
            auto* iteration = b_.iteration("x1", "1", "3");
            x_ = iteration;
            mark_ = b_.number("m", "0");
            Tstep* doI = b_.step(stepkind::Flow, "DOI", iteration, nullptr, nullptr);
            if (row.action == Action::DoIteration) step_ = doI;
            b_.body(iteration);
            if (row.action == Action::Exit)
                step_ = b_.step(row.stepKind, std::string(row.code), x_, nullptr, nullptr);
            b_.step(stepkind::WithConstant, "x+A", mark_, nullptr, mark_, "1");
            break;
        }
        case Action::Return:
            mark_ = b_.number("m", "0");
            step_ = b_.step(row.stepKind, std::string(row.code), nullptr, nullptr, nullptr);
            b_.step(stepkind::SetFromConstant, "A->x", mark_, nullptr, nullptr, "5");
            break;
        case Action::Call:
            step_ = makeCall(xValue);
            break;
        default:
            step_ = makeValueStep(c, xValue);
        }
    }

    const Tstep& step() const { return *step_; }
    std::vector<std::string> warnings() const { return platform_.warnings; }

    // The step written as its record and read back into the same commander.
    std::unique_ptr<Tstep> readBack() const {
        RecordWriter writer;
        step_->WriteTo(writer);
        const std::string bytes = writer.take();
        RecordReader reader(bytes);
        auto read = Tstep::ReadFrom(reader, main_, &program_);
        EXPECT_TRUE(reader.ok());
        return read;
    }

    // Runs the program to its end and tells the state of its objects.
    std::string run() {
        RunButtons buttons;
        buttons.commanderActivated();
        Interpreter interpreter(ws_, buttons);
        interpreter.ProgramRun(main_);
        EXPECT_FALSE(interpreter.halted());
        std::string state;
        const auto show = [&state](const char* name, const TprogramVaribler* object) {
            if (!object) return;
            if (!state.empty()) state += ' ';
            state += name;
            state += '=';
            if (const auto* output = dynamic_cast<const TprogramOutput*>(object)) {
                std::string lines;
                for (const std::string& line : output->lines())
                    lines += (lines.empty() ? "" : ",") + line;
                state += "[" + lines + "]";
            } else {
                state += toUtf8(object->GetValue());
            }
        };
        show("x", x_);
        show("y", y_);
        show("z", z_);
        show("m", mark_);
        interpreter.ProgramStop();
        return state;
    }

private:
    TprogramVaribler* operand(Family family, const char* alias, std::string_view value) {
        switch (family) {
        case Family::None:
            return nullptr;
        case Family::Boolean:
            return b_.boolean(alias, std::string(value));
        case Family::String: {
            auto* text = b_.string(alias, std::string(value));
            text->LocatePart->setAllStores("2"); // the clip of "abcd" is "bc"
            text->MeasurePart->setAllStores("2");
            return text;
        }
        case Family::Output: {
            auto* output = b_.output(alias);
            output->OutputLines = split(value, ',');
            return output;
        }
        default:
            return b_.number(alias, std::string(value));
        }
    }

    TprogramVaribler* result() {
        switch (row_.resultKind) {
        case kind::Number:
            return b_.number("z1", "0");
        case kind::Boolean:
            return b_.boolean("z1", "FALSE");
        case kind::String:
            return b_.string("z1", "-");
        default:
            return nullptr;
        }
    }

    Tstep* makeValueStep(const Case& c, std::string_view xValue) {
        x_ = operand(row_.x, "x1", xValue);
        y_ = operand(row_.y, "y1", c.y);
        z_ = result();
        std::optional<std::string> constant;
        switch (row_.constant) {
        case ConstantKind::None:
            break;
        case ConstantKind::True:
            constant = "TRUE";
            break;
        case ConstantKind::False:
            constant = "FALSE";
            break;
        default:
            constant = c.a;
        }
        return b_.step(row_.stepKind, std::string(row_.code), x_, y_, z_, constant);
    }

    // twice(in) -> out := in * 2, in a program of its own; m := twice(x).
    Tstep* makeCall(std::string_view xValue) {
        TMaincommander* twice = callee_b_.main("twice");
        auto* in = callee_b_.number("in");
        auto* out = callee_b_.number("out");
        Builder::argument(twice, in, true, false);
        Builder::argument(twice, out, false, true);
        callee_b_.step(stepkind::WithConstant, "x*A", in, nullptr, out, "2");
        auto* function = b_.element<TprogramFunction>(kind::Function, "Twice");
        auto* actual = b_.number("a", std::string(xValue));
        mark_ = b_.number("m", "0");
        Tstep* call = b_.step(stepkind::Call, "twice", function, nullptr, nullptr);
        call->Parameters.push_back({in, nullptr, actual, nullptr});
        call->Parameters.push_back({nullptr, out, nullptr, mark_});
        return call;
    }

    const OpInfo& row_;
    RecordingPlatform platform_;
    Workspace ws_{platform_};
    Tprogramspace& program_ = ws_.newProgram();
    Tprogramspace& callee_ = ws_.newProgram();
    Builder b_{program_};
    Builder callee_b_{callee_};
    TMaincommander* main_ = nullptr;
    Tstep* step_ = nullptr;
    TprogramVaribler* x_ = nullptr;
    TprogramVaribler* y_ = nullptr;
    TprogramVaribler* z_ = nullptr;
    TprogramNumber* mark_ = nullptr;
};

TEST(CodeWalk, EveryRowShowsItsTextReadsBackAndRuns) {
    std::size_t walked = 0;
    for (const OpInfo& row : opTable()) {
        if (row.op == Op::Unknown) continue;
        const std::string name = label(row);
        SCOPED_TRACE(name);
        const auto found = cases().find(name);
        ASSERT_NE(found, cases().end()) << "no case walks " << name;
        const Case& c = found->second;
        ++walked;

        std::string after;
        for (const std::string& xValue :
             isComparison(row) ? split(c.x, ' ') : std::vector<std::string>{c.x}) {
            auto walk = std::make_unique<Walk>(row, c, xValue);
            EXPECT_EQ(&walk->step().info(), &row);
            EXPECT_EQ(toUtf8(walk->step().DisplayText()), c.text);
            const auto read = walk->readBack();
            EXPECT_EQ(read->op, row.op);
            EXPECT_EQ(read->DisplayText(), walk->step().DisplayText());
            const std::string state = walk->run();
            after += isComparison(row) ? state.substr(state.rfind('=') + 1, 1) : state;
            EXPECT_TRUE(walk->warnings().empty());
        }
        EXPECT_EQ(after, c.after);
    }
    EXPECT_EQ(walked, cases().size());
}

// An index that reaches past its array says so when it is read; "y-x" reads x first all the
// same, so the messages come in the order of the operands, not of the code.
TEST(ReadingOperands, XIsReadBeforeYWhateverOrderTheCodeShows) {
    RecordingPlatform platform;
    Workspace ws{platform};
    Tprogramspace& p = ws.newProgram();
    Builder b{p};
    TMaincommander* m = b.main();
    TprogramNumber* cell = b.number("cell");
    AttributeWindow window;
    p.fillAttributes(*cell, window);
    window.IsArray = true;
    window.ArrayLowdimension = 1;
    window.ArrayHighdimension = 3;
    ASSERT_TRUE(p.applyAttributes(*cell, window));
    auto* array = dynamic_cast<TprogramArray*>(cell->ArrayObject);
    ASSERT_NE(array, nullptr);
    TprogramIndex* byEight = p.services().IndexElement(*array, *b.number("i", "8"));
    TprogramIndex* byNine = p.services().IndexElement(*array, *b.number("j", "9"));
    b.edit(m);
    b.step(stepkind::Binary, "y-x", byEight, byNine, b.number("z"));
    b.step(stepkind::Binary, "x-y", byEight, byNine, b.number("w"));
    RunButtons buttons;
    buttons.commanderActivated();
    Interpreter run{ws, buttons};
    run.ProgramRun(m);
    EXPECT_EQ(platform.warnings, (std::vector<std::string>{"索引超出范围:8", "索引超出范围:9",
                                                           "索引超出范围:8", "索引超出范围:9"}));
}

} // namespace
} // namespace olvide::testing
