// Draws the step, parameter and flow windows for the example programs to PNG files, for
// looking at them: olvide_views_gallery [folder]  (default: build/screenshots/views).
// Every step of each example's main commander gets a picture of the step window (with the
// parameter window for a call step), and each example one of its flow window and one of the
// three windows side by side.
#include "olvide/model/files/program_documents.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"
#include "olvide/views/flow_window.h"
#include "olvide/views/parameter_window.h"
#include "olvide/views/program_views.h"
#include "olvide/views/step_window.h"
#include "olvide/views/view_pictures.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <cstdio>

using namespace olvide;
using namespace olvide::views;

namespace {

// A window as it stands on the screen: its caption bar over what it shows.
QImage framed(QWidget& window) {
    const QPixmap inside = window.grab();
    const int bar = 18;
    QImage image(inside.width() + 2, inside.height() + bar + 1, QImage::Format_RGB32);
    image.fill(QColor(90, 110, 140));
    QPainter p(&image);
    p.setPen(Qt::white);
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);
    p.drawText(QRect(6, 0, image.width() - 6, bar), Qt::AlignVCenter, window.windowTitle());
    p.drawPixmap(1, bar, inside);
    return image;
}

bool save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The windows side by side, the step and parameter windows stacked at the left.
QImage sideBySide(const QImage& step, const QImage& parameters, const QImage& flow) {
    const int gap = 12;
    const int left = std::max(step.width(), parameters.isNull() ? 0 : parameters.width());
    const int height = std::max(
        step.height() + (parameters.isNull() ? 0 : parameters.height() + gap), flow.height());
    QImage image(left + gap + flow.width() + 2 * gap, height + 2 * gap, QImage::Format_RGB32);
    image.fill(QColor(200, 200, 200));
    QPainter p(&image);
    p.drawImage(gap, gap, step);
    if (!parameters.isNull()) p.drawImage(gap, gap + step.height() + gap, parameters);
    p.drawImage(gap + left + gap, gap, flow);
    return image;
}

bool drawExample(const QString& examples, const QString& name, const QDir& folder) {
    NullPlatform platform;
    Workspace workspace(platform);
    installProgramOpener(workspace);
    Tprogramspace* program =
        openProgramFile(workspace, QDir(examples).filePath(name + ".olv").toStdString());
    if (!program || program->objects.mainCommanderTotal() == 0) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(name));
        return false;
    }
    workspace.activeProgram = program;
    TMaincommander* main = program->objects.mainCommander(0);
    program->activateCommander(main);

    QWidget mainWindow;
    mainWindow.setGeometry(0, 0, 900, 520);
    ProgramViews views(&mainWindow, ViewHooks{&workspace, {}, {}});
    views.toggleStepWindow(main);
    views.toggleFlowWindow(main);

    bool ok = true;
    // Every step of every commander in the step window, with the parameter window for a call.
    for (std::size_t c = 0; c < program->objects.commanders.size(); ++c) {
        TCommander& commander = *program->objects.commanders[c];
        for (int n = 1; n <= commander.stepCount(); ++n) {
            commander.SetPosition(n);
            views.stepWindow().ShowStep(&commander);
            const QString shot =
                name + "_" + QString::number(c + 1) + "_step_" + QString::number(n);
            ok = save(framed(views.stepWindow()), folder, shot + ".png") && ok;
            if (views.parameterWindow().isVisible())
                ok = save(framed(views.parameterWindow()), folder, shot + "_parameters.png") && ok;
        }
    }
    // The side-by-side picture: the main commander's chart with the first call step selected
    // (as a press on its figure does), else its second step.
    views.commanderActivated(*main);
    views.flowWindow().DrawCommander(main);
    FlowLeaf* shown = views.flowWindow().layout().leafAt(kFlowLeft, kFlowTop + kFlowRowHeight);
    const FlowLayout& layout = views.flowWindow().layout();
    for (const FlowBranch* branch : layout.branches())
        for (const FlowLeaf& leaf : branch->leaves)
            if (leaf.step->StepKind == stepkind::Call &&
                (!shown || shown->step->StepKind != stepkind::Call)) {
                const FlowRect figure = branch->figure(leaf.index);
                shown = layout.leafAt(figure.left, figure.top);
            }
    if (shown) views.flowWindow().pressLeaf(shown);
    const QImage flow = framed(views.flowWindow());
    ok = save(flow, folder, name + "_flow.png") && ok;
    const QImage step = framed(views.stepWindow());
    // Blown-up copies with square pixels, for looking at the small figures and glyphs.
    ok = save(step.scaled(step.size() * 3), folder, "zoom-" + name + "_step.png") && ok;
    const QImage corner =
        flow.copy(0, 0, std::min(flow.width(), 160), std::min(flow.height(), 200));
    ok = save(corner.scaled(corner.size() * 4), folder, "zoom-" + name + "_flow.png") && ok;
    const QImage shownParameters =
        views.parameterWindow().isVisible() ? framed(views.parameterWindow()) : QImage();
    return save(sideBySide(step, shownParameters, flow), folder, name + "_views.png") && ok;
}

// A program built here with conditions and loops nested three deep, to look at the column
// rules: its chart, then the same with the first condition folded.
bool drawNested(const QDir& folder) {
    NullPlatform platform;
    Workspace workspace(platform);
    Tprogramspace& program = workspace.newProgram();
    workspace.activeProgram = &program;
    TMaincommander* main = program.placeMainCommander(100, 100);
    const auto steps = [&](TCommander* commander, int count,
                           std::vector<std::pair<int, TprogramVaribler*>> enters) {
        program.activateCommander(commander);
        while (commander->stepCount() < count) {
            TprogramVaribler* x = nullptr;
            for (const auto& [at, entered] : enters)
                if (at == commander->stepCount()) x = entered;
            const char* code = !x ? "note" : x->VisualorStyle == kind::Condition ? "DOC" : "DOI";
            program.services().AddStep(x ? stepkind::Flow : stepkind::Comment, code, x, nullptr,
                                       nullptr, nullptr);
        }
    };
    const auto condition = [&](bool withFalse) {
        auto* c = static_cast<Tprogramcondition*>(program.placeElement(kind::Condition, 50, 50));
        program.services().MakeTrueCommander(*c);
        if (withFalse) program.services().MakeFalseCommander(*c);
        return c;
    };
    const auto loop = [&] {
        auto* it = static_cast<TprogramIteration*>(program.placeElement(kind::Iteration, 50, 50));
        program.services().MakeForCommander(*it);
        return it;
    };
    Tprogramcondition* outer = condition(true);
    TprogramIteration* inner = loop();
    Tprogramcondition* deepest = condition(false);
    Tprogramcondition* second = condition(true);
    TprogramIteration* last = loop();
    steps(deepest->TrueCommander, 3, {});
    steps(inner->ForCommander, 5, {{2, deepest}});
    steps(outer->TrueCommander, 6, {{1, inner}});
    steps(outer->FalseCommander, 4, {});
    steps(second->TrueCommander, 5, {});
    steps(second->FalseCommander, 3, {});
    steps(last->ForCommander, 4, {});
    steps(main, 12, {{2, outer}, {4, second}, {9, last}});

    QWidget mainWindow;
    mainWindow.setGeometry(0, 0, 900, 520);
    ProgramViews views(&mainWindow, ViewHooks{&workspace, {}, {}});
    views.toggleFlowWindow(main);
    bool ok = save(framed(views.flowWindow()), folder, "nested_flow.png");
    FlowLayout& layout = views.flowWindow().layout();
    views.flowWindow().doubleClickLeaf(layout.leafAt(kFlowLeft, kFlowTop + 2 * kFlowRowHeight));
    ok = save(framed(views.flowWindow()), folder, "nested_flow_folded.png") && ok;
    const QImage zoomed = framed(views.flowWindow()).copy(0, 0, 140, 200);
    return save(zoomed.scaled(zoomed.size() * 4), folder, "zoom-nested_flow_folded.png") && ok;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1])
                               : QStringLiteral(OLVAN_SCREENSHOT_DIR));
    QDir().mkpath(folder.path());
    // The picture files lie beside the programs.
    QDir::setCurrent(QStringLiteral(OLVAN_PICTURE_FOLDER));
    bool ok = true;
    for (const char* name :
         {"while_loop", "arrays", "factorial", "counted_loop", "strings", "rectangles"})
        ok = drawExample(QStringLiteral(OLVAN_EXAMPLES_DIR), QString::fromLatin1(name), folder) &&
             ok;
    ok = drawNested(folder) && ok;
    return ok ? 0 : 1;
}
