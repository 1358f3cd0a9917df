// Printing the Year view to a PDF file (twelve pages), and opening the Customize and Options
// dialogs (building them and loading their values), with the whole program loaded on a
// temporary settings store.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdlib>

#include "MsgBox.h"
#include "NoorvaleMain.h"
#include "PrintCalLVW.h"
#include "RegistryStore.h"
#include "frmCustomize.h"
#include "frmMain.h"
#include "frmOptions.h"
#include "modNoorvale.h"

namespace {

nv::frmMain& program() {
    static int argc = 1;
    static char name[] = "bench_dialogs";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    static QTemporaryDir dir;
    static bool loaded = [] {
        nv::RegistryStore::instance().setFile((dir.path() + "/registry.reg").toStdString());
        setenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit().constData(), 1);
        nv::setProgramFolder(NOORVALE_BIN_DIR);
        nv::setMsgBoxHandler([](const std::string&, int, const std::string&) { return int{nv::vbNo}; });
        const bool ok = nv::LoadProgram();
        std::atexit([] { nv::UnloadProgram(); });  // before the application goes
        return ok;
    }();
    if (!loaded) std::abort();
    return *nv::MainWindow();
}

void BM_PrintYearToPdf(benchmark::State& state) {
    nv::frmMain& main = program();
    main.action("mnuViewYear")->trigger();
    QTemporaryDir out;
    QFont font("Arial");
    font.setPointSize(10);
    QLabel status;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out.path() + "/year.pdf");
        nv::PrintCalLVW(printer, font, *main.lvwCalendar->model(), &status, true);
    }
    state.counters["pages"] = 12;
}
BENCHMARK(BM_PrintYearToPdf)->Unit(benchmark::kMillisecond);

void BM_OpenCustomize(benchmark::State& state) {
    nv::frmMain& main = program();
    for (auto _ : state) {
        nv::frmCustomize dialog(main);
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_OpenCustomize)->Unit(benchmark::kMillisecond);

void BM_OpenOptions(benchmark::State& state) {
    nv::frmMain& main = program();
    for (auto _ : state) {
        nv::frmOptions dialog(main);
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_OpenOptions)->Unit(benchmark::kMillisecond);

}  // namespace
