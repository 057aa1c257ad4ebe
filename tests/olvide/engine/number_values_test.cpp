// Numbers that arithmetic keeps beside their text: every result, message and later reading is
// what writing and reading the text gives, whatever the operands look like.
#include "engine_fixture.h"

#include "olvide/engine/value_ops.h"

#include <gtest/gtest.h>

namespace olvide::testing {
namespace {

const std::vector<std::string> kOperands = {"0",
                                            "-0",
                                            "7",
                                            "-12",
                                            "2.5",
                                            "2.5 ",
                                            "12x",
                                            "-3x",
                                            "1.5x",
                                            "abc",
                                            "",
                                            "1e3",
                                            "1E-320",
                                            "0.1",
                                            "0.2",
                                            "1e308",
                                            "-1e308",
                                            "123456789012345678",
                                            "9007199254740993",
                                            "0.000000004",
                                            "3.99999999999",
                                            " 42",
                                            "+5",
                                            "1e",
                                            "5."};

struct Outcome {
    std::string z;     // z after the step
    std::string w;     // w after w := z + 0, reading z as a number again
    std::string after; // z after z := z * 1, a number read and written in place
    std::vector<std::string> warnings;
};

Outcome runStep(const std::string& code, const std::string& x, const std::string& y) {
    RecordingPlatform platform;
    Workspace ws(platform);
    Tprogramspace& p = ws.newProgram();
    Builder c(p);
    TMaincommander* m = c.main("main");
    TprogramNumber* xs = c.number("x", "0");
    TprogramNumber* ys = c.number("y", "0");
    TprogramNumber* z = c.number("z", "0");
    TprogramNumber* w = c.number("w", "0");
    xs->setAllStores(x);
    ys->setAllStores(y);
    const bool withConstant = code.find('A') != std::string::npos;
    if (withConstant)
        c.step(stepkind::WithConstant, code, xs, nullptr, z, y);
    else
        c.step(stepkind::Binary, code, xs, ys, z);
    c.step(stepkind::WithConstant, "x+A", z, nullptr, w, "0");
    Outcome r;
    RunButtons buttons;
    buttons.commanderActivated();
    Interpreter run(ws, buttons);
    run.ProgramRun(m);
    r.z = z->GetValue();
    r.w = w->GetValue();
    c.step(stepkind::WithConstant, "x*A", z, nullptr, z, "1");
    run.ProgramStop();
    run.ProgramRun(m);
    r.after = z->GetValue();
    r.warnings = platform.warnings;
    run.ProgramStop();
    return r;
}

// What the same steps give when every value is text, step by step.
Outcome byText(char op, bool constantFirst, bool compare, Comparison cmp, const std::string& x,
               const std::string& y) {
    Outcome r;
    RecordingPlatform platform;
    auto step = [&](char o, const std::string& l, const std::string& rt) {
        std::string out;
        const Faulted f = arithmetic(o, l, rt, out);
        if (f.fault != Fault::None) r.warnings.push_back(toUtf8(faultMessage(f.fault)));
        return out;
    };
    const std::string& left = constantFirst ? y : x;
    const std::string& right = constantFirst ? x : y;
    r.z = compare ? std::string(booleanText(compareNumbers(cmp, left, right)))
                  : step(op, left, right);
    r.w = step('+', r.z, "0");
    // The second run repeats the first two steps, then z := z * 1.
    auto again = r.warnings;
    r.warnings.insert(r.warnings.end(), again.begin(), again.end());
    r.after = step('*', r.z, "1");
    return r;
}

TEST(NumberValues, ArithmeticAndComparisonsGiveWhatTheirTextGives) {
    struct Code {
        const char* code;
        char op;
        bool constantFirst;
        bool compare;
        Comparison cmp;
    };
    const std::vector<Code> codes = {
        {"x+y", '+', false, false, {}},
        {"x-A", '-', false, false, {}},
        {"A-x", '-', true, false, {}},
        {"x*y", '*', false, false, {}},
        {"x/A", '/', false, false, {}},
        {"A/x", '/', true, false, {}},
        {"x<y", 0, false, true, Comparison::Less},
        {"x=A", 0, false, true, Comparison::Equal},
    };
    for (const Code& code : codes)
        for (const std::string& x : kOperands)
            for (const std::string& y : {std::string("3"), std::string("0"), std::string("-2.5"),
                                         std::string("1e-310"), std::string("x7"), x}) {
                const Outcome got = runStep(code.code, x, y);
                const Outcome want =
                    byText(code.op, code.constantFirst, code.compare, code.cmp, x, y);
                ASSERT_EQ(got.z, want.z) << code.code << " x='" << x << "' y='" << y << "'";
                ASSERT_EQ(got.w, want.w) << code.code << " x='" << x << "' y='" << y << "'";
                ASSERT_EQ(got.after, want.after) << code.code << " x='" << x << "'";
                ASSERT_EQ(got.warnings, want.warnings) << code.code << " x='" << x << "'";
            }
}

TEST(NumberValues, ALoopCountsWithNumbersAndShowsTheirText) {
    RecordingPlatform platform;
    Workspace ws(platform);
    Tprogramspace& p = ws.newProgram();
    Builder c(p);
    TMaincommander* m = c.main("main");
    TprogramIteration* i = c.iteration("i", "0.5", "3", "0.25");
    TprogramNumber* sum = c.number("sum", "0");
    TprogramOutput* out = c.output("out");
    c.step(stepkind::Flow, "DOI", i, nullptr, nullptr);
    c.body(i);
    c.step(stepkind::Binary, "x+y", sum, i, sum);
    c.step(stepkind::Binary, "O+S", out, sum, nullptr);
    RunButtons buttons;
    buttons.commanderActivated();
    Interpreter run(ws, buttons);
    run.ProgramRun(m);
    // 0.5 + 0.75 + ... + 3: eleven values.
    EXPECT_EQ(sum->GetValue(), "19.25");
    EXPECT_EQ(i->GetValue(), "3.25");
    ASSERT_EQ(out->lines().size(), 11u);
    EXPECT_EQ(out->lines()[0], "0.5");
    EXPECT_EQ(out->lines()[1], "1.25");
    EXPECT_EQ(out->lines()[2], "2.25");
    run.ProgramStop();
}

} // namespace
} // namespace olvide::testing
