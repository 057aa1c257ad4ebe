// How the engine's costs grow: reading nets of many lines, a timer net whose result nobody
// takes (memory per tick), and SMOOTH beside CONVOLVE with the same box on a line and on an
// image (bench/peers.sh times numpy doing the same).
#include "pendrel/engine/engine.h"
#include "pendrel/engine/net_runner.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdint>
#include <memory>
#include <string>

namespace {

// A net as the builder writes one: a chain of blocks, each line a block with its input label,
// a constant, the keyword and the output label.
std::string chainNet(int lines) {
    std::string net;
    for (int i = 0; i < lines; ++i) {
        const std::string n = std::to_string(i);
        net.append("<X").append(n).append("a> 2 ADD <X").append(std::to_string(i + 1));
        net.append("a>\n");
    }
    return net;
}

void NetReading(benchmark::State& s) {
    const std::string net = chainNet(static_cast<int>(s.range(0)));
    for (auto _ : s) {
        s.PauseTiming();
        auto runner = std::make_unique<pendrel::NetRunner>([](std::string_view, vOBJECT*) {});
        s.ResumeTiming();
        runner->SendCommands(net);
        s.PauseTiming();
        runner.reset();
        s.ResumeTiming();
    }
}
BENCHMARK(NetReading)
    ->ArgName("lines")
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Arg(8000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

// Every tick goes through a move and an ADD to a path that no block and no box reads.
void UnreadTicks(benchmark::State& s) {
    const long ticks = s.range(0);
    double bytesPerTick = 0;
    for (auto _ : s) {
        pendrel::NetRunner runner([](std::string_view, vOBJECT*) {});
        runner.SendCommands("<Timer> xM <tick>\n<tick> 1 ADD <nobody>\n");
        runner.Run();
        const auto before = static_cast<double>(mallinfo2().uordblks);
        for (long t = 1; t <= ticks; ++t) {
            runner.Tick(static_cast<std::uint32_t>(t));
            runner.RunQueue(100);
        }
        bytesPerTick = (static_cast<double>(mallinfo2().uordblks) - before) / ticks;
    }
    s.counters["held_B/tick"] = bytesPerTick;
}
BENCHMARK(UnreadTicks)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(1);

struct Images {
    vARRAY* line = nullptr;
    vARRAY* image = nullptr;
    vARRAY* three = nullptr;
    vARRAY* box1 = nullptr; // CONVOLVE's kernel of ones of 3
    vARRAY* box2 = nullptr; // of 3 x 3

    Images() {
        vEngineInitialize();
        line = Hold(vArrayCreate1(kTypeUC, 10'000'000));
        unsigned long dims[2] = {3200, 3125};
        image = Hold(vArrayCreate(kTypeUC, 2, dims));
        Fill(line);
        Fill(image);
        three = Hold(vArrayCreate1(kTypeL, 1));
        *static_cast<std::int32_t*>(three->data) = 3;
        unsigned long k1[1] = {3};
        box1 = Hold(vArrayCreate(kTypeL, 1, k1));
        unsigned long k2[2] = {3, 3};
        box2 = Hold(vArrayCreate(kTypeL, 2, k2));
        for (vARRAY* k : {box1, box2})
            for (unsigned long i = 0; i < k->count; ++i)
                static_cast<std::int32_t*>(k->data)[i] = 1;
    }
    static vARRAY* Hold(vARRAY* x) { return static_cast<vARRAY*>(vvIncOwners(x)); }
    static void Fill(vARRAY* a) {
        auto* p = static_cast<std::uint8_t*>(a->data);
        for (unsigned long i = 0; i < a->count; ++i)
            p[i] = static_cast<std::uint8_t>(i * 2654435761u >> 24);
    }
};

Images& SharedImages() {
    static Images images;
    return images;
}

void Operate(benchmark::State& s, vOBJECT* (*op)(vOBJECT**), vARRAY* x, vARRAY* y) {
    vOBJECT* argv[] = {x, y, nullptr};
    for (auto _ : s) {
        vOBJECT* r = op(argv);
        benchmark::DoNotOptimize(r);
        vvDestroy(r);
    }
    s.SetItemsProcessed(s.iterations() * static_cast<long>(x->count));
}

void Smooth3Line(benchmark::State& s) {
    Operate(s, &vvARRAYsmooth, SharedImages().line, SharedImages().three);
}
void Convolve3Line(benchmark::State& s) {
    Operate(s, &vvARRAYconvolve, SharedImages().line, SharedImages().box1);
}
void Smooth3Image(benchmark::State& s) {
    Operate(s, &vvARRAYsmooth, SharedImages().image, SharedImages().three);
}
void Convolve3x3Image(benchmark::State& s) {
    Operate(s, &vvARRAYconvolve, SharedImages().image, SharedImages().box2);
}
BENCHMARK(Smooth3Line)->Unit(benchmark::kMillisecond);
BENCHMARK(Convolve3Line)->Unit(benchmark::kMillisecond);
BENCHMARK(Smooth3Image)->Unit(benchmark::kMillisecond);
BENCHMARK(Convolve3x3Image)->Unit(benchmark::kMillisecond);

} // namespace
