#pragma once
// The flow window "流程窗口": a tool window that draws a commander as a compact flowchart.
// Pressing a figure selects it and shows its step in the step window; double-clicking the
// figure of a condition or iteration step folds or unfolds what it enters; resting the mouse
// on a figure shows the step's text (at once while the window is active).
#include "olvide/views/layout/flow_layout.h"
#include "olvide/views/view_hooks.h"

#include <QWidget>

class QScrollArea;
class QTimer;

namespace olvide {
class TCommander;
class TVisualor;
} // namespace olvide

namespace olvide::views {

// The hint delays: while the window is not active, and while it is.
inline constexpr int kHintDelay = 1000;
inline constexpr int kHintShown = 2500;
inline constexpr int kActiveHintDelay = 0;
inline constexpr int kActiveHintShown = 30000;

class FlowCanvas;

class FlowWindow : public QWidget {
    Q_OBJECT

public:
    FlowWindow(QWidget* mainWindow, ViewHooks hooks);
    ~FlowWindow() override;

    // Clears the chart and draws the commander from row 0, column 0; the caption becomes
    // "流程窗口: " and its name ("流程窗口" for none).
    void DrawCommander(TCommander* commander);
    // No chart, no selection.
    void ClearFlow();
    // Draws the commander again when the chart shows it (after its steps changed).
    void redrawIfShowing(const TCommander& commander);
    // An object is being freed: a chart that shows it is drawn again without it.
    void forget(const TVisualor& object);

    TCommander* commander() const { return root_; }
    const FlowLayout& layout() const { return layout_; }
    FlowLayout& layout() { return layout_; }
    // The hint delays in use now.
    int hintDelay() const { return hintDelay_; }
    int hintShown() const { return hintShown_; }

    // Used by the canvas.
    void pressLeaf(FlowLeaf* leaf);
    void doubleClickLeaf(FlowLeaf* leaf);
    void hoverLeaf(FlowLeaf* leaf, QPoint globalPos);

signals:
    // A figure was pressed: the commander now shows that step.
    void stepSelected(TCommander* commander);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool leafAlive(const FlowLeaf& leaf) const;
    bool drawn(const TVisualor* object) const;
    void chartChanged();
    void showHint();

    ViewHooks hooks_;
    FlowLayout layout_;
    TCommander* root_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    FlowCanvas* canvas_ = nullptr;
    QTimer* hintTimer_ = nullptr;
    FlowLeaf* hovered_ = nullptr;
    QPoint hoverPos_;
    int hintDelay_ = kHintDelay;
    int hintShown_ = kHintShown;
};

} // namespace olvide::views
