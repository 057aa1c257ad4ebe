// The flow window on a large program: a main commander and 200 conditions and loops nested up
// to five deep, 2,000 steps in all. Drawing lays the chart out and paints all of it; folding
// takes the first condition's branch with everything nested in it away and brings it back.
#include "olvide/model/commanders/commander.h"
#include "olvide/model/elements/elements.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"
#include "olvide/views/flow_painting.h"
#include "olvide/views/flow_window.h"
#include "olvide/views/layout/flow_layout.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using namespace olvide;
using namespace olvide::views;

constexpr int kConstructs = 200;
constexpr int kRoots = 10;      // the conditions and loops the main commander enters
constexpr int kBranchSteps = 8; // steps of every true, false and for commander
constexpr int kMainSteps = 200;

struct LargeProgram {
    LargeProgram() : program(workspace.newProgram()) {
        main = program.placeMainCommander(300, 40);
        std::vector<TCommander*> bodies;
        std::vector<std::vector<TprogramVaribler*>> entered(kConstructs);
        std::vector<TprogramVaribler*> roots;
        for (int i = 0; i < kConstructs; ++i) {
            // Conditions and loops alternate; every fourth condition has a false branch too.
            TprogramVaribler* construct = nullptr;
            if (i % 2 == 0) {
                auto* c =
                    static_cast<Tprogramcondition*>(program.placeElement(kind::Condition, 60, 60));
                program.services().MakeTrueCommander(*c);
                bodies.push_back(c->TrueCommander);
                if (i % 8 == 0) {
                    program.services().MakeFalseCommander(*c);
                    fill(c->FalseCommander, {});
                    ++falseBranches;
                }
                construct = c;
            } else {
                auto* it =
                    static_cast<TprogramIteration*>(program.placeElement(kind::Iteration, 60, 60));
                program.services().MakeForCommander(*it);
                bodies.push_back(it->ForCommander);
                construct = it;
            }
            (i < kRoots ? roots : entered[static_cast<std::size_t>((i - kRoots) / 2)])
                .push_back(construct);
        }
        for (int i = 0; i < kConstructs; ++i)
            fill(bodies[static_cast<std::size_t>(i)], entered[static_cast<std::size_t>(i)]);
        fill(main, roots, kMainSteps);
    }

    // Comments up to `count` steps with the flow steps of `enters` spread among them.
    void fill(TCommander* commander, const std::vector<TprogramVaribler*>& enters,
              int count = kBranchSteps) {
        program.activateCommander(commander);
        std::size_t next = 0;
        while (commander->stepCount() < count) {
            const int position = commander->stepCount();
            if (next < enters.size() &&
                position % (count / static_cast<int>(enters.size() + 1)) == 0) {
                TprogramVaribler* x = enters[next++];
                program.services().AddStep(stepkind::Flow,
                                           x->VisualorStyle == kind::Condition ? "DOC" : "DOI", x,
                                           nullptr, nullptr, nullptr);
            } else {
                program.services().AddStep(stepkind::Comment, "step", nullptr, nullptr, nullptr,
                                           nullptr);
            }
        }
    }

    int stepCount() const {
        int steps = 0;
        for (const auto& commander : program.objects.commanders)
            steps += commander->stepCount();
        return steps;
    }

    NullPlatform platform;
    Workspace workspace{platform};
    Tprogramspace& program;
    TMaincommander* main = nullptr;
    int falseBranches = 0;
};

LargeProgram& largeProgram() {
    static LargeProgram program;
    return program;
}

void paintAll(const FlowLayout& layout, QImage& canvas) {
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    paintFlow(painter, layout, canvas.rect());
}

// Lays the chart out and paints every figure of it.
void DrawLargeChart(benchmark::State& state) {
    LargeProgram& large = largeProgram();
    FlowLayout layout;
    layout.drawCommander(*large.main, nullptr, 0, 0);
    QImage canvas(layout.width() + kFlowLeft, layout.height() + kFlowTop, QImage::Format_RGB32);
    for (auto _ : state) {
        layout.clear();
        layout.drawCommander(*large.main, nullptr, 0, 0);
        paintAll(layout, canvas);
    }
    state.counters["steps"] = large.stepCount();
    state.counters["branches"] = static_cast<double>(layout.branchCount());
    state.counters["columns"] = layout.columnCount();
}
BENCHMARK(DrawLargeChart)->Unit(benchmark::kMillisecond);

// The same through the window: its chart drawn and the window grabbed as it shows it.
void DrawLargeChartInTheWindow(benchmark::State& state) {
    LargeProgram& large = largeProgram();
    QWidget mainWindow;
    mainWindow.setGeometry(0, 0, 1000, 800);
    FlowWindow window(&mainWindow, ViewHooks{&large.workspace, {}, {}});
    window.show();
    for (auto _ : state) {
        window.DrawCommander(large.main);
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(DrawLargeChartInTheWindow)->Unit(benchmark::kMillisecond);

// Folds the first condition of the main commander (its branch holds 20 nested conditions and
// loops), then unfolds it; each is timed on its own.
void FoldLargeBranch(benchmark::State& state) {
    LargeProgram& large = largeProgram();
    FlowLayout layout;
    FlowBranch* root = layout.drawCommander(*large.main, nullptr, 0, 0);
    FlowLeaf* leaf = nullptr;
    for (FlowLeaf& l : root->leaves)
        if (!leaf && l.subBranch) leaf = &l;
    const bool folding = state.range(0) == 1;
    const std::size_t before = layout.branchCount();
    for (auto _ : state) {
        if (folding) {
            layout.fold(*leaf);
            state.PauseTiming();
            layout.unfold(*leaf);
            state.ResumeTiming();
        } else {
            state.PauseTiming();
            layout.fold(*leaf);
            state.ResumeTiming();
            layout.unfold(*leaf);
        }
    }
    layout.fold(*leaf);
    state.counters["branches_folded"] = static_cast<double>(before - layout.branchCount());
}
BENCHMARK(FoldLargeBranch)->Arg(1)->Arg(0)->ArgNames({"fold"})->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir::setCurrent(QStringLiteral(OLVAN_PICTURE_FOLDER));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
