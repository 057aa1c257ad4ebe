#include "olvide/views/step_window.h"

#include "olvide/controls/numeric_text.h"
#include "olvide/controls/olvan_font.h"
#include "olvide/model/codepage.h"
#include "olvide/model/commanders/commander.h"
#include "olvide/model/objects/constant.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"
#include "olvide/model/steps/step_variables.h"
#include "olvide/views/layout/shown_objects.h"
#include "olvide/views/layout/step_layout.h"
#include "olvide/views/parameter_window.h"
#include "olvide/views/step_picture_view.h"
#include "olvide/views/tool_glyphs.h"
#include "olvide/views/view_pictures.h"

#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QValidator>

#include <algorithm>

namespace olvide::views {

namespace {

const QColor kInfoBackground(255, 255, 225); // clInfoBk
const QColor kSignalOff(192, 192, 192);
const QColor kSignalOn(255, 0, 0);

// Label widths under the pictures, and how far left of its picture a label may start.
constexpr int kLabelWidth = 60;
constexpr int kLabelReach = 12;

QWidget* makeSignal(QWidget* parent, const char* name, int top) {
    auto* signal = new QWidget(parent);
    signal->setObjectName(QString::fromLatin1(name));
    signal->setGeometry(3, top, 6, 6);
    signal->setAutoFillBackground(true);
    return signal;
}

void paintSignal(QWidget* signal, bool on) {
    QPalette palette = signal->palette();
    palette.setColor(QPalette::Window, on ? kSignalOn : kSignalOff);
    signal->setPalette(palette);
}

QColor signalColour(const QWidget* signal) {
    return signal->palette().color(QPalette::Window);
}

// Number constants take only what can become a number.
class NumberTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return controls::acceptsNumberText(controls::NumberKind::real, input.toStdString())
                   ? Acceptable
                   : Invalid;
    }
};

} // namespace

StepWindow::StepWindow(QWidget* mainWindow, ViewHooks hooks)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), hooks_(std::move(hooks)) {
    setObjectName(QStringLiteral("Tstepwindow"));
    setWindowTitle(QStringLiteral("步骤窗口"));
    setFont(controls::olvanFont(QStringLiteral("MS Sans Serif"), -11));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kInfoBackground);
    setPalette(palette);
    resize(200, 75);
    if (mainWindow) {
        const QRect main = mainWindow->frameGeometry();
        move(main.left() + main.width() - 200 - 2, 58);
    }
    // Keys the window receives go on to the program space.
    setFocusPolicy(Qt::StrongFocus);
    buildButtons();
    buildMenus();

    comment_ = new QLineEdit(this);
    comment_->setObjectName(QStringLiteral("Comment"));
    comment_->setGeometry(15, 20, 195, 30);
    comment_->setFrame(false);
    comment_->setFont(controls::olvanFont(QStringLiteral("宋体"), -14));
    QPalette commentPalette = comment_->palette();
    commentPalette.setColor(QPalette::Base, kInfoBackground);
    commentPalette.setColor(QPalette::Text, Qt::black);
    comment_->setPalette(commentPalette);
    comment_->hide();
    // Every key writes the comment into the step, so that nothing typed is lost.
    connect(comment_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!shownStepAlive() || shownStep_->StepKind != stepkind::Comment) return;
        shownStep_->setCode(modelText(text));
        if (shownStep_->Space) shownStep_->Space->markModified();
    });

    pauseSignal_ = makeSignal(this, "PauseSignal", 30);
    breakSignal_ = makeSignal(this, "breakSignal", 20);
    endSignal_ = makeSignal(this, "endsignal", 40);
    for (QWidget* signal : {pauseSignal_, breakSignal_, endSignal_})
        paintSignal(signal, false);

    blink_ = new QTimer(this);
    blink_->setInterval(300);
    connect(blink_, &QTimer::timeout, this, [this] {
        blinkLit_ = !blinkLit_;
        refreshHighlights();
    });
}

StepWindow::~StepWindow() {
    parameters_ = nullptr;
    ClearStep();
}

// Building.

QToolButton* StepWindow::addButton(const char* name, StepTool tool, int left) {
    auto* button = new QToolButton(findChild<QWidget*>(QStringLiteral("Panel1")));
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 0, 16, 16);
    button->setIcon(QIcon(stepToolGlyph(tool)));
    button->setIconSize(QSize(16, 16));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void StepWindow::buildButtons() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(0, 0, 200, 16);
    struct Button {
        const char* name;
        StepTool tool;
    };
    const Button buttons[] = {
        {"stepDownSpeedButton", StepTool::Down},
        {"StepupSpeedButton", StepTool::Up},
        {"StepTailSpeedButton", StepTool::Tail},
        {"StepHeadSpeedButton", StepTool::Head},
        {"StepPageDownSpeedButton", StepTool::PageDown},
        {"StepPageUpSpeedButton", StepTool::PageUp},
        {"StepDeleteSpeedButton", StepTool::Delete},
        {"StepRemSpeedButton", StepTool::Rem},
        {"StepExitSpeedButton", StepTool::Exit},
        {"StepEndSpeedButton", StepTool::End},
        {"StepBreakSpeedButton", StepTool::Break},
    };
    int left = 0;
    for (const Button& b : buttons) {
        QToolButton* button = addButton(b.name, b.tool, left);
        left += 16;
        const StepTool tool = b.tool;
        connect(button, &QToolButton::clicked, this, [this, tool] {
            switch (tool) {
            case StepTool::Delete:
                deleteShownStep();
                break;
            case StepTool::Rem:
                addStep(stepkind::Comment, "Comment", "Write a comment");
                break;
            case StepTool::Exit:
                addStep(stepkind::Flow, "EXF", "Exit recent Iteration Flow");
                break;
            case StepTool::End:
                addStep(stepkind::Flow, "...", "End program");
                break;
            case StepTool::Break:
                toggleBreak();
                break;
            default:
                navigate(tool);
                break;
            }
        });
    }
}

void StepWindow::buildMenus() {
    struct Item {
        const char* name;
        const char* caption;
        const char* sign;
    };
    const auto menu = [this](const char* name, std::initializer_list<Item> items) {
        auto* popup = new QMenu(this);
        popup->setObjectName(QString::fromLatin1(name));
        for (const Item& item : items) {
            QAction* action = popup->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            const std::string sign = item.sign;
            connect(action, &QAction::triggered, this, [this, sign] {
                if (shownStepAlive()) ChangeOperator(*shownStep_, sign);
            });
        }
        return popup;
    };
    addMenu_ = menu("AddoperatorPopupMenu", {{"svarplus", " +", "+"},
                                             {"svarminus", " -", "-"},
                                             {"Svarmultiply", " *", "*"},
                                             {"svardivide", " /", "/"},
                                             {"svarintdiv", " 商", "|"},
                                             {"svarmod", " 余", "%"}});
    compareMenu_ = menu("compareoperatorPopupMenu", {{"SvarEqual", " =", "="},
                                                     {"SvarnotEqual", " !=", "!="},
                                                     {"svarGreat", " >", ">"},
                                                     {"svarGreatEqual", " >=", ">="},
                                                     {"svarLess", " <", "<"},
                                                     {"svarLessEqual", " <=", "<="}});
    // "&&" in a caption shows one ampersand.
    booleanMenu_ =
        menu("BooleanOperatorPopupMenu", {{"svarand", "   &&", "&&"}, {"SvarOr", "    |", "||"}});

    exchangeMenu_ = new QMenu(this);
    exchangeMenu_->setObjectName(QStringLiteral("ExchangePopupMenu"));
    QAction* modify = exchangeMenu_->addAction(QStringLiteral("修改"));
    modify->setObjectName(QStringLiteral("SVariblerModify"));
    connect(modify, &QAction::triggered, this, [this] {
        Tprogramspace* program = programOf(commander_);
        if (!program || menuPicture_ >= row_.size() || !shownStepAlive()) return;
        // The picture was selected by the press that opened the menu; the pick that
        // follows in the program space replaces its operand.
        if (program->edit.selected != row_.object(menuPicture_)) return;
        program->edit.operate("&x");
        blink_->start();
    });
}

// The shown step.

Tprogramspace* StepWindow::programOf(const TCommander* commander) const {
    return programHolding(hooks_.workspace, commander);
}

bool StepWindow::commanderAlive() const {
    return programOf(commander_) != nullptr;
}

bool StepWindow::shownStepAlive() const {
    return stillHolds(hooks_.workspace, commander_, shownStep_);
}

void StepWindow::ShowStep(TCommander* commander) {
    ClearStep();
    commander_ = commander;
    shownStep_ = commander && commanderAlive() ? commander->CurrentStep : nullptr;
    if (!shownStep_) {
        setWindowTitle(QStringLiteral("步骤窗口"));
        RefreshSignals();
        return;
    }
    setWindowTitle(screenText(stepCaption(*shownStep_)));
    const std::uint8_t kind = shownStep_->StepKind;
    if (kind == stepkind::Head || kind == stepkind::Comment) {
        comment_->setText(screenText(shownStep_->Code));
        // The head step's text is its commander's name and follows renames: it is shown,
        // not edited.
        comment_->setReadOnly(kind == stepkind::Head);
        comment_->show();
    } else {
        drawPictures();
    }
    if (kind == stepkind::Call && parameters_ && !parameters_->isVisible())
        parameters_->showCall(*shownStep_);
    RefreshSignals();
}

void StepWindow::drawPictures() {
    Tstep& step = *shownStep_;
    const std::size_t parameter = bindingStep_ == &step ? bindingParameter_ : 0;
    std::vector<PlacedPicture> placed = stepPictures(step, parameter);
    step.Pictures.clear();
    for (std::size_t i = 0; i < placed.size(); ++i) {
        TVisualor& object = *placed[i].object;
        const Role role = roleOf(placed[i].slot);
        if (auto* variable = dynamic_cast<TstepVaribler*>(&object);
            variable && role != Role::None && role != Role::A)
            variable->OnPick = [this, role](TprogramVaribler& picked) {
                replaceOperand(role, picked);
            };

        auto* view = new StepPictureView(this, object);
        view->show();
        connect(view, &StepPictureView::pressed, this, [this, i] { pressPicture(i); });
        connect(view, &StepPictureView::menuRequested, this,
                [this, i](QPoint where) { pictureMenu(i, where); });
        connect(view, &StepPictureView::doubleClicked, this, [this, i] { changeConstant(i); });
        const bool named =
            menuOf(object) == PictureMenu::Exchange || dynamic_cast<TStepconstant*>(&object);
        row_.add(view, named ? labelUnder(this, object, kLabelWidth, kLabelReach) : nullptr,
                 &object);
        slots_.push_back(placed[i].slot);
        step.Pictures.push_back(std::move(placed[i].object));
    }
}

void StepWindow::forgetPictures() {
    row_.clear(hooks_.workspace);
    slots_.clear();
    blink_->stop();
}

void StepWindow::ClearStep() {
    const bool alive = shownStepAlive();
    if (!comment_->isHidden()) {
        if (alive && shownStep_->StepKind == stepkind::Comment)
            shownStep_->setCode(modelText(comment_->text()));
        comment_->hide();
    }
    forgetPictures();
    if (alive) shownStep_->Pictures.clear();
    if (parameters_ && parameters_->isVisible()) parameters_->closePictures();
    shownStep_ = nullptr;
    RefreshSignals();
}

void StepWindow::detach() {
    ClearStep();
    commander_ = nullptr;
    setWindowTitle(QStringLiteral("步骤窗口"));
}

void StepWindow::forget(const TVisualor& object) {
    if (&object != commander_) return;
    // Its steps, and the pictures they kept, are gone already.
    shownStep_ = nullptr;
    detach();
}

void StepWindow::RefreshSignals() {
    const bool alive = shownStepAlive();
    paintSignal(breakSignal_, alive && shownStep_->StepBreak);
    bool pause = false;
    bool ended = false;
    if (alive && commander_->FunctionMain && commander_->Owner &&
        commander_->Owner->programRunning()) {
        const int counter = commander_->ProgramCounter;
        const int count = commander_->stepCount();
        const int position = commander_->Position();
        ended = counter >= count;
        pause = position == counter + 1 || (ended && position == count);
    }
    paintSignal(pauseSignal_, pause);
    paintSignal(endSignal_, ended);
}

void StepWindow::showRunStep(TCommander* commander, int number, bool ended) {
    if (!commander) {
        paintSignal(pauseSignal_, false);
        paintSignal(endSignal_, false);
        return;
    }
    commander->SetPosition(number);
    ShowStep(commander);
    paintSignal(pauseSignal_, true);
    paintSignal(endSignal_, ended);
}

QColor StepWindow::pauseSignalColour() const {
    return signalColour(pauseSignal_);
}
QColor StepWindow::breakSignalColour() const {
    return signalColour(breakSignal_);
}
QColor StepWindow::endSignalColour() const {
    return signalColour(endSignal_);
}

// The buttons.

void StepWindow::navigate(StepTool tool) {
    if (!commanderAlive()) return;
    TCommander& commander = *commander_;
    const Tstep* before = commander.CurrentStep;
    switch (tool) {
    case StepTool::Down:
        commander.next();
        break;
    case StepTool::Up:
        commander.previous();
        break;
    case StepTool::Head:
        commander.first();
        break;
    case StepTool::Tail:
        commander.last();
        break;
    case StepTool::PageDown:
        commander.forward5();
        break;
    case StepTool::PageUp:
        commander.back5();
        break;
    default:
        return;
    }
    if (commander.CurrentStep == before && shownStep_ == before) return;
    ShowStep(&commander);
    if (hooks_.repaintSpace) hooks_.repaintSpace();
}

bool StepWindow::mayEdit() const {
    if (!commanderAlive()) return false;
    // A running program keeps its place by step numbers: its steps stay as they are.
    if (commander_->Owner && commander_->Owner->programRunning()) {
        commander_->platform().beep();
        return false;
    }
    return true;
}

void StepWindow::deleteShownStep() {
    if (!mayEdit() || !shownStepAlive()) return;
    TCommander& commander = *commander_;
    const TVaribler* waiting = commander.Owner ? commander.Owner->operated() : nullptr;
    if (waiting && waiting->OperationState == opstate::Operating) return;
    const int position = commander.Position();
    if (position <= 1) return; // the head step is never deleted
    ClearStep();
    commander.DeleteStep(position);
    commander.SetPosition(position - 1);
    if (commander.Owner) commander.Owner->markModified();
    ShowStep(&commander);
    emit stepsEdited(&commander);
    if (hooks_.repaintSpace) hooks_.repaintSpace();
}

void StepWindow::addStep(std::uint8_t kind, const char* code, const char* hint) {
    if (!mayEdit()) return;
    TCommander& commander = *commander_;
    if (commander.Owner) {
        CommanderHint& box = commander.Owner->commanderHint();
        box.text = hint;
        box.shown = true;
        commander.HintTimer.start();
    }
    ClearStep();
    commander.InsertStep(kind, code, nullptr, nullptr, nullptr, nullptr);
    if (commander.Owner) commander.Owner->markModified();
    ShowStep(&commander);
    emit stepsEdited(&commander);
    if (hooks_.repaintSpace) hooks_.repaintSpace();
}

void StepWindow::toggleBreak() {
    if (!shownStepAlive()) return;
    shownStep_->StepBreak = !shownStep_->StepBreak;
    RefreshSignals();
}

// The pictures.

void StepWindow::ChangeOperator(Tstep& step, std::string_view sign) {
    const auto code = changedOperator(step.Code, sign);
    if (!code || *code == step.Code) return;
    step.setCode(*code);
    if (step.Space) step.Space->markModified();
    if (&step == shownStep_) ShowStep(commander_);
}

void StepWindow::showBinding(std::size_t parameter, std::uint8_t callView) {
    if (!shownStepAlive() || shownStep_->StepKind != stepkind::Call) return;
    bindingStep_ = shownStep_;
    bindingParameter_ = parameter;
    shownStep_->CallView = callView;
    if (shownStep_->Space) shownStep_->Space->markModified();
    ShowStep(commander_);
}

void StepWindow::pressPicture(std::size_t index) {
    if (index >= row_.size() || !shownStepAlive()) return;
    auto* variable = dynamic_cast<TstepVaribler*>(shownStep_->Pictures[index].get());
    Tprogramspace* program = programOf(commander_);
    if (!variable || !program || roleOf(slots_[index]) == Role::None) return;
    menuPicture_ = index;
    program->SelectObject(*variable);
    blink_->start();
    refreshHighlights();
}

void StepWindow::pictureMenu(std::size_t index, QPoint where) {
    if (index >= row_.size() || !shownStepAlive()) return;
    QMenu* popup = nullptr;
    switch (menuOf(*shownStep_->Pictures[index])) {
    case PictureMenu::Add:
        popup = addMenu_;
        break;
    case PictureMenu::Compare:
        popup = compareMenu_;
        break;
    case PictureMenu::Boolean:
        popup = booleanMenu_;
        break;
    case PictureMenu::Exchange:
        if (roleOf(slots_[index]) == Role::None) return;
        popup = exchangeMenu_;
        break;
    case PictureMenu::None:
        return;
    }
    menuPicture_ = index;
    popup->popup(where);
}

void StepWindow::changeConstant(std::size_t index) {
    if (index >= slots_.size() || slots_[index] != Slot::A || !shownStepAlive()) return;
    Tstep& step = *shownStep_;
    auto* picture = dynamic_cast<TStepconstant*>(step.Pictures[index].get());
    if (!picture || !step.Constant) return;
    QInputDialog dialog(this);
    dialog.setWindowTitle(screenText(picture->changeCaption()));
    dialog.setLabelText(screenText(TStepconstant::changePrompt()));
    dialog.setTextValue(screenText(step.Constant->ConstantValue));
    if (!picture->IsText)
        if (auto* edit = dialog.findChild<QLineEdit*>())
            edit->setValidator(new NumberTextValidator(edit));
    if (dialog.exec() != QDialog::Accepted || !shownStepAlive()) return;
    std::string value = modelText(dialog.textValue());
    // What the number box allows may still be only the start of a number ("-", "").
    if (!picture->IsText && !controls::readReal(value)) value = "0";
    step.Constant->ConstantValue = std::move(value);
    if (step.Space) step.Space->markModified();
    ShowStep(commander_);
}

void StepWindow::replaceOperand(Role role, TprogramVaribler& picked) {
    if (!shownStepAlive()) return;
    Tstep& step = *shownStep_;
    TprogramVaribler** operand = role == Role::X   ? &step.ObjectX
                                 : role == Role::Y ? &step.ObjectY
                                 : role == Role::Z ? &step.ObjectZ
                                                   : nullptr;
    if (!operand || *operand == &picked) return;
    TprogramVaribler* replaced = *operand;
    *operand = &picked;
    if (step.Space) step.Space->markModified();
    // A temporary that no step uses any more leaves the program.
    if (replaced && replaced->IsTemp && replaced->Owner)
        replaced->services().releaseTemporary(*replaced);
    ShowStep(commander_);
    if (hooks_.repaintSpace) hooks_.repaintSpace();
}

void StepWindow::refreshHighlights() {
    Tprogramspace* program = programOf(commander_);
    bool active = false;
    for (std::size_t i = 0; i < row_.size(); ++i) {
        const TVisualor* picture = row_.object(i);
        const bool selected = program && program->edit.selected == picture;
        const bool waiting = program && program->edit.operated == picture;
        active = active || selected || waiting;
        row_.view(i).setHighlighted(waiting ? blinkLit_ : selected);
    }
    if (!active) blink_->stop();
}

void StepWindow::keyPressEvent(QKeyEvent* event) {
    if (hooks_.keyToSpace) hooks_.keyToSpace(event, false);
    // An Escape that cancelled a pick leaves the picture selected again.
    refreshHighlights();
}

} // namespace olvide::views
