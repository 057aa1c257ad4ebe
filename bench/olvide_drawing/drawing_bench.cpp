// How long a drawing takes to read and to show: the drawing file of many elements read
// without a screen, the same records turned into controls, and the painting of the most
// shapes one multi-shape draws (a tiny spacing on a large control, as a damaged file may
// hold).
#include "olvide/drawing/paint_elements.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace olvide;
using namespace olvide::drawing;

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "olvide_drawing_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

std::vector<DrawingRecord> drawing(int count, QWidget& canvas) {
    std::vector<DrawingRecord> records;
    for (int i = 0; i < count; ++i) {
        auto element = makePaintElement(static_cast<PaintKind>(i % 7), &canvas);
        auto& shape = static_cast<TpeMultishape&>(*element);
        shape.place(QRect(i % 40 * 20, i / 40 * 20, 60, 40));
        shape.shape().setAngle(45 * (i % 8));
        shape.shape().setShadow(i % 3 == 0);
        records.push_back(element->record());
    }
    return records;
}

void ReadDrawingFile(benchmark::State& state) {
    application();
    QWidget canvas;
    const std::string bytes = drawingFileBytes(drawing(static_cast<int>(state.range(0)), canvas));
    for (auto _ : state) {
        const DrawingReadResult result = readDrawingFile(bytes);
        benchmark::DoNotOptimize(result.records.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["elements"] = static_cast<double>(state.range(0));
}
BENCHMARK(ReadDrawingFile)->Arg(2000)->Unit(benchmark::kMillisecond);

void RecordsToControls(benchmark::State& state) {
    application();
    QWidget canvas;
    const std::vector<DrawingRecord> records = drawing(static_cast<int>(state.range(0)), canvas);
    for (auto _ : state) {
        std::vector<std::unique_ptr<TpaintElement>> live;
        std::vector<QString> problems;
        for (const DrawingRecord& record : records) {
            live.push_back(makePaintElement(record.kind, &canvas));
            live.back()->read(record, problems);
        }
        live.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["elements"] = static_cast<double>(state.range(0));
}
BENCHMARK(RecordsToControls)->Arg(500)->Unit(benchmark::kMillisecond);

void PaintTheMostRepeatedShape(benchmark::State& state) {
    application();
    QWidget canvas;
    auto element = makePaintElement(PaintKind::ellipse, &canvas);
    controls::TMultiShape& shape = static_cast<TpeMultishape&>(*element).shape();
    shape.resize(2048, 2048);
    shape.setRepeatMode(controls::TRepeatMode::rpBoth);
    shape.setXSpacing(1);
    shape.setYSpacing(1);
    shape.setShapeW(3);
    shape.setShapeH(3);
    QImage target(shape.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        shape.render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
    state.counters["shapes"] = static_cast<double>(shape.cells().size());
}
BENCHMARK(PaintTheMostRepeatedShape)->Unit(benchmark::kMillisecond);

} // namespace
