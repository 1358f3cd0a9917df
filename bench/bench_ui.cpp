// The analog clock: one full paint, the repaint of a new second, one timer tick and one new size
// (its numbers fitted anew).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include "Clock.h"
#include "DateValue.h"

namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "bench_ui";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication instance(argc, argv);
    return instance;
}

// A tick that lands in a new second: the hands are laid out again and a repaint is queued.
class TickClock : public nv::Clock {
public:
    using Clock::tmrClock_Timer;
};

// The clock as the main window shows it: numbers, a stretched face picture, seconds hand.
void setUp(nv::Clock& clock, int size) {
    clock.ColorBack(0xFFFFFF);
    clock.ColorBorder(0);
    clock.ShowNumbers(true);
    QImage face(400, 400, QImage::Format_RGB32);
    face.fill(QColor(0xf5, 0xee, 0xdc));
    clock.Picture(face);
    clock.show();
    clock.resize(size, size);
}

void BM_ClockPaint(benchmark::State& state) {
    app();
    nv::Clock clock;
    setUp(clock, static_cast<int>(state.range(0)));
    QImage target(clock.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        clock.render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
}
BENCHMARK(BM_ClockPaint)->Arg(150)->Arg(400)->Unit(benchmark::kMicrosecond);

// What a new second repaints: the strip around the second hand (here from 12 to 3).
void BM_ClockSecondPaint(benchmark::State& state) {
    app();
    nv::Clock clock;
    setUp(clock, static_cast<int>(state.range(0)));
    const QRegion strip(QRect(clock.lSecond().p1(), clock.lSecond().p2()).normalized().adjusted(-4, -4, 5, 5));
    QImage target(clock.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        clock.render(&target, QPoint(), strip);
        benchmark::DoNotOptimize(target.bits());
    }
}
BENCHMARK(BM_ClockSecondPaint)->Arg(150)->Arg(400)->Unit(benchmark::kMicrosecond);

void BM_ClockResize(benchmark::State& state) {
    app();
    nv::Clock clock;
    const int size = static_cast<int>(state.range(0));
    setUp(clock, size);
    int step = 0;
    for (auto _ : state) clock.resize(size + (++step & 1), size);  // laid out again each time
}
BENCHMARK(BM_ClockResize)->Arg(150)->Arg(800)->Unit(benchmark::kMicrosecond);

void BM_ClockTick(benchmark::State& state) {
    app();
    TickClock clock;
    setUp(clock, 150);
    int second = 0;
    auto previous = nv::setClockSource([&second] { return nv::dateSerial(2024, 3, 11) + nv::timeSerial(10, 0, second); });
    for (auto _ : state) {
        ++second;  // every tick is a new second
        clock.tmrClock_Timer();
    }
    nv::setClockSource(previous);
}
BENCHMARK(BM_ClockTick)->Unit(benchmark::kMicrosecond);

}  // namespace
