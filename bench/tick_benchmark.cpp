// One 250 ms tick of the clock window, and its memory meter alone, on a clock window built
// by the test harness (fixed clock and memory figures, so every text stays the same from
// one tick to the next). Also counts the heap allocations of each call in that state.
#include "Harness.h"
#include "TestApplication.h"

#include <QApplication>
#include <atomic>
#include <benchmark/benchmark.h>
#include <cstddef>

// Qt allocates its strings with malloc, so counting operator new alone would miss them;
// these wrap glibc's own allocator (operator new ends up here as well).
extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_calloc(std::size_t count, std::size_t size);
extern "C" void* __libc_realloc(void* pointer, std::size_t size);

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void countOne() {
    if (counting.load(std::memory_order_relaxed))
        allocations.fetch_add(1, std::memory_order_relaxed);
}
} // namespace

extern "C" void* malloc(std::size_t size) noexcept {
    countOne();
    return __libc_malloc(size);
}
extern "C" void* calloc(std::size_t count, std::size_t size) noexcept {
    countOne();
    return __libc_calloc(count, size);
}
extern "C" void* realloc(void* pointer, std::size_t size) noexcept {
    countOne();
    return __libc_realloc(pointer, size);
}

namespace {

template <void (Form1::*call)()> void measure(benchmark::State& state, Form1* form) {
    // The first call sets every text; the timed ones find them unchanged.
    (form->*call)();
    allocations = 0;
    counting = true;
    for (auto _ : state)
        (form->*call)();
    counting = false;
    state.counters["allocs"] =
        benchmark::Counter(double(allocations.load()), benchmark::Counter::kAvgIterations);
}

} // namespace

int main(int argc, char* argv[]) {
    testapp::useOffscreenPlatform();
    QApplication app(argc, argv);
    testapp::speakJapanese(app);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    Harness harness;
    harness.setFile(QStringLiteral("St.kvi"),
                    cp932Lines({QStringLiteral("0,0,1,\"off\",12,0,0,0,1")}));
    Form1& form = harness.start();
    benchmark::RegisterBenchmark("Timer1_Timer", measure<&Form1::Timer1_Timer>, &form)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("MemCheck", measure<&Form1::MemCheck>, &form)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
