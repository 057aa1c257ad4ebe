#include "olvide/views/parameter_window.h"

#include "olvide/controls/olvan_font.h"
#include "olvide/model/commanders/argument.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/steps/step.h"
#include "olvide/views/layout/parameter_layout.h"
#include "olvide/views/step_picture_view.h"
#include "olvide/views/step_window.h"

#include <QMenu>

namespace olvide::views {

namespace {
constexpr int kArgumentLabelWidth = 47;
constexpr int kArgumentLabelReach = 12;
} // namespace

ParameterWindow::ParameterWindow(QWidget* mainWindow, ViewHooks hooks)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("TParameterwindow"));
    setWindowTitle(QStringLiteral("参数窗口"));
    setFont(controls::olvanFont(QStringLiteral("MS Sans Serif"), -11));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(204, 232, 221));
    setPalette(palette);
    resize(200, 60);
    setFocusPolicy(Qt::StrongFocus);
    if (mainWindow) {
        const QRect main = mainWindow->frameGeometry();
        move(main.left() + main.width() - 200 - 2, 132);
    }

    ArgumentPopupMenu = new QMenu(this);
    ArgumentPopupMenu->setObjectName(QStringLiteral("ArgumentPopupMenu"));
    ArgumentInput = ArgumentPopupMenu->addAction(QStringLiteral("输入"));
    ArgumentInput->setObjectName(QStringLiteral("ArgumentInput"));
    ArgumentOutput = ArgumentPopupMenu->addAction(QStringLiteral("输出"));
    ArgumentOutput->setObjectName(QStringLiteral("ArgumentOutput"));
    ArgumentInput->setEnabled(false);
    ArgumentOutput->setEnabled(false);
    connect(ArgumentInput, &QAction::triggered, this, [this] { startBinding(true); });
    connect(ArgumentOutput, &QAction::triggered, this, [this] { startBinding(false); });
}

ParameterWindow::~ParameterWindow() {
    closePictures();
}

bool ParameterWindow::callStepShown() const {
    return callStep_ && stepWindow_ && stepWindow_->ShownStep() == callStep_;
}

void ParameterWindow::showCall(Tstep& callStep) {
    closePictures();
    callStep_ = &callStep;
    pictures_ = argumentPictures(callStep);
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        TArgumentVaribler& picture = *pictures_[i];
        auto* view = new StepPictureView(this, picture);
        view->show();
        connect(view, &StepPictureView::pressed, this, [this, i] { pressPicture(i); });
        connect(view, &StepPictureView::menuRequested, this,
                [this, i](QPoint where) { openMenu(i, where); });
        row_.add(view, labelUnder(this, picture, kArgumentLabelWidth, kArgumentLabelReach),
                 &picture);
    }
    show();
}

void ParameterWindow::closePictures() {
    row_.clear(hooks_.workspace);
    pictures_.clear();
    callStep_ = nullptr;
    hide();
}

void ParameterWindow::pressPicture(std::size_t index) {
    if (index >= pictures_.size() || !callStepShown()) return;
    auto* program = dynamic_cast<Tprogramspace*>(callStep_->Space);
    if (!program) return;
    program->SelectObject(*pictures_[index]);
    for (std::size_t i = 0; i < row_.size(); ++i)
        row_.view(i).setHighlighted(i == index);
}

void ParameterWindow::openMenu(std::size_t index, QPoint where) {
    if (index >= pictures_.size()) return;
    menuPicture_ = index;
    // An argument is bound the ways it is passed.
    ArgumentInput->setEnabled(pictures_[index]->IsInputParameterFor());
    ArgumentOutput->setEnabled(pictures_[index]->IsOutputParameterFor());
    ArgumentPopupMenu->popup(where);
}

void ParameterWindow::startBinding(bool input) {
    if (menuPicture_ >= pictures_.size() || !callStepShown()) return;
    auto* program = dynamic_cast<Tprogramspace*>(callStep_->Space);
    TArgumentVaribler& picture = *pictures_[menuPicture_];
    if (!program || program->edit.selected != &picture) return;
    const std::size_t index = menuPicture_;
    picture.OnPick = [this, index, input](TprogramVaribler& picked) { bind(index, input, picked); };
    program->edit.operate(input ? "x@" : "@x");
}

void ParameterWindow::bind(std::size_t index, bool input, TprogramVaribler& picked) {
    if (!callStepShown() || index >= callStep_->Parameters.size()) return;
    TParameter& parameter = callStep_->Parameters[index];
    (input ? parameter.actualInput : parameter.actualOutput) = &picked;
    stepWindow_->showBinding(index, input ? 0 : 2);
}

void ParameterWindow::keyPressEvent(QKeyEvent* event) {
    if (hooks_.keyToSpace) hooks_.keyToSpace(event, true);
}

} // namespace olvide::views
