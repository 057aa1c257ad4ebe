// Builds the example programs of examples/olvide with the program model and saves them with
// their drawing files: make_olvide_examples FOLDER. What each prints is written by hand beside
// it (NAME.expected) and checked by the command-line tests.
#include "olvide/model/codepage.h"
#include "olvide/model/files/program_documents.h"
#include "olvide/model/objects/attribute_window.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

namespace {

using namespace olvide;

// Answers every question with OK, so that attribute changes go through.
class AgreeingPlatform : public NullPlatform {
public:
    bool confirm(std::string_view) override { return true; }
    bool askYesNo(std::string_view) override { return true; }
    void warning(std::string_view text) override { std::cerr << toUtf8(text) << '\n'; }
};

class Maker {
public:
    Maker(Workspace& workspace, std::string name) : p(workspace.newProgram()) { p.caption = name; }

    TMaincommander* main(const char* alias) {
        TMaincommander* m = p.placeMainCommander(400, 60 + 80 * p.objects.mainCommanderTotal());
        m->SetAlias(fromUtf8(alias));
        p.activateCommander(m);
        return m;
    }
    template <class T> T* element(std::uint8_t k, const char* alias) {
        auto* e = dynamic_cast<T*>(p.placeElement(k, x_, y_));
        x_ += 70;
        if (x_ > 330) {
            x_ = 50;
            y_ += 70;
        }
        e->SetAlias(fromUtf8(alias));
        return e;
    }
    TprogramNumber* number(const char* alias, const char* value = "0") {
        auto* n = element<TprogramNumber>(kind::Number, alias);
        n->setAllStores(fromUtf8(value));
        return n;
    }
    TprogramString* string(const char* alias, const char* value) {
        auto* s = element<TprogramString>(kind::String, alias);
        s->setAllStores(fromUtf8(value));
        return s;
    }
    Tprogramcondition* condition(const char* alias, bool loop = false) {
        auto* c = element<Tprogramcondition>(kind::Condition, alias);
        c->IsIterator = loop;
        return c;
    }
    TprogramIteration* iteration(const char* alias, const char* from, const char* to) {
        auto* i = element<TprogramIteration>(kind::Iteration, alias);
        i->FromPart->setAllStores(from);
        i->ToPart->setAllStores(to);
        return i;
    }
    TprogramOutput* output(const char* alias) {
        return element<TprogramOutput>(kind::Output, alias);
    }
    TprogramFunction* function(const char* programName) {
        return element<TprogramFunction>(kind::Function, programName);
    }

    Tstep* step(std::uint8_t k, const char* code, TprogramVaribler* x, TprogramVaribler* y,
                TprogramVaribler* z, const char* constant = nullptr) {
        Tprogramconstant* c = constant ? p.services().MakeConstant(fromUtf8(constant)) : nullptr;
        return p.services().AddStep(k, code, x, y, z, c);
    }
    // A call of a main commander of a function, with (formal, actual) input and output pairs.
    Tstep* call(TprogramFunction* f, TMaincommander* called,
                std::initializer_list<std::pair<TprogramVaribler*, TprogramVaribler*>> inputs,
                std::initializer_list<std::pair<TprogramVaribler*, TprogramVaribler*>> outputs) {
        Tstep* s = p.services().AddStep(stepkind::Call, called->VisualorAlias, f, nullptr, nullptr,
                                        nullptr);
        for (auto [formal, actual] : inputs)
            s->Parameters.push_back({formal, nullptr, actual, nullptr});
        for (auto [formal, actual] : outputs)
            s->Parameters.push_back({nullptr, formal, nullptr, actual});
        return s;
    }
    // Makes an element a parameter of a main commander.
    static void parameter(TMaincommander* m, TValueVaribler* e, bool input, bool output) {
        const int store = e->services().storeIndexOf(m);
        e->Stores[static_cast<std::size_t>(store)].StoreInput = input;
        e->Stores[static_cast<std::size_t>(store)].StoreOutput = output;
        m->addArgument(e);
    }
    void edit(TCommander* c) { p.activateCommander(c); }
    void trueBranch(Tprogramcondition* c) {
        if (!c->TrueCommander) p.services().MakeTrueCommander(*c);
        edit(c->TrueCommander);
    }
    void falseBranch(Tprogramcondition* c) {
        if (!c->FalseCommander) p.services().MakeFalseCommander(*c);
        edit(c->FalseCommander);
    }
    void body(TprogramIteration* i) {
        if (!i->ForCommander) p.services().MakeForCommander(*i);
        edit(i->ForCommander);
    }

    bool save(const std::filesystem::path& folder, const char* file) {
        std::string error;
        const SaveOutcome r = saveProgram(p, (folder / file).string(), &error);
        if (r != SaveOutcome::Saved) std::cerr << file << ": " << error << '\n';
        return r == SaveOutcome::Saved;
    }

    Tprogramspace& p;

private:
    int x_ = 50;
    int y_ = 50;
};

// Squares of 1 to 5 and their sum.
bool countedLoop(Workspace& ws, const std::filesystem::path& folder) {
    Maker m(ws, "counted_loop");
    m.main("计数循环");
    TprogramIteration* i = m.iteration("i", "1", "5");
    TprogramNumber* square = m.number("平方");
    TprogramNumber* sum = m.number("和");
    TprogramOutput* out = m.output("结果");
    m.step(stepkind::Flow, "DOI", i, nullptr, nullptr);
    m.step(stepkind::Binary, "O+S", out, sum, nullptr);
    m.body(i);
    m.step(stepkind::Binary, "x*y", i, i, square);
    m.step(stepkind::Binary, "O+S", out, square, nullptr);
    m.step(stepkind::Binary, "x+y", sum, square, sum);
    return m.save(folder, "counted_loop.olv");
}

// Powers of two below 100, by a condition with the loop attribute.
bool whileLoop(Workspace& ws, const std::filesystem::path& folder) {
    Maker m(ws, "while_loop");
    m.main("当型循环");
    TprogramNumber* power = m.number("幂", "1");
    Tprogramcondition* below = m.condition("小于100", true);
    TprogramOutput* out = m.output("二的幂");
    m.step(stepkind::WithConstant, "x<A", power, nullptr, below, "100");
    m.step(stepkind::Flow, "DOC", below, nullptr, nullptr);
    m.trueBranch(below);
    m.step(stepkind::Binary, "O+S", out, power, nullptr);
    m.step(stepkind::WithConstant, "x*A", power, nullptr, power, "2");
    m.step(stepkind::WithConstant, "x<A", power, nullptr, below, "100");
    return m.save(folder, "while_loop.olv");
}

// An array filled through an index object and read back in reverse through another.
bool arrays(Workspace& ws, const std::filesystem::path& folder) {
    Maker m(ws, "arrays");
    m.main("数组");
    TprogramNumber* cell = m.number("格");
    AttributeWindow window;
    m.p.fillAttributes(*cell, window);
    window.IsArray = true;
    window.ArrayLowdimension = 1;
    window.ArrayHighdimension = 5;
    if (!m.p.applyAttributes(*cell, window)) return false;
    auto* array = dynamic_cast<TprogramArray*>(cell->ArrayObject);
    TprogramIteration* k = m.iteration("k", "1", "5");
    TprogramIteration* j = m.iteration("j", "1", "5");
    TprogramNumber* back = m.number("倒数");
    TprogramNumber* sum = m.number("总和");
    TprogramOutput* out = m.output("倒序");
    TprogramIndex* byK = m.p.services().IndexElement(*array, *k);
    TprogramIndex* byBack = m.p.services().IndexElement(*array, *back);
    m.edit(m.p.objects.mainCommander(0));
    m.step(stepkind::Flow, "DOI", k, nullptr, nullptr);
    m.step(stepkind::Flow, "DOI", j, nullptr, nullptr);
    m.step(stepkind::Binary, "O+S", out, sum, nullptr);
    m.body(k);
    m.step(stepkind::WithConstant, "x*A", k, nullptr, byK, "10");
    m.body(j);
    m.step(stepkind::WithConstant, "A-x", j, nullptr, back, "6");
    m.step(stepkind::Binary, "O+S", out, byBack, nullptr);
    m.step(stepkind::Binary, "x+y", sum, byBack, sum);
    return m.save(folder, "arrays.olv");
}

// Chinese text: lengths and positions count bytes of the code page.
bool strings(Workspace& ws, const std::filesystem::path& folder) {
    Maker m(ws, "strings");
    m.main("字符串");
    TprogramString* s = m.string("问候", "你好,世界");
    s->LocatePart->setAllStores("6");
    s->MeasurePart->setAllStores("4");
    TprogramNumber* length = m.number("长度");
    TprogramString* part = m.string("片段", "");
    TprogramString* replaced = m.string("替换", "");
    TprogramString* joined = m.string("连接", "");
    TprogramString* repeated = m.string("重复", "");
    auto* less = m.element<TprogramBoolean>(kind::Boolean, "较小");
    TprogramOutput* out = m.output("文字");
    m.step(stepkind::Unary, "----", s, nullptr, length);
    m.step(stepkind::Binary, "O+S", out, length, nullptr);
    m.step(stepkind::Unary, "A(BC)D", s, nullptr, part);
    m.step(stepkind::Binary, "O+S", out, part, nullptr);
    m.step(stepkind::WithConstant, "S_<->A", s, nullptr, replaced, "朋友");
    m.step(stepkind::Binary, "O+S", out, replaced, nullptr);
    m.step(stepkind::WithConstant, "A+S", part, nullptr, joined, "大");
    m.step(stepkind::Binary, "O+S", out, joined, nullptr);
    m.step(stepkind::WithConstant, "SS..A", part, nullptr, repeated, "3");
    m.step(stepkind::Binary, "O+S", out, repeated, nullptr);
    m.step(stepkind::WithConstant, "S<A", s, nullptr, less, "我");
    m.step(stepkind::Binary, "O+S", out, less, nullptr);
    return m.save(folder, "strings.olv");
}

// A function in a second file, called with input and output parameters.
bool functionCall(Workspace& ws, const std::filesystem::path& folder) {
    Maker area(ws, "area");
    TMaincommander* areaMain = area.main("面积");
    TprogramNumber* w = area.number("宽");
    TprogramNumber* h = area.number("高");
    TprogramNumber* a = area.number("积");
    area.step(stepkind::Binary, "x*y", w, h, a);
    Maker::parameter(areaMain, w, true, false);
    Maker::parameter(areaMain, h, true, false);
    Maker::parameter(areaMain, a, false, true);
    if (!area.save(folder, "area.olv")) return false;

    Maker m(ws, "rectangles");
    m.main("矩形");
    TprogramFunction* f = m.function("area");
    TprogramNumber* length = m.number("长", "3");
    TprogramNumber* width = m.number("宽度", "4");
    TprogramNumber* result = m.number("结果");
    TprogramOutput* out = m.output("面积表");
    m.call(f, areaMain, {{w, length}, {h, width}}, {{a, result}});
    m.step(stepkind::Binary, "O+S", out, result, nullptr);
    m.step(stepkind::SetFromConstant, "A->x", length, nullptr, nullptr, "2.5");
    m.call(f, areaMain, {{w, length}, {h, width}}, {{a, result}});
    m.step(stepkind::Binary, "O+S", out, result, nullptr);
    return m.save(folder, "rectangles.olv");
}

// n! by a function that calls itself, for n from 1 to 6.
bool factorial(Workspace& ws, const std::filesystem::path& folder) {
    Maker m(ws, "factorial");
    TMaincommander* start = m.main("阶乘表");
    TMaincommander* fact = m.main("阶乘");
    TprogramFunction* self = m.function("factorial");
    TprogramIteration* i = m.iteration("i", "1", "6");
    TprogramNumber* value = m.number("值");
    TprogramOutput* out = m.output("阶乘值");
    TprogramNumber* n = m.number("n");
    TprogramNumber* r = m.number("r");
    TprogramNumber* less = m.number("n减1");
    TprogramNumber* sub = m.number("子结果");
    Tprogramcondition* base = m.condition("到底");
    Maker::parameter(fact, n, true, false);
    Maker::parameter(fact, r, false, true);

    m.edit(start);
    m.step(stepkind::Flow, "DOI", i, nullptr, nullptr);
    m.body(i);
    m.call(self, fact, {{n, i}}, {{r, value}});
    m.step(stepkind::Binary, "O+S", out, value, nullptr);

    m.edit(fact);
    m.step(stepkind::WithConstant, "x<=A", n, nullptr, base, "1");
    m.step(stepkind::Flow, "DOC", base, nullptr, nullptr);
    m.trueBranch(base);
    m.step(stepkind::SetFromConstant, "A->x", r, nullptr, nullptr, "1");
    m.falseBranch(base);
    m.step(stepkind::WithConstant, "x-A", n, nullptr, less, "1");
    m.call(self, fact, {{n, less}}, {{r, sub}});
    m.step(stepkind::Binary, "x*y", sub, n, r);
    return m.save(folder, "factorial.olv");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_olvide_examples FOLDER\n";
        return 1;
    }
    const std::filesystem::path folder = std::filesystem::absolute(argv[1]);
    std::filesystem::create_directories(folder);
    AgreeingPlatform platform;
    Workspace workspace(platform);
    const bool ok = countedLoop(workspace, folder) && whileLoop(workspace, folder) &&
                    arrays(workspace, folder) && strings(workspace, folder) &&
                    functionCall(workspace, folder) && factorial(workspace, folder);
    return ok ? 0 : 1;
}
