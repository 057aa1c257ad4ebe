#include "main_window.h"

#include "olvide/controls/olvan_font.h"
#include "olvide/drawing/drawing_forms.h"
#include "olvide/drawing/drawing_layer.h"
#include "olvide/drawing/paint_panel.h"
#include "olvide/editor/document_list_window.h"
#include "olvide/editor/emblem.h"
#include "olvide/editor/file_commands.h"
#include "olvide/editor/forms/control_panel.h"
#include "olvide/editor/forms/editor_forms.h"
#include "olvide/editor/key_codes.h"
#include "olvide/editor/picture_store.h"
#include "olvide/editor/programspace_window.h"
#include "olvide/editor/qt_platform.h"
#include "olvide/editor/qt_text.h"
#include "olvide/editor/run_driver.h"
#include "olvide/editor/splash_process.h"
#include "olvide/editor/toolbar_glyphs.h"
#include "olvide/model/files/program_documents.h"
#include "olvide/model/model.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"
#include "olvide/views/flow_window.h"
#include "olvide/views/parameter_window.h"
#include "olvide/views/program_views.h"
#include "olvide/views/step_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace olvide::editor {

namespace {

struct ToolLook {
    const char* name;
    const char* hint;
    Glyph glyph;
};

constexpr ToolLook kTools[] = {
    {"FileNew", "新建", Glyph::FileNew},
    {"FileOpen", "打开", Glyph::FileOpen},
    {"FileSave", "存盘", Glyph::FileSave},
    {"ProgramRun", "运行", Glyph::ProgramRun},
    {"programpause", "暂停", Glyph::programpause},
    {"ProgramStop", "停止", Glyph::ProgramStop},
    {"ProgramStepin", "单步运行(入)", Glyph::ProgramStepin},
    {"programStepOver", "单步运行(过)", Glyph::programStepOver},
    {"StepWindowOnoff", "步骤窗口", Glyph::StepWindowOnoff},
    {"FlowWindowOnoff", "流程窗口", Glyph::FlowWindowOnoff},
    {"FunctionList", "函数列表", Glyph::FunctionList},
};

// The tool bar is 18 high with buttons of 16 x 16.
constexpr int kPanelHeight = 18;
constexpr int kButton = 16;

} // namespace

Tmainframe::Tmainframe()
    : platform_(std::make_unique<QtPlatform>(*this)),
      workspace_(std::make_unique<Workspace>(*platform_)),
      forms_(std::make_unique<forms::EditorForms>(false)),
      drawing_(std::make_unique<drawing::DrawingForms>(forms_->controlPanel())) {
    setWindowTitle(ui("Olvan编程语言之Kestrel版"));
    setFont(controls::olvanFont(QStringLiteral("Courier New"), 9));
    setWindowIcon(QPixmap::fromImage(picture("olvan.bmp")));
    forms_->openProgram = [this] { OpenfileClick(); };
    // A picture goes to the active program space.
    drawing_->paintPanel().pictureChosen = [this](const QString& path) {
        if (ProgramSpaceWindow* window = activeWindow()) window->drawingLayer().addPicture(path);
    };
    views::ViewHooks hooks;
    hooks.workspace = workspace_.get();
    hooks.keyToSpace = [this](QKeyEvent* event, bool fromParameterWindow) {
        const auto key = virtualKeyOf(event->key(), event->modifiers());
        if (Tprogramspace* program = activeProgram(); program && key)
            program->keyDown(key->key, key->modifiers, fromParameterWindow);
    };
    hooks.repaintSpace = [this] {
        if (ProgramSpaceWindow* window = activeWindow()) window->canvas().update();
    };
    views_ = new views::ProgramViews(this, std::move(hooks));
    installProgramOpener(*workspace_);
    driver_ = std::make_unique<RunDriver>(*this, *workspace_);
    files_ = std::make_unique<FileCommands>(*this);

    mdi_ = new EmblemArea(this);
    mdi_->setObjectName(QStringLiteral("ClientArea"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makeToolBar());
    layout->addWidget(mdi_, 1);
    setCentralWidget(central);
    functionList_ = new DocumentListWindow(this);
    functionList_->onChosen = [this](Tprogramspace& program) { bringToFront(program); };
    makeMenus();
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (window) programActivated(static_cast<ProgramSpaceWindow*>(window));
    });
    FormCreate();
}

Tmainframe::~Tmainframe() {
    // The windows go before the programs they show, and the programs before the platform
    // that their objects report to.
    driver_.reset();
    const auto windows = windows_;
    for (const auto& [services, window] : windows) {
        window->programClosed();
        delete window;
    }
    // The step, parameter and flow windows look at the programs while they go.
    QWidget* sideWindows[] = {&views_->parameterWindow(), &views_->stepWindow(),
                              &views_->flowWindow()};
    delete views_;
    views_ = nullptr;
    for (QWidget* window : sideWindows)
        delete window;
    workspace_.reset();
}

void Tmainframe::FormCreate() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        setGeometry(65, 2, s.width() - 70, s.height() - 30);
    }
    newProgramCounter_ = 1;
    workspace_->Running = false;
    workspace_->activeProgram = nullptr;
}

QWidget* Tmainframe::makeToolBar() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFixedHeight(kPanelHeight);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 1, 2, 1);
    row->setSpacing(1);
    const std::map<QString, std::function<void()>> handlers{
        {QStringLiteral("FileNew"), [this] { newfileClick(); }},
        {QStringLiteral("FileOpen"), [this] { OpenfileClick(); }},
        {QStringLiteral("FileSave"), [this] { FileSaveClick(); }},
        {QStringLiteral("ProgramRun"), [this] { driver_->ProgramRunClick(); }},
        {QStringLiteral("programpause"), [this] { driver_->programpauseClick(); }},
        {QStringLiteral("ProgramStop"), [this] { driver_->ProgramStopClick(); }},
        {QStringLiteral("ProgramStepin"), [this] { driver_->ProgramStepinClick(); }},
        {QStringLiteral("programStepOver"), [this] { driver_->programStepOverClick(); }},
        {QStringLiteral("StepWindowOnoff"), [this] { StepWindowOnoffClick(); }},
        {QStringLiteral("FlowWindowOnoff"), [this] { FlowWindowOnoffClick(); }},
        {QStringLiteral("FunctionList"), [this] { FunctionListClick(); }},
    };
    const std::map<QString, RunButton> runButtons{
        {QStringLiteral("ProgramRun"), RunButton::ProgramRun},
        {QStringLiteral("programpause"), RunButton::programpause},
        {QStringLiteral("ProgramStop"), RunButton::ProgramStop},
        {QStringLiteral("ProgramStepin"), RunButton::ProgramStepin},
        {QStringLiteral("programStepOver"), RunButton::programStepOver},
    };
    int i = 0;
    for (const ToolLook& look : kTools) {
        auto* b = new QToolButton(panel);
        const QString name = QString::fromLatin1(look.name);
        b->setObjectName(name);
        b->setToolTip(ui(look.hint));
        b->setIcon(toolbarGlyph(look.glyph));
        b->setIconSize(QSize(kButton - 2, kButton - 2));
        b->setFixedSize(kButton, kButton);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, handlers.at(name));
        if (auto it = runButtons.find(name); it != runButtons.end()) driver_->attach(it->second, b);
        row->addWidget(b);
        // Gaps between the file, run and window groups.
        if (i == 2 || i == 7) row->addSpacing(8);
        ++i;
    }
    row->addSpacing(12);
    statusHint_ = new QLabel(panel);
    statusHint_->setObjectName(QStringLiteral("StatusHint"));
    row->addWidget(statusHint_, 1);
    return panel;
}

QAbstractButton* Tmainframe::toolButton(const QString& name) const {
    return findChild<QAbstractButton*>(name);
}

void Tmainframe::makeMenus() {
    fileMenu_ = menuBar()->addMenu(ui("文件"));
    fillFileMenu(false);
    QMenu* help = menuBar()->addMenu(ui("帮助"));
    help->addAction(ui("关于作品"), this, &Tmainframe::AboutOlvane1Click)
        ->setObjectName(QStringLiteral("AboutOlvane1"));
    help->addAction(ui("简    介"), this, &Tmainframe::AboutAuthor1Click)
        ->setObjectName(QStringLiteral("AboutAuthor1"));
}

void Tmainframe::fillFileMenu(bool programMenu) {
    fileMenuForProgram_ = programMenu;
    fileMenu_->clear();
    auto add = [this](const char* name, const char* caption, auto handler) {
        fileMenu_->addAction(ui(caption), this, handler)->setObjectName(QLatin1String(name));
    };
    if (!programMenu) {
        add("newfile", "新建", [this] { newfileClick(); });
        add("Openfile", "打开", [this] { OpenfileClick(); });
        fileMenu_->addSeparator();
        add("Exit1", "退出", [this] { close(); });
        return;
    }
    // The active program's file menu takes the place of the main window's.
    add("olvaneNewfile", "新建", [this] { newfileClick(); });
    add("olvaneOpenfile", "打开", [this] { OpenfileClick(); });
    add("olvaneSavefile", "存盘", [this] {
        if (ProgramSpaceWindow* w = activeWindow()) files_->save(*w);
    });
    add("olvaneSavefileas", "另存为", [this] {
        if (ProgramSpaceWindow* w = activeWindow()) files_->saveAs(*w);
    });
    add("olvaneClosefile", "关闭", [this] {
        if (ProgramSpaceWindow* w = activeWindow()) w->close();
    });
    add("olvaneExitfile", "退出", [this] { close(); });
}

bool Tmainframe::running() const {
    return workspace_->Running;
}

Tprogramspace* Tmainframe::activeProgram() const {
    return workspace_->activeProgram;
}

ProgramSpaceWindow* Tmainframe::windowOf(const Tprogramspace& program) const {
    const auto it = windows_.find(&const_cast<Tprogramspace&>(program).services());
    return it == windows_.end() ? nullptr : it->second;
}

ProgramSpaceWindow* Tmainframe::windowShowing(const TVisualor& object) const {
    if (!object.Owner) return nullptr;
    const auto it = windows_.find(object.Owner);
    return it == windows_.end() ? nullptr : it->second;
}

ProgramSpaceWindow* Tmainframe::activeWindow() const {
    return static_cast<ProgramSpaceWindow*>(mdi_->activeSubWindow());
}

void Tmainframe::bringToFront(Tprogramspace& program) {
    if (ProgramSpaceWindow* window = windowOf(program)) {
        if (mdi_->activeSubWindow() != window) mdi_->setActiveSubWindow(window);
        window->raise();
    }
}

void Tmainframe::setStatusHint(const QString& text) {
    statusHint_->setText(text);
}

void Tmainframe::commanderActivated(const TCommander& commander) {
    driver_->commanderActivated();
    views_->commanderActivated(const_cast<TCommander&>(commander));
}

void Tmainframe::showRunStep(TCommander* commander, int stepNumber, bool ended) {
    views_->showRunStep(commander, stepNumber, ended);
}

void Tmainframe::objectDestroyed(const TVisualor& object) {
    if (views_) views_->objectDestroyed(object);
    if (ProgramSpaceWindow* window = windowShowing(object)) window->objectDestroyed(object);
}

void Tmainframe::refreshValues() {
    for (const auto& [services, window] : windows_)
        window->refreshValues();
}

void Tmainframe::refreshDocuments() {
    functionList_->setDocuments(documentOrder(*workspace_), workspace_->activeProgram);
}

ProgramSpaceWindow& Tmainframe::addWindow(Tprogramspace& program) {
    auto* window = new ProgramSpaceWindow(*this, program);
    windows_[&program.services()] = window;
    mdi_->addSubWindow(window);
    // Objects made before the window existed (a program read from its file) are shown now.
    auto replay = [window](const auto& list) {
        for (const auto& object : list) {
            if (!object->shown()) continue;
            window->pictureChanged(*object);
            window->labelChanged(*object);
        }
    };
    replay(program.objects.commanders);
    replay(program.objects.elements);
    replay(program.objects.yins);
    window->refreshValues();
    window->drawingLayer().adoptStoredElements();
    return *window;
}

void Tmainframe::adoptNewPrograms(bool show) {
    for (const auto& program : workspace_->programs()) {
        if (windowOf(*program)) continue;
        ProgramSpaceWindow& window = addWindow(*program);
        if (show) window.showMaximized();
    }
    refreshDocuments();
}

bool Tmainframe::closeProgram(ProgramSpaceWindow& window) {
    Tprogramspace* program = window.program();
    if (!program) return true;
    if (driver_->inRunLoop()) {
        // The run is unwound first; the window is asked again once it has.
        driver_->ProgramStopClick();
        QTimer::singleShot(0, &window, &QWidget::close);
        return false;
    }
    if (running()) driver_->ProgramStopClick();
    const bool closed =
        closeProgramFile(*program, [this](Tprogramspace&) { return files_->chooseSavePath(); });
    if (!closed) {
        refreshDocuments();
        return false;
    }
    window.programClosed();
    views_->detach();
    setStatusHint(QString());
    if (workspace_->programs().empty()) views_->stepWindow().hide();
    workspace_->activeProgram = nullptr;
    return true;
}

void Tmainframe::windowGone(ProgramSpaceWindow& window) {
    std::erase_if(windows_, [&window](const auto& entry) { return entry.second == &window; });
    if (windows_.empty() && fileMenuForProgram_) fillFileMenu(false);
    refreshDocuments();
}

void Tmainframe::programActivated(ProgramSpaceWindow* window) {
    Tprogramspace* program = window->program();
    if (!program) return;
    Tprogramspace* previous = workspace_->activeProgram;
    if (previous && previous != program) {
        views_->detach();
        setStatusHint(QString());
    }
    workspace_->activeProgram = program;
    if (TCommander* commander = program->edit.activeCommander) {
        views_->commanderActivated(*commander);
        // A shown flow window draws the commander too.
        views_->stepsChanged(*commander);
    }
    if (!fileMenuForProgram_) fillFileMenu(true);
    refreshDocuments();
}

Tprogramspace& Tmainframe::newfileClick() {
    if (mdi_->subWindowList().isEmpty()) workspace_->activeProgram = nullptr;
    Tprogramspace& program = workspace_->newProgram();
    program.caption = "Mennel" + std::to_string(newProgramCounter_++);
    program.modified = true;
    ProgramSpaceWindow& window = addWindow(program);
    window.showMaximized();
    refreshDocuments();
    return program;
}

void Tmainframe::OpenfileClick(bool show) {
    if (mdi_->subWindowList().isEmpty()) workspace_->activeProgram = nullptr;
    const std::optional<std::string> path = files_->chooseOpenPath();
    if (!path) return;
    files_->open(*path, show);
}

void Tmainframe::FileSaveClick() {
    if (ProgramSpaceWindow* window = activeWindow()) files_->save(*window);
}

void Tmainframe::StepWindowOnoffClick() {
    Tprogramspace* program = activeProgram();
    views_->toggleStepWindow(program ? program->edit.activeCommander : nullptr);
    if (program) bringToFront(*program);
}

void Tmainframe::FlowWindowOnoffClick() {
    Tprogramspace* program = activeProgram();
    views_->toggleFlowWindow(program ? program->edit.activeCommander : nullptr);
    if (program) bringToFront(*program);
}

void Tmainframe::FunctionListClick() {
    if (functionList_->isVisible()) {
        functionList_->hide();
        return;
    }
    functionList_->move(geometry().right() - functionList_->width() - 20, geometry().top() + 60);
    functionList_->show();
}

void Tmainframe::AboutOlvane1Click() {
    startSplash();
}

void Tmainframe::AboutAuthor1Click() {
    forms_->showAbout();
}

void Tmainframe::closeEvent(QCloseEvent* event) {
    if (driver_->inRunLoop()) {
        // The run is unwound first; the frame closes once it has.
        driver_->ProgramStopClick();
        QTimer::singleShot(0, this, &QWidget::close);
        event->ignore();
        return;
    }
    if (running()) driver_->ProgramStopClick();
    const QList<QMdiSubWindow*> children = mdi_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = children.rbegin(); it != children.rend(); ++it)
        (*it)->close();
    if (!workspace_->programs().empty()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace olvide::editor
