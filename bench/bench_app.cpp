// Noorvale's main window: start-up to the first window shown (empty store, offscreen), the Year
// view rebuilt, one alert tick when nothing fires, and the resident memory after start.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <string>

#include "DateValue.h"
#include "MsgBox.h"
#include "NoorvaleMain.h"
#include "RegistryStore.h"
#include "frmMain.h"
#include "modNoorvale.h"

using namespace nv;

namespace {

double residentMB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0);
}

// A fresh, empty store and a program that answers its boxes with No.
struct Program {
    QTemporaryDir dir;
    Program() {
        setenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit().constData(), 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        RegistryStore::instance().setFile((dir.path() + "/registry.reg").toStdString());
        setProgramFolder(NOORVALE_PROGRAM_DIR);
        setMsgBoxHandler([](const std::string&, int style, const std::string&) { return (style & 7) ? 7 : 1; });
        setClockSource([] { return dateSerial(2004, 6, 21) + timeSerial(10, 0, 0); });
    }
};

}  // namespace

static void BM_StartUpToFirstWindow(benchmark::State& state) {
    double rss = 0;
    for (auto _ : state) {
        state.PauseTiming();
        {
            Program program;
            state.ResumeTiming();
            LoadProgram();
            QApplication::processEvents();
            state.PauseTiming();
            rss = residentMB();
            UnloadProgram();
        }
        state.ResumeTiming();
    }
    state.counters["resident_MB"] = rss;
}
BENCHMARK(BM_StartUpToFirstWindow)->Unit(benchmark::kMillisecond)->Iterations(15)->Repetitions(3)->ReportAggregatesOnly();

static void BM_YearViewRebuilt(benchmark::State& state) {
    Program program;
    LoadProgram();
    QAction* year = MainWindow()->action("mnuViewYear");
    for (auto _ : state) year->trigger();
    UnloadProgram();
}
BENCHMARK(BM_YearViewRebuilt)->Unit(benchmark::kMillisecond);

static void BM_AlertTickNothingFires(benchmark::State& state) {
    Program program;
    LoadProgram();
    frmMain* main = MainWindow();
    main->tmrAlert_Timer();
    for (auto _ : state) main->tmrAlert_Timer();
    UnloadProgram();
}
BENCHMARK(BM_AlertTickNothingFires)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
