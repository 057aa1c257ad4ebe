// The flow chart's layout: branches on the 12 x 15 grid, the figures of every kind of step,
// placing in columns, folding with compaction and unfolding, selection and hit testing.
#include "views_fixture.h"

#include "olvide/views/layout/flow_layout.h"

#include <algorithm>

namespace olvide::testing {
namespace {

using views::FlowBranch;
using views::FlowLayout;
using views::FlowLeaf;
using views::FlowRect;

class Flow : public ViewsTest {
protected:
    FlowLayout layout;

    // The condition step at `row` of the main commander (comment steps before it).
    Tstep* doConditionAt(int row, Tprogramcondition& c) {
        fillTo(main, row);
        return add(stepkind::Flow, "DOC", &c);
    }
    const FlowBranch* branchOf(const TCommander* commander) const {
        for (const FlowBranch* b : layout.branches())
            if (b->commander == commander) return b;
        return nullptr;
    }
    FlowLeaf& leafOf(const TCommander* commander, int index) {
        const FlowRect figure = branchOf(commander)->figure(index);
        FlowLeaf* leaf = layout.leafAt(figure.left, figure.top);
        EXPECT_NE(leaf, nullptr);
        return *leaf;
    }
    FlowLeaf& leafOfMain(int index) { return leafOf(&main, index); }
    // Every branch as "commander alias @ row,column".
    std::vector<std::string> chart() const {
        std::vector<std::string> out;
        for (const FlowBranch* b : layout.branches())
            out.push_back(toUtf8(oneLine(b->commander->VisualorAlias)) + " @ " +
                          std::to_string(b->row) + "," + std::to_string(b->column));
        std::sort(out.begin(), out.end());
        return out;
    }
};

TEST_F(Flow, AMainCommanderWithOnlyItsHeadIsOneFigureAtTheCorner) {
    FlowBranch* root = layout.drawCommander(main, nullptr, 0, 0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(layout.branchCount(), 1u);
    ASSERT_EQ(root->leaves.size(), 1u);
    EXPECT_EQ(root->figure(0), (FlowRect{10, 5, 9, 8}));
    EXPECT_EQ(root->leaves[0].figure, "staFlow.bmp");
    EXPECT_EQ(root->line(), FlowRect{});
    EXPECT_EQ(root->connector(0), FlowRect{});
    EXPECT_EQ(layout.leafAt(10, 5), &root->leaves[0]);
    EXPECT_EQ(layout.leafAt(18, 12), &root->leaves[0]);
    EXPECT_EQ(layout.leafAt(19, 5), nullptr);
    EXPECT_EQ(layout.leafAt(10, 13), nullptr);
}

TEST_F(Flow, FiguresFollowTheStepsAndConnectorsJoinThem) {
    auto& a = named(kind::Number, "a");
    auto& loop = condition(2, 2);
    loop.IsIterator = true;
    auto& it = iteration(2);
    add(stepkind::WithConstant, "x+A", &a, nullptr, &a, "1");
    add(stepkind::SetFromConstant, "A->x", &a, nullptr, nullptr, "1");
    add(stepkind::Unary, "intx", &a, nullptr, &a);
    add(stepkind::Binary, "x*y", &a, &a, &a);
    add(stepkind::Copy, "x->y", &a, &a);
    add(stepkind::Comment, "note");
    add(stepkind::Flow, "DOC", &loop);
    add(stepkind::Flow, "DOI", &it);
    add(stepkind::Flow, "EXF");
    add(stepkind::Flow, "...");
    FlowBranch* root = layout.drawCommander(main, nullptr, 0, 0);
    std::vector<std::string> figures;
    for (const FlowLeaf& leaf : root->leaves)
        figures.push_back(leaf.figure);
    EXPECT_EQ(figures, (std::vector<std::string>{"staFlow.bmp", "binflow.bmp", "setFlow.bmp",
                                                 "unaFlow.bmp", "binFlow.bmp", "setFlow.bmp",
                                                 "CommFlow.bmp", "iForFlow.bmp", "ForFlow.bmp",
                                                 "exitFlow.bmp", "retFlow.bmp"}));
    EXPECT_EQ(branchOf(loop.TrueCommander)->leaves[0].figure, "staFlow1.bmp");
    EXPECT_EQ(branchOf(loop.FalseCommander)->leaves[0].figure, "staFlow2.bmp");
    EXPECT_EQ(branchOf(it.ForCommander)->leaves[0].figure, "staFlow3.bmp");
    // The connector n joins figure n - 1 to figure n: top 12n - 4, four high.
    EXPECT_EQ(root->connector(3), (FlowRect{14, 5 + 32, 1, 4}));
    EXPECT_EQ(root->panel().height, 12 * 11 - 4);
}

TEST_F(Flow, AConditionAtRowThreeDrawsItsTrueBranchThereAndItsFalseBranchBeside) {
    auto& c = condition(3, 2);
    doConditionAt(3, c);
    layout.drawCommander(main, nullptr, 0, 0);
    const FlowBranch* whenTrue = branchOf(c.TrueCommander);
    const FlowBranch* whenFalse = branchOf(c.FalseCommander);
    ASSERT_NE(whenTrue, nullptr);
    ASSERT_NE(whenFalse, nullptr);
    EXPECT_EQ(whenTrue->row, 3);
    EXPECT_EQ(whenTrue->column, 1);
    EXPECT_EQ(whenTrue->figure(0), (FlowRect{25, 41, 9, 8}));
    EXPECT_EQ(whenTrue->leaves[0].figure, "staFlow4.bmp");
    EXPECT_EQ(whenFalse->row, 3);
    EXPECT_EQ(whenFalse->column, 2);
    EXPECT_EQ(whenFalse->leaves[0].figure, "staFlow5.bmp");
    // The lines run from the main column to the true branch, and from it to the false one.
    EXPECT_EQ(whenTrue->parent, branchOf(&main));
    EXPECT_EQ(whenTrue->line(), (FlowRect{19, 44, 6, 1}));
    EXPECT_EQ(whenFalse->parent, whenTrue);
    EXPECT_EQ(whenFalse->line(), (FlowRect{34, 44, 6, 1}));
    EXPECT_EQ(leafOfMain(3).subBranch, whenTrue);
    EXPECT_EQ(whenTrue->leaves[0].subBranch, whenFalse);
}

TEST_F(Flow, ABranchStartingInsideAnotherGoesRightAndComesBackWhenThatOneFolds) {
    auto& first = condition(5);
    auto& second = condition(5);
    doConditionAt(2, first);
    doConditionAt(4, second);
    fillTo(main, 8);
    layout.drawCommander(main, nullptr, 0, 0);
    ASSERT_EQ(branchOf(first.TrueCommander)->column, 1);
    EXPECT_EQ(branchOf(second.TrueCommander)->column, 2);
    EXPECT_EQ(branchOf(second.TrueCommander)->row, 4);
    // Its line crosses the first branch's column.
    EXPECT_EQ(branchOf(second.TrueCommander)->line(), (FlowRect{19, 56, 21, 1}));

    FlowLeaf& firstLeaf = leafOfMain(2);
    EXPECT_TRUE(layout.toggleFold(firstLeaf));
    EXPECT_FALSE(firstLeaf.unfolded);
    EXPECT_EQ(firstLeaf.subBranch, nullptr);
    EXPECT_EQ(branchOf(first.TrueCommander), nullptr);
    EXPECT_EQ(branchOf(second.TrueCommander)->column, 1);

    // Unfolding draws it again; the rows it wants are taken now, so it goes right.
    EXPECT_TRUE(layout.toggleFold(firstLeaf));
    EXPECT_TRUE(firstLeaf.unfolded);
    EXPECT_EQ(branchOf(first.TrueCommander)->row, 2);
    EXPECT_EQ(branchOf(first.TrueCommander)->column, 2);
    EXPECT_EQ(firstLeaf.subBranch, branchOf(first.TrueCommander));
}

TEST_F(Flow, FoldingMovesBranchesLeftOnlyWhereTheirRowsAreFree) {
    // Rows 2-6 and 3-5 in columns 1 and 2; a third at row 4 goes to column 3. Folding the
    // second frees column 2 for the third, whose rows column 1 still holds.
    auto& first = condition(5);
    auto& second = condition(3);
    auto& third = condition(4);
    doConditionAt(2, first);
    doConditionAt(3, second);
    doConditionAt(4, third);
    fillTo(main, 9);
    layout.drawCommander(main, nullptr, 0, 0);
    EXPECT_EQ(chart(), (std::vector<std::string>{"Cond1_Trueman @ 2,1", "Cond2_Trueman @ 3,2",
                                                 "Cond3_Trueman @ 4,3", "Olvane1 @ 0,0"}));
    layout.fold(leafOfMain(3));
    EXPECT_EQ(branchOf(third.TrueCommander)->column, 2);
    EXPECT_EQ(branchOf(first.TrueCommander)->column, 1);
}

TEST_F(Flow, FoldingTakesNestedBranchesAlongAndUnfoldingRestoresThem) {
    // A loop inside the true branch of a condition whose false branch also has steps.
    auto& inner = iteration(3);
    auto& outer = condition(4, 2);
    add(*outer.TrueCommander, stepkind::Flow, "DOI", &inner);
    space.activateCommander(&main);
    doConditionAt(1, outer);
    fillTo(main, 7);
    layout.drawCommander(main, nullptr, 0, 0);
    const auto before = chart();
    ASSERT_EQ(layout.branchCount(), 4u);
    const FlowBranch* loopBranch = branchOf(inner.ForCommander);
    ASSERT_NE(loopBranch, nullptr);
    EXPECT_EQ(loopBranch->parent, branchOf(outer.TrueCommander));
    // The loop starts on the true branch's row 1 + 4 (its DOI step is its fifth).
    EXPECT_EQ(loopBranch->row, 5);

    layout.select(&leafOf(inner.ForCommander, 1));
    layout.fold(leafOfMain(1));
    EXPECT_EQ(layout.branchCount(), 1u);
    EXPECT_EQ(layout.selected(), nullptr) << "the selected figure went with its branch";
    EXPECT_TRUE(branchOf(&main)->children.empty());

    layout.unfold(leafOfMain(1));
    EXPECT_EQ(chart(), before);
    // Folding a leaf that enters nothing only marks it.
    FlowLeaf& head = leafOfMain(0);
    EXPECT_FALSE(layout.toggleFold(head));
    EXPECT_TRUE(head.unfolded);
}

TEST_F(Flow, ACommanderThatEntersItselfIsDrawnOnce) {
    // The true branch of a looping condition may do its own condition again.
    auto& c = condition(2);
    add(*c.TrueCommander, stepkind::Flow, "DOC", &c);
    space.activateCommander(&main);
    doConditionAt(1, c);
    layout.drawCommander(main, nullptr, 0, 0);
    EXPECT_EQ(layout.branchCount(), 2u);
    const FlowBranch* whenTrue = branchOf(c.TrueCommander);
    EXPECT_EQ(whenTrue->leaves.back().subBranch, nullptr);
    // The same commander entered twice side by side is drawn twice.
    layout.clear();
    add(main, stepkind::Flow, "DOC", &c);
    layout.drawCommander(main, nullptr, 0, 0);
    EXPECT_EQ(layout.branchCount(), 3u);
}

TEST_F(Flow, AChildInTheWayOfItsParentMakesWay) {
    // A parent placed again where its own child stands pushes the child right; any other
    // branch in the way sends the parent right instead.
    auto branch = [](int leaves, FlowBranch* parent) {
        auto b = std::make_unique<FlowBranch>();
        b->leaves.resize(static_cast<std::size_t>(leaves));
        b->parent = parent;
        return b;
    };
    auto parent = branch(5, nullptr);
    FlowBranch* parentAt = parent.get();
    FlowBranch* child = layout.place(branch(3, parentAt), 2, 1);
    FlowBranch* stranger = layout.place(branch(2, nullptr), 8, 1);
    layout.place(std::move(parent), 0, 1);
    EXPECT_EQ(parentAt->column, 1);
    EXPECT_EQ(child->column, 2);
    EXPECT_EQ(child->row, 2);
    FlowBranch* late = layout.place(branch(3, nullptr), 7, 1);
    EXPECT_EQ(late->column, 2) << "the stranger keeps column 1";
    EXPECT_EQ(stranger->column, 1);
    // A branch that starts on another's last row overlaps it.
    EXPECT_EQ(layout.place(branch(1, nullptr), 4, 1)->column, 3);
    const auto column1 = layout.column(1);
    ASSERT_EQ(column1.size(), 2u);
    EXPECT_LT(column1[0]->row, column1[1]->row) << "a column stays sorted by row";
}

TEST_F(Flow, CompactionGoesOnIntoTheNextColumnWhileBranchesMove) {
    // A (rows 1-4) pushes B (rows 2-4) to column 2, whose loop C goes to column 3; E lies
    // far below. Folding A moves B into column 1 and then C into column 2.
    auto& nested = condition(2);
    auto& b = condition(2);
    add(*b.TrueCommander, stepkind::Flow, "DOC", &nested);
    auto& a = condition(4);
    auto& e = condition(2);
    space.activateCommander(&main);
    doConditionAt(1, a);
    doConditionAt(2, b);
    doConditionAt(10, e);
    layout.drawCommander(main, nullptr, 0, 0);
    ASSERT_EQ(branchOf(b.TrueCommander)->column, 2);
    ASSERT_EQ(branchOf(nested.TrueCommander)->column, 3);
    ASSERT_EQ(branchOf(nested.TrueCommander)->row, 4);
    ASSERT_EQ(branchOf(e.TrueCommander)->column, 1);

    layout.fold(leafOfMain(1));
    EXPECT_EQ(branchOf(b.TrueCommander)->column, 1);
    EXPECT_EQ(branchOf(nested.TrueCommander)->column, 2);
    EXPECT_EQ(branchOf(e.TrueCommander)->column, 1);
    EXPECT_EQ(branchOf(nested.TrueCommander)->line(), (FlowRect{34, 56, 6, 1}))
        << "the line follows its parent's new column";
}

TEST_F(Flow, SelectingMarksOneLeafAtATime) {
    fillTo(main, 3);
    FlowBranch* root = layout.drawCommander(main, nullptr, 0, 0);
    EXPECT_TRUE(layout.select(&root->leaves[1]));
    EXPECT_TRUE(root->leaves[1].selected);
    EXPECT_FALSE(layout.select(&root->leaves[1]));
    EXPECT_TRUE(layout.select(&root->leaves[2]));
    EXPECT_FALSE(root->leaves[1].selected);
    EXPECT_EQ(layout.selected(), &root->leaves[2]);
    layout.clear();
    EXPECT_EQ(layout.selected(), nullptr);
    EXPECT_EQ(layout.branchCount(), 0u);
    EXPECT_EQ(layout.width(), 0);
}

} // namespace
} // namespace olvide::testing
