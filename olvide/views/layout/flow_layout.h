#pragma once
// The flow window's chart as a function of the model: every step a small figure, the steps of
// one commander a column of figures (a branch), the commanders that condition and iteration
// steps enter further branches to the right, on a grid of 12-pixel rows and 15-pixel columns.
// Branches are placed so that no two overlap in a column, folded and unfolded, and the
// columns compacted after a fold. The window only paints what this computes.
#include <memory>
#include <string>
#include <vector>

namespace olvide {
class TCommander;
class Tstep;
} // namespace olvide

namespace olvide::views {

inline constexpr int kFlowRowHeight = 12;
inline constexpr int kFlowColumnWidth = 15;
inline constexpr int kFlowLeft = 10; // left of column 0
inline constexpr int kFlowTop = 5;   // top of row 0
inline constexpr int kFigureWidth = 9;
inline constexpr int kFigureHeight = 8;

struct FlowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool contains(int x, int y) const {
        return x >= left && x < right() && y >= top && y < bottom();
    }
    bool operator==(const FlowRect&) const = default;
};

struct FlowBranch;

// The figure of one step.
struct FlowLeaf {
    Tstep* step = nullptr;
    int index = 0;      // 0-based position of the step in its commander
    std::string figure; // the picture file that draws it
    bool selected = false;
    bool unfolded = true;
    FlowBranch* branch = nullptr;    // the branch that holds the leaf
    FlowBranch* subBranch = nullptr; // the branch drawn for the commander the step enters
};

// The column of one commander's figures.
struct FlowBranch {
    TCommander* commander = nullptr;
    int row = 0;
    int column = 0;
    std::vector<FlowLeaf> leaves;
    FlowBranch* parent = nullptr;
    std::vector<FlowBranch*> children; // not owned

    // The rows the branch occupies: row to lastRow().
    int rowCount() const { return leaves.empty() ? 1 : static_cast<int>(leaves.size()); }
    int lastRow() const { return row + rowCount() - 1; }

    // Where its parts are drawn, in the window's pixels.
    FlowRect panel() const;
    FlowRect figure(int index) const;
    // The line above figure `index` (none, all zero, for the first figure).
    FlowRect connector(int index) const;
    // The horizontal line from the parent's column (none, all zero, without a parent).
    FlowRect line() const;
};

class FlowLayout {
public:
    FlowLayout();
    ~FlowLayout();
    FlowLayout(const FlowLayout&) = delete;
    FlowLayout& operator=(const FlowLayout&) = delete;

    // Frees every branch; no leaf is selected.
    void clear();

    // Draws a commander as a branch at (row, column) with its leaves copied from the
    // commander's own branch, then the commanders its condition and iteration steps enter,
    // further right. With a parent, the parent's leaf on that row gets the branch as its
    // sub-branch. A commander that is being drawn already further up (a branch that enters
    // its own commander) is not drawn again inside itself.
    FlowBranch* drawCommander(TCommander& commander, FlowBranch* parent, int row, int column);

    // Folds or unfolds the leaf of a "DOC" or "DOI" step; other leaves are left as they are.
    // True when the chart changed.
    bool toggleFold(FlowLeaf& leaf);
    // Folding takes the leaf's sub-branch away with everything nested in it and moves the
    // branches to its right back left where their rows are free; unfolding draws the step's
    // commanders again at the leaf's row.
    void fold(FlowLeaf& leaf);
    void unfold(FlowLeaf& leaf);

    // Makes the leaf the selected one (none for no selection); true when that changed.
    bool select(FlowLeaf* leaf);
    FlowLeaf* selected() const { return selected_; }

    // The leaf whose figure holds the point; none elsewhere.
    FlowLeaf* leafAt(int x, int y) const;

    // The branches of a column, sorted by row.
    int columnCount() const { return static_cast<int>(columns_.size()); }
    std::vector<const FlowBranch*> column(int c) const;
    // Every branch, column by column.
    std::vector<const FlowBranch*> branches() const;
    std::size_t branchCount() const;
    // The right and bottom edge of everything drawn.
    int width() const;
    int height() const;

    // Placing, as the chart does it: the branch goes at the requested column unless a branch
    // there overlaps its rows, then further right; a child of the branch that lies in the way
    // is moved right instead. Public for tests of the column rules.
    FlowBranch* place(std::unique_ptr<FlowBranch> branch, int row, int column);
    // After a fold: the branches of the column that overlap the rows move as far left as
    // their rows are free (never into column 0), and the rows they covered are compacted in
    // the next column, and so on while branches move.
    void compact(int column, int firstRow, int lastRow);

private:
    using Column = std::vector<std::unique_ptr<FlowBranch>>;
    Column& columnList(int c);
    std::unique_ptr<FlowBranch> takeOut(FlowBranch& branch);
    void insert(std::unique_ptr<FlowBranch> branch);
    bool isFree(int c, int firstRow, int lastRow) const;
    void drawEntered(FlowBranch& branch, int index);
    void forgetSelection(const FlowBranch& branch);

    std::vector<Column> columns_;
    FlowLeaf* selected_ = nullptr;
};

} // namespace olvide::views
