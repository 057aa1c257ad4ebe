// Element operations of the engine on 10-million-element arrays, each beside a plain loop
// over preallocated storage doing the same work, and the rate of queued calls through a net.
#include "pendrel/engine/engine.h"
#include "pendrel/engine/net_runner.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr unsigned long kElements = 10'000'000;
// A near-square image of about ten million pixels.
constexpr unsigned long kWidth = 3200;
constexpr unsigned long kHeight = 3125;

struct Inputs {
    vARRAY* a = nullptr;
    vARRAY* b = nullptr;
    vARRAY* image = nullptr;
    vARRAY* plainResultF = nullptr;
    vARRAY* plainResultB = nullptr;
    vARRAY* plainResultUC = nullptr;
    vARRAY* plainImage = nullptr;

    Inputs() {
        vEngineInitialize();
        a = Hold(vArrayCreate1(kTypeF, kElements));
        b = Hold(vArrayCreate1(kTypeF, kElements));
        auto* pa = static_cast<float*>(a->data);
        auto* pb = static_cast<float*>(b->data);
        for (unsigned long i = 0; i < kElements; ++i) {
            pa[i] = static_cast<float>(i % 1000) * 0.37f;
            pb[i] = static_cast<float>(i % 777) * 0.11f + 1.0f;
        }
        unsigned long dims[2] = {kWidth, kHeight};
        image = Hold(vArrayCreate(kTypeUC, 2, dims));
        auto* pi = static_cast<std::uint8_t*>(image->data);
        for (unsigned long i = 0; i < kWidth * kHeight; ++i)
            pi[i] = static_cast<std::uint8_t>(i * 2654435761u >> 24);
        plainResultF = Hold(vArrayCreate1(kTypeF, kElements));
        plainResultB = Hold(vArrayCreate1(kTypeBoolean, kElements));
        plainResultUC = Hold(vArrayCreate1(kTypeUC, kElements));
        plainImage = Hold(vArrayCreate(kTypeUC, 2, dims));
    }
    static vARRAY* Hold(vARRAY* x) { return static_cast<vARRAY*>(vvIncOwners(x)); }
};

Inputs& SharedInputs() {
    static Inputs in;
    return in;
}

// One engine operation per iteration: the result is made (zero-filled) and destroyed again.
void RunOperation(benchmark::State& state, vOBJECT* (*op)(vOBJECT**), vOBJECT* x, vOBJECT* y) {
    vOBJECT* argv[] = {x, y, nullptr};
    for (auto _ : state) {
        vOBJECT* r = op(argv);
        benchmark::DoNotOptimize(r);
        vvDestroy(r);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(vGetSize(x)));
}

template <class F> void RunPlain(benchmark::State& state, F loop) {
    for (auto _ : state) {
        loop();
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kElements));
}

void BM_Add_Engine(benchmark::State& s) {
    RunOperation(s, &vvARRAYadd, SharedInputs().a, SharedInputs().b);
}
void BM_Add_PlainLoop(benchmark::State& s) {
    auto* a = static_cast<const float*>(SharedInputs().a->data);
    auto* b = static_cast<const float*>(SharedInputs().b->data);
    auto* r = static_cast<float*>(SharedInputs().plainResultF->data);
    RunPlain(s, [&] {
        for (unsigned long i = 0; i < kElements; ++i)
            r[i] = a[i] + b[i];
    });
}

void BM_Mul_Engine(benchmark::State& s) {
    RunOperation(s, &vvARRAYmultiply, SharedInputs().a, SharedInputs().b);
}
void BM_Mul_PlainLoop(benchmark::State& s) {
    auto* a = static_cast<const float*>(SharedInputs().a->data);
    auto* b = static_cast<const float*>(SharedInputs().b->data);
    auto* r = static_cast<float*>(SharedInputs().plainResultF->data);
    RunPlain(s, [&] {
        for (unsigned long i = 0; i < kElements; ++i)
            r[i] = a[i] * b[i];
    });
}

void BM_Div_Engine(benchmark::State& s) {
    RunOperation(s, &vvARRAYdivide, SharedInputs().a, SharedInputs().b);
}
void BM_Div_PlainLoop(benchmark::State& s) {
    auto* a = static_cast<const float*>(SharedInputs().a->data);
    auto* b = static_cast<const float*>(SharedInputs().b->data);
    auto* r = static_cast<float*>(SharedInputs().plainResultF->data);
    RunPlain(s, [&] {
        for (unsigned long i = 0; i < kElements; ++i)
            r[i] = a[i] / b[i];
    });
}

void BM_GreaterThan_Engine(benchmark::State& s) {
    RunOperation(s, &vvARRAYgreaterthan, SharedInputs().a, SharedInputs().b);
}
void BM_GreaterThan_PlainLoop(benchmark::State& s) {
    auto* a = static_cast<const float*>(SharedInputs().a->data);
    auto* b = static_cast<const float*>(SharedInputs().b->data);
    auto* r = static_cast<std::uint8_t*>(SharedInputs().plainResultB->data);
    RunPlain(s, [&] {
        for (unsigned long i = 0; i < kElements; ++i)
            r[i] = a[i] > b[i];
    });
}

void BM_ConvertFtoUC_Engine(benchmark::State& s) {
    RunOperation(s, &vvARRAYuchar, SharedInputs().a, nullptr);
}
void BM_ConvertFtoUC_PlainLoop(benchmark::State& s) {
    auto* a = static_cast<const float*>(SharedInputs().a->data);
    auto* r = static_cast<std::uint8_t*>(SharedInputs().plainResultUC->data);
    RunPlain(s, [&] {
        for (unsigned long i = 0; i < kElements; ++i)
            r[i] = static_cast<std::uint8_t>(static_cast<std::int64_t>(a[i]));
    });
}

void BM_Smooth3_Engine(benchmark::State& s) {
    vOBJECT* image = SharedInputs().image; // starts the engine
    vARRAY* three = vArrayCreate1(kTypeL, 1);
    *static_cast<std::int32_t*>(three->data) = 3;
    vvIncOwners(three);
    RunOperation(s, &vvARRAYsmooth, image, three);
    vvRelease(three);
}
// The 3x3 box mean written directly for a two-dimensional image, divisor read at run time.
void BM_Smooth3_PlainLoop(benchmark::State& s) {
    auto* src = static_cast<const std::uint8_t*>(SharedInputs().image->data);
    auto* dst = static_cast<std::uint8_t*>(SharedInputs().plainImage->data);
    volatile std::uint32_t divisorSource = 9;
    std::uint32_t divisor = divisorSource;
    RunPlain(s, [&] {
        for (unsigned long y = 1; y + 1 < kHeight; ++y) {
            const std::uint8_t* r0 = src + (y - 1) * kWidth;
            const std::uint8_t* r1 = r0 + kWidth;
            const std::uint8_t* r2 = r1 + kWidth;
            std::uint8_t* out = dst + y * kWidth;
            for (unsigned long x = 1; x + 1 < kWidth; ++x) {
                std::uint32_t sum = r0[x - 1] + r0[x] + r0[x + 1] + r1[x - 1] + r1[x] + r1[x + 1] +
                                    r2[x - 1] + r2[x] + r2[x + 1];
                out[x] = static_cast<std::uint8_t>(sum / divisor);
            }
        }
    });
}

// A net of 1,000 blocks in a chain, each adding 1, fed 1,000 objects: a million queued calls.
void BM_NetChainedBlocks(benchmark::State& s) {
    constexpr int kBlocks = 1000;
    constexpr int kObjects = 1000;
    std::string net;
    for (int i = 0; i < kBlocks; ++i) {
        net.append("<p").append(std::to_string(i)).append("> 1 ADD <p");
        net.append(std::to_string(i + 1)).append(">\n");
    }
    long results = 0;
    long calls = 0;
    for (auto _ : s) {
        s.PauseTiming();
        auto runner =
            std::make_unique<pendrel::NetRunner>([&](std::string_view, vOBJECT*) { ++results; });
        runner->RegisterPath(std::string("p").append(std::to_string(kBlocks)));
        runner->SendCommands(net);
        runner->Run();
        s.ResumeTiming();
        for (int k = 0; k < kObjects; ++k)
            runner->Send("p0", "1");
        calls += runner->RunQueue(10'000'000);
        s.PauseTiming();
        runner.reset();
        s.ResumeTiming();
    }
    if (results != static_cast<long>(s.iterations()) * kObjects) s.SkipWithError("lost results");
    s.counters["calls/s"] =
        benchmark::Counter(static_cast<double>(calls), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_Add_Engine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Add_PlainLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Mul_Engine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Mul_PlainLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Div_Engine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Div_PlainLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GreaterThan_Engine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GreaterThan_PlainLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertFtoUC_Engine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertFtoUC_PlainLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Smooth3_Engine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Smooth3_PlainLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NetChainedBlocks)->Unit(benchmark::kMillisecond);

} // namespace
