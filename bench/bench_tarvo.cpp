// Tarvo: a whole update run (20 files, 30 MB, published with nv-publish into gcab cabinets and
// served over 127.0.0.1 by a real HTTP server) and the CRC check of a 50 MB file.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <cstring>
#include <random>

#include "MsgBox.h"
#include "cNetGet.h"
#include "frmTarvo.h"
#include "modTarvo.h"
#include "support/UpdateSite.h"

using namespace nv;
using namespace nv::test;

namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "bench_tarvo";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)app;
}

std::string noise(size_t n, unsigned seed) {
    std::mt19937_64 rng(seed);
    std::string s(n, '\0');
    for (size_t i = 0; i + 8 <= n; i += 8) {
        const uint64_t r = rng();
        std::memcpy(&s[i], &r, 8);
    }
    return s;
}

void BM_WholeUpdateRun(benchmark::State& state) {
    ensureApplication();
    UpdateSite site;
    constexpr int kFiles = 20;
    constexpr size_t kSize = 30u * 1024 * 1024 / kFiles;
    for (int i = 0; i < kFiles; ++i) {
        const std::string name = "data/part" + std::to_string(i) + ".bin";
        writeFile(site.source + "/" + name, noise(kSize, 7 + static_cast<unsigned>(i)));
    }
    std::filesystem::remove_all(site.source + "/graphics");
    std::filesystem::remove(site.source + "/readme.txt");
    std::filesystem::remove(site.source + "/Noorvale");
    if (!site.publish("--date '2030-01-01 12:00:00' --no-compress")) {
        state.SkipWithError("publishing failed");
        return;
    }
    ::setenv("TMPDIR", site.tmp.c_str(), 1);
    setMsgBoxHandler([](const std::string&, int, const std::string&) { return int{vbOK}; });
    frmTarvo::setProgramEnd([] {});
    bool ok = true;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove_all(site.prog + "/data");
        std::filesystem::remove_all(site.prog + "/Backup");
        state.ResumeTiming();
        ReadCommandLine(site.parameters(), site.prog);
        frmTarvo form;
        form.netGet().SetConnectionState([](uint32_t& flags) {
            flags = kConnectionLan;
            return true;
        });
        form.TarvoUpdate();
        ok = ok && form.message() == "Tarvo has completed the update.";
    }
    if (!ok) state.SkipWithError("the update did not complete");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kFiles * static_cast<int64_t>(kSize));
    setMsgBoxHandler({});
    ::unsetenv("TMPDIR");
}
BENCHMARK(BM_WholeUpdateRun)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_VerifyCRC50MB(benchmark::State& state) {
    ensureApplication();
    TempDir dir;
    const std::string path = dir / "big.bin";
    writeFile(path, noise(50u * 1024 * 1024, 3));
    frmTarvo form;
    for (auto _ : state) benchmark::DoNotOptimize(form.VerifyCRC(path, "0"));
}
BENCHMARK(BM_VerifyCRC50MB)->Unit(benchmark::kMicrosecond);

}  // namespace
