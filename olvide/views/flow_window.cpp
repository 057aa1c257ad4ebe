#include "olvide/views/flow_window.h"

#include "olvide/model/commanders/commander.h"
#include "olvide/views/flow_painting.h"
#include "olvide/views/layout/shown_objects.h"
#include "olvide/views/view_pictures.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollArea>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

namespace olvide::views {

// The white surface the chart is painted on; its size follows the chart.
class FlowCanvas : public QWidget {
public:
    explicit FlowCanvas(FlowWindow& window) : QWidget(nullptr), window_(window) {
        setMouseTracking(true);
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, Qt::white);
        setPalette(palette);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        paintFlow(painter, window_.layout(), event->rect());
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) window_.pressLeaf(leafAt(*event));
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        window_.doubleClickLeaf(leafAt(*event));
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        window_.hoverLeaf(leafAt(*event), event->globalPosition().toPoint());
    }

private:
    FlowLeaf* leafAt(const QMouseEvent& event) const {
        const QPoint at = event.position().toPoint();
        return window_.layout().leafAt(at.x(), at.y());
    }
    FlowWindow& window_;
};

FlowWindow::FlowWindow(QWidget* mainWindow, ViewHooks hooks)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("TFlowWindow"));
    setWindowTitle(QStringLiteral("流程窗口"));
    const int mainHeight = mainWindow ? mainWindow->frameGeometry().height() : 600;
    setGeometry(10, 60, mainHeight / 2, std::max(100, mainHeight - 40));

    canvas_ = new FlowCanvas(*this);
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(canvas_);
    scroll_->setWidgetResizable(false);
    scroll_->setAutoFillBackground(true);
    QPalette palette = scroll_->palette();
    palette.setColor(QPalette::Window, Qt::white);
    scroll_->setPalette(palette);
    scroll_->viewport()->setPalette(palette);
    scroll_->setGeometry(rect());
    chartChanged();

    hintTimer_ = new QTimer(this);
    hintTimer_->setSingleShot(true);
    connect(hintTimer_, &QTimer::timeout, this, [this] { showHint(); });
}

FlowWindow::~FlowWindow() = default;

void FlowWindow::chartChanged() {
    hovered_ = nullptr;
    const QSize viewport = scroll_->viewport()->size();
    canvas_->resize(std::max(layout_.width() + kFlowLeft, viewport.width()),
                    std::max(layout_.height() + kFlowTop, viewport.height()));
    canvas_->update();
}

void FlowWindow::ClearFlow() {
    layout_.clear();
    root_ = nullptr;
    chartChanged();
}

void FlowWindow::DrawCommander(TCommander* commander) {
    layout_.clear();
    root_ = commander;
    if (commander) layout_.drawCommander(*commander, nullptr, 0, 0);
    setWindowTitle(commander ? QStringLiteral("流程窗口: ") +
                                   screenText(oneLine(commander->VisualorAlias))
                             : QStringLiteral("流程窗口"));
    chartChanged();
}

bool FlowWindow::drawn(const TVisualor* object) const {
    if (!root_) return false;
    const auto branches = layout_.branches();
    return std::any_of(branches.begin(), branches.end(),
                       [object](const FlowBranch* b) { return b->commander == object; });
}

void FlowWindow::redrawIfShowing(const TCommander& commander) {
    if (drawn(&commander)) DrawCommander(root_);
}

void FlowWindow::forget(const TVisualor& object) {
    if (!drawn(&object)) return;
    if (&object == root_)
        ClearFlow();
    else
        DrawCommander(root_);
}

bool FlowWindow::leafAlive(const FlowLeaf& leaf) const {
    return leaf.branch && stillHolds(hooks_.workspace, leaf.branch->commander, leaf.step);
}

void FlowWindow::pressLeaf(FlowLeaf* leaf) {
    if (!leaf || !leafAlive(*leaf)) return;
    if (layout_.select(leaf)) canvas_->update();
    TCommander* commander = leaf->branch->commander;
    commander->CurrentStep = leaf->step;
    emit stepSelected(commander);
}

void FlowWindow::doubleClickLeaf(FlowLeaf* leaf) {
    if (!leaf || !leafAlive(*leaf)) return;
    if (layout_.toggleFold(*leaf)) chartChanged();
}

void FlowWindow::hoverLeaf(FlowLeaf* leaf, QPoint globalPos) {
    if (leaf == hovered_) return;
    hovered_ = leaf;
    hoverPos_ = globalPos;
    hintTimer_->stop();
    if (!leaf) {
        QToolTip::hideText();
        return;
    }
    if (hintDelay_ <= 0)
        showHint();
    else
        hintTimer_->start(hintDelay_);
}

void FlowWindow::showHint() {
    if (!hovered_ || !leafAlive(*hovered_)) return;
    const FlowRect figure = hovered_->branch->figure(hovered_->index);
    QToolTip::showText(hoverPos_, screenText(hovered_->step->DisplayText()), canvas_,
                       QRect(figure.left, figure.top, figure.width, figure.height), hintShown_);
}

void FlowWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        const bool active = isActiveWindow();
        hintDelay_ = active ? kActiveHintDelay : kHintDelay;
        hintShown_ = active ? kActiveHintShown : kHintShown;
    }
    QWidget::changeEvent(event);
}

void FlowWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scroll_->setGeometry(rect());
    chartChanged();
}

void FlowWindow::closeEvent(QCloseEvent* event) {
    // Closing only hides the window; the chart goes with it.
    ClearFlow();
    hide();
    event->ignore();
}

} // namespace olvide::views
