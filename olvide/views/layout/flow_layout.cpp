#include "olvide/views/layout/flow_layout.h"

#include "olvide/model/commanders/commander.h"
#include "olvide/model/elements/elements.h"

#include <algorithm>
#include <climits>

namespace olvide::views {

namespace {

int columnLeft(int column) {
    return kFlowLeft + kFlowColumnWidth * column;
}

int rowTop(int row) {
    return kFlowTop + kFlowRowHeight * row;
}

// The first branch of a sorted column that starts at or below the row.
template <class Column> auto firstFrom(Column& column, int row) {
    return std::lower_bound(column.begin(), column.end(), row,
                            [](const auto& branch, int r) { return branch->row < r; });
}

} // namespace

FlowRect FlowBranch::panel() const {
    return {columnLeft(column), rowTop(row), kFigureWidth,
            kFlowRowHeight * rowCount() - (kFlowRowHeight - kFigureHeight)};
}

FlowRect FlowBranch::figure(int index) const {
    return {columnLeft(column), rowTop(row) + kFlowRowHeight * index, kFigureWidth, kFigureHeight};
}

FlowRect FlowBranch::connector(int index) const {
    if (index <= 0) return {};
    const int gap = kFlowRowHeight - kFigureHeight;
    return {columnLeft(column) + kFigureWidth / 2, figure(index).top - gap, 1, gap};
}

FlowRect FlowBranch::line() const {
    if (!parent) return {};
    // From the right edge of the parent's figures to the left edge of this branch's, through
    // the middle of its first figure.
    const int left = columnLeft(parent->column) + kFigureWidth;
    return {left, rowTop(row) + kFigureHeight / 2 - 1, columnLeft(column) - left, 1};
}

FlowLayout::FlowLayout() = default;
FlowLayout::~FlowLayout() = default;

void FlowLayout::clear() {
    selected_ = nullptr;
    columns_.clear();
}

FlowLayout::Column& FlowLayout::columnList(int c) {
    if (c >= static_cast<int>(columns_.size())) columns_.resize(static_cast<std::size_t>(c) + 1);
    return columns_[static_cast<std::size_t>(c)];
}

std::unique_ptr<FlowBranch> FlowLayout::takeOut(FlowBranch& branch) {
    Column& list = columnList(branch.column);
    for (auto at = firstFrom(list, branch.row); at != list.end() && (*at)->row == branch.row;
         ++at) {
        if (at->get() != &branch) continue;
        std::unique_ptr<FlowBranch> taken = std::move(*at);
        list.erase(at);
        return taken;
    }
    return nullptr;
}

void FlowLayout::insert(std::unique_ptr<FlowBranch> branch) {
    Column& list = columnList(branch->column);
    const auto at = std::upper_bound(list.begin(), list.end(), branch->row,
                                     [](int r, const auto& other) { return r < other->row; });
    list.insert(at, std::move(branch));
}

bool FlowLayout::isFree(int c, int firstRow, int lastRow) const {
    if (c < 0 || c >= columnCount()) return true;
    const Column& list = columns_[static_cast<std::size_t>(c)];
    const auto at = firstFrom(list, firstRow);
    if (at != list.begin() && (*std::prev(at))->lastRow() >= firstRow) return false;
    return at == list.end() || (*at)->row > lastRow;
}

FlowBranch* FlowLayout::place(std::unique_ptr<FlowBranch> branch, int row, int column) {
    branch->row = row;
    const int lastRow = branch->lastRow();
    int c = std::max(0, column);
    for (;;) {
        Column& list = columnList(c);
        const auto at = firstFrom(list, row);
        // A branch that starts above reaches into the first row.
        if (at != list.begin() && (*std::prev(at))->lastRow() >= row) {
            ++c;
            continue;
        }
        // A branch that starts inside the rows: a child of this one makes way, any other
        // keeps its place.
        if (at != list.end() && (*at)->row <= lastRow) {
            if ((*at)->parent == branch.get()) {
                std::unique_ptr<FlowBranch> child = takeOut(**at);
                const int childRow = child->row;
                place(std::move(child), childRow, c + 1);
            } else {
                ++c;
            }
            continue;
        }
        break;
    }
    branch->column = c;
    FlowBranch* placed = branch.get();
    insert(std::move(branch));
    return placed;
}

void FlowLayout::compact(int column, int firstRow, int lastRow) {
    while (column > 1 && column < columnCount()) {
        // The branches of the column that overlap the rows, in row order.
        std::vector<FlowBranch*> overlapping;
        for (const auto& branch : columns_[static_cast<std::size_t>(column)])
            if (branch->row <= lastRow && branch->lastRow() >= firstRow)
                overlapping.push_back(branch.get());
        int movedFirst = INT_MAX;
        int movedLast = INT_MIN;
        for (FlowBranch* branch : overlapping) {
            int target = column;
            while (target - 1 >= 1 && isFree(target - 1, branch->row, branch->lastRow()))
                --target;
            if (target == column) continue;
            std::unique_ptr<FlowBranch> moved = takeOut(*branch);
            moved->column = target;
            insert(std::move(moved));
            movedFirst = std::min(movedFirst, branch->row);
            movedLast = std::max(movedLast, branch->lastRow());
        }
        if (movedFirst == INT_MAX) return;
        ++column;
        firstRow = movedFirst;
        lastRow = movedLast;
    }
}

FlowBranch* FlowLayout::drawCommander(TCommander& commander, FlowBranch* parent, int row,
                                      int column) {
    for (const FlowBranch* outer = parent; outer; outer = outer->parent)
        if (outer->commander == &commander) return nullptr;

    auto branch = std::make_unique<FlowBranch>();
    branch->commander = &commander;
    branch->parent = parent;
    branch->leaves.reserve(commander.Branches.size());
    for (const ModelLeaf& model : commander.Branches) {
        FlowLeaf& leaf = branch->leaves.emplace_back();
        leaf.step = model.Step;
        leaf.index = model.Index;
        leaf.figure = model.Step ? model.Step->flowFigure() : std::string();
        leaf.branch = branch.get();
    }
    if (parent) {
        parent->children.push_back(branch.get());
        const int index = row - parent->row;
        if (index >= 0 && index < static_cast<int>(parent->leaves.size()))
            parent->leaves[static_cast<std::size_t>(index)].subBranch = branch.get();
    }
    FlowBranch* placed = place(std::move(branch), row, column);
    for (int i = 0; i < static_cast<int>(placed->leaves.size()); ++i)
        drawEntered(*placed, i);
    return placed;
}

void FlowLayout::drawEntered(FlowBranch& branch, int index) {
    const FlowLeaf& leaf = branch.leaves[static_cast<std::size_t>(index)];
    if (!leaf.step || !leaf.unfolded) return;
    const int row = branch.row + index;
    const int column = branch.column + 1;
    switch (leaf.step->info().action) {
    case Action::DoCondition: {
        const auto* condition = dynamic_cast<const Tprogramcondition*>(leaf.step->ObjectX);
        if (!condition) return;
        TCommander* whenTrue = condition->TrueCommander;
        TCommander* whenFalse = condition->FalseCommander;
        if (whenTrue && whenFalse) {
            // The false branch hangs off the true one, on its row.
            if (FlowBranch* trueBranch = drawCommander(*whenTrue, &branch, row, column))
                drawCommander(*whenFalse, trueBranch, trueBranch->row, trueBranch->column + 1);
        } else if (whenTrue || whenFalse) {
            drawCommander(whenTrue ? *whenTrue : *whenFalse, &branch, row, column);
        }
        return;
    }
    case Action::DoIteration: {
        const auto* iteration = dynamic_cast<const TprogramIteration*>(leaf.step->ObjectX);
        if (iteration && iteration->ForCommander)
            drawCommander(*iteration->ForCommander, &branch, row, column);
        return;
    }
    default:
        return;
    }
}

bool FlowLayout::toggleFold(FlowLeaf& leaf) {
    if (!leaf.step) return false;
    const Action action = leaf.step->info().action;
    if (action != Action::DoCondition && action != Action::DoIteration) return false;
    if (leaf.unfolded)
        fold(leaf);
    else
        unfold(leaf);
    return true;
}

void FlowLayout::fold(FlowLeaf& leaf) {
    leaf.unfolded = false;
    FlowBranch* sub = leaf.subBranch;
    if (!sub) return;
    leaf.subBranch = nullptr;
    std::unique_ptr<FlowBranch> owned = takeOut(*sub);
    compact(sub->column + 1, sub->row, sub->lastRow());
    // Every child of a branch is the sub-branch of one of its leaves, so the nested ones go.
    for (FlowLeaf& nested : sub->leaves)
        if (nested.subBranch) fold(nested);
    if (sub->parent) std::erase(sub->parent->children, sub);
    forgetSelection(*sub);
}

void FlowLayout::unfold(FlowLeaf& leaf) {
    leaf.unfolded = true;
    if (!leaf.subBranch && leaf.branch) drawEntered(*leaf.branch, leaf.index);
}

void FlowLayout::forgetSelection(const FlowBranch& branch) {
    if (selected_ && selected_->branch == &branch) selected_ = nullptr;
}

bool FlowLayout::select(FlowLeaf* leaf) {
    if (leaf == selected_) return false;
    if (selected_) selected_->selected = false;
    selected_ = leaf;
    if (leaf) leaf->selected = true;
    return true;
}

FlowLeaf* FlowLayout::leafAt(int x, int y) const {
    if (x < kFlowLeft || y < kFlowTop) return nullptr;
    const int c = (x - kFlowLeft) / kFlowColumnWidth;
    const int r = (y - kFlowTop) / kFlowRowHeight;
    if ((x - kFlowLeft) % kFlowColumnWidth >= kFigureWidth ||
        (y - kFlowTop) % kFlowRowHeight >= kFigureHeight || c >= columnCount())
        return nullptr;
    const Column& list = columns_[static_cast<std::size_t>(c)];
    const auto after = std::upper_bound(list.begin(), list.end(), r,
                                        [](int row, const auto& b) { return row < b->row; });
    if (after == list.begin()) return nullptr;
    FlowBranch& branch = **std::prev(after);
    const int index = r - branch.row;
    if (index >= static_cast<int>(branch.leaves.size())) return nullptr;
    return &branch.leaves[static_cast<std::size_t>(index)];
}

std::vector<const FlowBranch*> FlowLayout::column(int c) const {
    std::vector<const FlowBranch*> out;
    if (c < 0 || c >= columnCount()) return out;
    for (const auto& branch : columns_[static_cast<std::size_t>(c)])
        out.push_back(branch.get());
    return out;
}

std::vector<const FlowBranch*> FlowLayout::branches() const {
    std::vector<const FlowBranch*> out;
    for (const Column& list : columns_)
        for (const auto& branch : list)
            out.push_back(branch.get());
    return out;
}

std::size_t FlowLayout::branchCount() const {
    std::size_t count = 0;
    for (const Column& list : columns_)
        count += list.size();
    return count;
}

int FlowLayout::width() const {
    int right = 0;
    for (const Column& list : columns_)
        for (const auto& branch : list)
            right = std::max(right, branch->panel().right());
    return right;
}

int FlowLayout::height() const {
    int bottom = 0;
    for (const Column& list : columns_)
        for (const auto& branch : list)
            bottom = std::max(bottom, branch->panel().bottom());
    return bottom;
}

} // namespace olvide::views
