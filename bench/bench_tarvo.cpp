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

constexpr int kFiles = 20;
constexpr size_t kSize = 30u * 1024 * 1024 / kFiles;

// One published update of 20 files / 30 MB in data/, shared by the two ways of installing it.
UpdateSite& benchSite() {
    static UpdateSite* site = [] {
        auto* s = new UpdateSite;
        for (int i = 0; i < kFiles; ++i)
            writeFile(s->source + "/data/part" + std::to_string(i) + ".bin", noise(kSize, 7 + static_cast<unsigned>(i)));
        std::filesystem::remove_all(s->source + "/graphics");
        std::filesystem::remove(s->source + "/readme.txt");
        std::filesystem::remove(s->source + "/Noorvale");
        if (!s->publish("--allow-future-date --date '2030-01-01 12:00:00' --no-compress")) return static_cast<UpdateSite*>(nullptr);
        return s;
    }();
    return *site;
}

// The program folder holds an older copy of every file, so each run backs up and replaces 20 (and
// no record of an installed version, which would refuse the same update again).
void oldProgram(UpdateSite& site) {
    std::filesystem::remove_all(site.prog + "/data");
    std::filesystem::remove_all(site.prog + "/Backup");
    std::filesystem::remove(site.prog + "/Tarvo.installed");
    for (int i = 0; i < kFiles; ++i) {
        const std::string path = site.prog + "/data/part" + std::to_string(i) + ".bin";
        writeFile(path, "old copy");
        makeOld(path);
    }
}

void BM_WholeUpdateRun(benchmark::State& state) {
    ensureApplication();
    UpdateSite& site = benchSite();
    ::setenv("TMPDIR", site.tmp.c_str(), 1);
    setMsgBoxHandler([](const std::string&, int, const std::string&) { return int{vbOK}; });
    frmTarvo::setProgramEnd([] {});
    bool ok = true;
    for (auto _ : state) {
        state.PauseTiming();
        oldProgram(site);
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

// The same update done by hand with the common tools: curl fetches update.ini and the cabinets,
// cabextract unpacks them, cp keeps each old copy in Backup/ and puts the new one in place.
void BM_CurlCabextractCp(benchmark::State& state) {
    UpdateSite& site = benchSite();
    const std::string work = site.root / "by-hand";
    std::string cabs;
    for (const auto& e : std::filesystem::directory_iterator(site.site))
        if (e.path().extension() == ".cab") cabs += " " + e.path().filename().string();
    const std::string base = site.url().substr(0, site.url().rfind('/') + 1);
    const std::string script = "set -e; cd " + shellQuote(work) + "; curl -sf -o update.ini " + shellQuote(site.url()) +
                               "; for c in" + cabs + "; do curl -sf -o $c " + shellQuote(base) + "$c; done; for c in" +
                               cabs + "; do cabextract -q -d x $c; done; mkdir -p " + shellQuote(site.prog + "/Backup") +
                               "; for f in x/*; do n=${f#x/}; cp " + shellQuote(site.prog) + "/data/$n " +
                               shellQuote(site.prog + "/Backup/") + "; cp $f " + shellQuote(site.prog) + "/data/$n; done";
    bool ok = true;
    for (auto _ : state) {
        state.PauseTiming();
        oldProgram(site);
        std::filesystem::remove_all(work);
        std::filesystem::create_directories(work);
        state.ResumeTiming();
        ok = ok && std::system(("bash -c " + shellQuote(script)).c_str()) == 0;
    }
    if (!ok) state.SkipWithError("the tools failed");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kFiles * static_cast<int64_t>(kSize));
}
BENCHMARK(BM_CurlCabextractCp)->Unit(benchmark::kMillisecond)->Iterations(3);


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
