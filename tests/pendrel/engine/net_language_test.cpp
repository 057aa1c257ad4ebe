#include "process_fixture.h"

#include <utility>

namespace {

using Tokenizer = EngineTest;

std::vector<std::pair<vItemKind, std::string>> Items(const std::string& text) {
    std::vector<std::pair<vItemKind, std::string>> out;
    char item[kItemBuffer];
    int pos = 0;
    for (int guard = 0; guard < 10000; ++guard) {
        int before = pos;
        vItemKind kind = vvPROCnextitem(text.c_str(), &pos, item);
        if (kind == vItemKind::End) break;
        EXPECT_GT(pos, before) << "no progress in: " << text;
        out.emplace_back(kind, item);
    }
    return out;
}

TEST_F(Tokenizer, KindsOfItems) {
    using K = vItemKind;
    auto got = Items("<a b> {h} <!n> \"q \"\"x\"\" y\" 42 -2.5 +1 - .5 [1, 2] ADD IS<\n\n");
    std::vector<std::pair<vItemKind, std::string>> expected = {
        {K::Label, "a b"},        {K::HeldLabel, "h"}, {K::NonTriggeringLabel, "n"},
        {K::Quoted, "q \"x\" y"}, {K::Constant, "42"}, {K::Constant, "-2.5"},
        {K::Constant, "+1"},      {K::Word, "-"},      {K::Constant, ".5"},
        {K::Constant, "[1, 2]"},  {K::Word, "ADD"},    {K::Word, "IS<"},
        {K::EmptyLine, ""},
    };
    EXPECT_EQ(got, expected);
}

TEST_F(Tokenizer, NestedLabelsKeepTheirInnerBrackets) {
    auto got = Items("<a<b>c> {x{y}}");
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].second, "a<b>c");
    EXPECT_EQ(got[1].second, "x{y}");
}

TEST_F(Tokenizer, UnbalancedTextRunsToTheEnd) {
    EXPECT_EQ(Items("<abc def"),
              (std::vector<std::pair<vItemKind, std::string>>{{vItemKind::Label, "abc def"}}));
    EXPECT_EQ(Items("\"open quote"),
              (std::vector<std::pair<vItemKind, std::string>>{{vItemKind::Quoted, "open quote"}}));
    EXPECT_EQ(Items("[1,[2"),
              (std::vector<std::pair<vItemKind, std::string>>{{vItemKind::Constant, "[1,[2"}}));
    EXPECT_EQ(Items("a>b ]] }"),
              (std::vector<std::pair<vItemKind, std::string>>{
                  {vItemKind::Word, "a>b"}, {vItemKind::Word, "]]"}, {vItemKind::Word, "}"}}));
}

TEST_F(Tokenizer, LongItemsAreCutAtTheBuffer) {
    std::string longWord(5000, 'w');
    auto got = Items(longWord + " next <" + std::string(3000, 'l') + "> \"" +
                     std::string(400, 'q') + "\"");
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].second.size(), 255u);
    EXPECT_EQ(got[1].second, "next");
    EXPECT_EQ(got[2].second.size(), 255u);
    EXPECT_EQ(got[3].second.size(), 255u);
}

using Constants = EngineTest;

TEST_F(Constants, ShapesTypesAndValues) {
    Owned a(vvPROCconstant("42"));
    EXPECT_EQ(a.Array()->type, kTypeL);
    EXPECT_EQ(ValuesOf(a.obj), (std::vector<double>{42}));
    Owned b(vvPROCconstant("-2.5"));
    EXPECT_EQ(b.Array()->type, kTypeF);
    EXPECT_EQ(ValuesOf(b.obj), (std::vector<double>{-2.5}));
    Owned c(vvPROCconstant("[1,2,3]"));
    EXPECT_EQ(c.Array()->ndims, 1);
    EXPECT_EQ(c.Array()->dims[0], 3u);
    Owned d(vvPROCconstant("[[1,2],[3,4],[5,6]]"));
    EXPECT_EQ(d.Array()->ndims, 2);
    EXPECT_EQ(d.Array()->dims[0], 2u);
    EXPECT_EQ(d.Array()->dims[1], 3u);
    EXPECT_EQ(ValuesOf(d.obj), (std::vector<double>{1, 2, 3, 4, 5, 6}));
    Owned e(vvPROCconstant("[1,2.0]"));
    EXPECT_EQ(e.Array()->type, kTypeF);
    EXPECT_EQ(ValuesOf(e.obj), (std::vector<double>{1, 2}));
    Owned f(vvPROCconstant("[1,2,3,4]x[9]"));
    EXPECT_EQ(ValuesOf(f.obj), (std::vector<double>{1, 2, 3, 4})); // the fifth number dropped
    Owned g(vvPROCconstant("[1,,]"));
    EXPECT_EQ(ValuesOf(g.obj), (std::vector<double>{1, 0, 0}));
    Owned h(vvPROCconstant("99999999999"));
    EXPECT_EQ(ValuesOf(h.obj), (std::vector<double>{2147483647}));
    Owned four(vvPROCconstant("[[[[7]]]]"));
    EXPECT_EQ(four.Array()->ndims, 4);
    EXPECT_EQ(vvPROCconstant("[[[[[7]]]]]"), nullptr);
}

using Ascii2Data = EngineTest;

TEST_F(Ascii2Data, QuotedTextsAndConstantsInOrder) {
    vLIST* list = vvProcessAscii2Data("3 \"a\\nb\" word <label> [1,2]");
    ASSERT_EQ(vvListSize(list), 3);
    EXPECT_EQ(ValuesOf(vListFirst(list)), (std::vector<double>{3}));
    EXPECT_STREQ(vTextGet(static_cast<vTEXT*>(vAt(list, 1))), "a\nb");
    EXPECT_EQ(ValuesOf(vAt(list, 2)), (std::vector<double>{1, 2}));
    vvDestroy(list);
    Owned first(vAscii2Data("word 5 6"));
    EXPECT_EQ(ValuesOf(first.obj), (std::vector<double>{5}));
    EXPECT_EQ(vAscii2Data("only words"), nullptr);
    EXPECT_EQ(vAscii2Data(""), nullptr);
}

using MalformedNets = ProcessTest;

TEST_F(MalformedNets, NeverCrashOrHang) {
    const std::string texts[] = {
        "<a> <b ADD <c>",
        "<a> \"unclosed ADD <c>",
        "<a> [[[[[1]]]]] ADD <c>",
        "<a> [1,2 ADD <c>",
        "]]]] >>> }}} <<< {{{",
        "ADD ADD ADD <x> <y> <z>",
        "<> {} <!> \"\" [] ADD <>",
        std::string(10000, '<'),
        std::string(10000, '['),
        std::string(10000, '"'),
        "<" + std::string(100000, 'x') + "> " + std::string(100000, '9') + " ADD <out>",
        std::string("\x01\x02\x7f\xff\xfe <a> \t\r\n xM <b>"),
        "<a> xT xT xT xM <a>",
    };
    for (const std::string& t : texts)
        Program(t.c_str());
    Send("a", "1");
    vProcessSetRunning(proc, 1);
    for (int i = 0; i < 1000 && vvProcessNextFunction(proc); ++i) {}
    SUCCEED();
}

TEST_F(MalformedNets, NestedConstantGivesNoInput) {
    AddResultPath("out");
    Program("<a> [[[[[2]]]]] ADD <out>");
    Send("a", "1");
    EXPECT_EQ(RunAll(), 0); // ADD waits for a second input that never comes
    Program("<b> [[[[2]]]] ADD <out>");
    Send("b", "1");
    RunAll();
    EXPECT_EQ(results, (std::vector<std::string>{"out: 3"}));
}

TEST_F(MalformedNets, QuotedTextsKeepQuotesAndEscapes) {
    AddResultPath("out");
    Program("<a> \"say \"\"hi\"\"\\nnow\" GATE <out>");
    Send("a", "1");
    RunAll();
    EXPECT_EQ(results, (std::vector<std::string>{"out: 1"}));
    Program("<b> xM <out>");
    Send("b", "\"say \"\"hi\"\"\\nnow\"");
    EXPECT_EQ(results.back(), "out: say \"hi\"\nnow");
}

} // namespace

namespace {

using ProcessOwnPaths = ProcessTest;

TEST_F(ProcessOwnPaths, NamingTheCommandPathKeepsItWorking) {
    AddResultPath("out");
    Program("<Command> xM <x>");
    vProcessReset(proc); // frees the block that named Command
    Program("<a> xM <out>");
    Send("a", "1");
    EXPECT_EQ(results, (std::vector<std::string>{"out: 1"}));
}

TEST_F(ProcessOwnPaths, NamingThePublicPathMakesAPathOfThatName) {
    Program("<Public> xM <x>\n<y> xM <Public>");
    EXPECT_NE(PublicPath("Public"), nullptr);
    EXPECT_NE(PublicPath("Public"), proc->publicPath);
    EXPECT_EQ(vvPathGetSub(proc->publicPath, "nothing"), nullptr);
}

TEST_F(ProcessOwnPaths, SearchThroughManySharedPathsEnds) {
    std::string net;
    for (int i = 0; i < 200; ++i)
        net += "<a> <b> <c> <d> ADD <e>\n";
    Program(net.c_str());
    EXPECT_EQ(vvPathGetSub(proc->publicPath, "missing"), nullptr);
}

} // namespace

namespace {

using ProcessWithoutOuterPath = EngineTest;

TEST_F(ProcessWithoutOuterPath, RunsAndDescribesIntoNothing) {
    Owned proc(vvProcessCreate("alone", nullptr));
    ASSERT_NE(proc.obj, nullptr);
    auto* p = proc.As<vPROC>();
    vProcessRegisterBuiltins(p);
    vvPathSend(vProcessCommandPath(p), vTextCreate("<a> 1 ADD <DataOut>"));
    vPATH* a = vAsPath(vvPathGetSub(p->publicPath, "a"));
    ASSERT_NE(a, nullptr);
    vvPathSend(a, MakeArray(kTypeL, {1}));
    vProcessSetRunning(p, 1);
    EXPECT_EQ(vvProcessNextFunction(p), 1);
    EXPECT_EQ(vvListSize(vAsPath(vvPathGetSub(p->publicPath, "DataOut"))), 0);
}

} // namespace
