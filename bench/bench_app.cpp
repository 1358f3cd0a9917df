// Noorvale's main window: start-up to the first window shown (empty store, offscreen; in English
// and with a catalogue), the Year view rebuilt, one alert tick when nothing fires, an alert with a
// large sound file, and the resident memory after start.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "AlertEngine.h"
#include "DaySchedule.h"
#include "DateValue.h"
#include "ProgramLanguage.h"
#include "MsgBox.h"
#include "NoorvaleMain.h"
#include "RegistryStore.h"
#include "clsMMedia.h"
#include "modRegistry.h"
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

// Argument 1: with the Arabic catalogue loaded first, as a start in that language does; 2: French;
// 3: Urdu, drawn in Nastaliq.
static void BM_StartUpToFirstWindow(benchmark::State& state) {
    static const char* const languages[] = {"en", "ar", "fr", "ur"};  // ur: Nastaliq, the heaviest face
    const std::string language = languages[state.range(0)];
    double rss = 0;
    for (auto _ : state) {
        state.PauseTiming();
        {
            Program program;
            state.ResumeTiming();
            InstallLanguage(language);
            LoadProgram();
            QApplication::processEvents();
            state.PauseTiming();
            rss = residentMB();
            UnloadProgram();
        }
        state.ResumeTiming();
    }
    state.counters["resident_MB"] = rss;
    InstallLanguage("en");
}
BENCHMARK(BM_StartUpToFirstWindow)->ArgName("catalogue")->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->Iterations(15)->Repetitions(3)->ReportAggregatesOnly();

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
    main->Alerts().Tick();
    for (auto _ : state) main->Alerts().Tick();
    UnloadProgram();
}
BENCHMARK(BM_AlertTickNothingFires)->Unit(benchmark::kMicrosecond);

// Dhuhr's alert with its sound file, fired by a tick: arg 0 a sparse file of 1 GB with a WAV
// header (refused by its size: the bell rings), arg 1 a WAV of 60 MB (decoded on its own thread
// while the window's events go on). "longest_stall_ms" is the longest time the event loop went
// without running a 1 ms timer.
static void BM_AlertWithASoundFile(benchmark::State& state) {
    Program program;
    const std::string file = (program.dir.path() + (state.range(0) == 0 ? "/huge.wav" : "/big.wav")).toStdString();
    const std::string sox = "sox -D -n -r 44100 -c 2 -b 16 '" + file + "' synth " +
                            (state.range(0) == 0 ? "0.1" : "340") + " sine 440 2>/dev/null";
    if (std::system(sox.c_str()) != 0) {
        state.SkipWithError("sox is missing");
        return;
    }
    if (state.range(0) == 0 && ::truncate(file.c_str(), off_t{1} << 30) != 0) {
        state.SkipWithError("no sparse file");
        return;
    }
    WriteRegString(HKEY_CURRENT_USER, std::string(kNoorvaleKey) + "\\User\\Period\\3", "SoundFile", file);
    LoadProgram();
    frmMain* main = MainWindow();
    int beeps = 0;
    main->Alerts().beep = [&] { ++beeps; };
    QElapsedTimer sinceProbe;
    double longest = 0;
    bool measuring = false;  // only the tick is measured
    QTimer probe;
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (measuring) longest = std::max(longest, double(sinceProbe.nsecsElapsed()) / 1e6);
        sinceProbe.restart();
    });
    probe.start();
    for (auto _ : state) {
        state.PauseTiming();
        main->Alerts().player()->mmClose();
        PrayerSlot& dhuhr = main->Alerts().Schedule()[1];
        dhuhr.Time = TruncToMinute(now());
        dhuhr.Pending = dhuhr.SoundAlert = true;
        QApplication::processEvents();
        state.ResumeTiming();
        measuring = true;
        sinceProbe.start();
        main->Alerts().Tick();
        longest = std::max(longest, double(sinceProbe.nsecsElapsed()) / 1e6);
        measuring = false;
    }
    state.counters["longest_stall_ms"] = longest;
    state.counters["beeps"] = beeps;
    state.counters["resident_MB"] = residentMB();
    UnloadProgram();
}
BENCHMARK(BM_AlertWithASoundFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
