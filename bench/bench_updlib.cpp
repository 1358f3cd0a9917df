// The update library's hot paths: CRC-32 throughput, extracting a large MSZIP cabinet (ours
// against cabextract on the same file), and enumerating the keys of a large INI section.
//
// The cabinet is made at start in a temporary folder: about 90 MB of pseudo-random but
// compressible data (16 symbols, so about 4 bits a byte) in five files, packed by `gcab -z` into
// a cabinet of about 50 MB.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "cCabFile.h"
#include "cCrc32.h"
#include "cIniFile.h"

using namespace nv;
namespace fs = std::filesystem;

namespace {

class Workspace {
public:
    Workspace() {
        std::string pattern = (fs::temp_directory_path() / "nv-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp");
        dir_ = pattern;
    }
    ~Workspace() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

private:
    std::string dir_;
};

Workspace& workspace() {
    static Workspace w;
    return w;
}

void writeFile(const std::string& path, const std::string& data) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary).write(data.data(), static_cast<std::streamsize>(data.size()));
}

std::string compressible(size_t n, unsigned seed) {
    static const char symbols[] = "abcdefghijklmnop";
    std::mt19937_64 rng(seed);
    std::string s(n, '\0');
    for (size_t i = 0; i < n; i += 16) {
        uint64_t r = rng();
        for (size_t k = 0; k < 16 && i + k < n; ++k, r >>= 4) s[i + k] = symbols[r & 15];
    }
    return s;
}

// The large cabinet, made once.
const std::string& bigCabinet() {
    static const std::string cab = [] {
        const std::string src = workspace().path("src");
        std::string cmd = "cd '" + src + "' && gcab -c -z '" + workspace().path("big.cab") + "'";
        for (int i = 0; i < 5; ++i) {
            const std::string name = i < 3 ? "part" + std::to_string(i) + ".dat" : "sub/part" + std::to_string(i) + ".dat";
            writeFile(src + "/" + name, compressible(18u << 20, 100 + static_cast<unsigned>(i)));
            cmd += " '" + name + "'";
        }
        if (std::system(cmd.c_str()) != 0) throw std::runtime_error("gcab failed");
        fs::remove_all(src);
        return workspace().path("big.cab");
    }();
    return cab;
}

}  // namespace

static void BM_Crc32(benchmark::State& state) {
    const std::string data = compressible(static_cast<size_t>(state.range(0)), 1);
    cCrc32 crc;
    for (auto _ : state) {
        crc.AddString(data);  // one running checksum: the table is built once, as in real use
        benchmark::DoNotOptimize(crc.Checksum());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_Crc32)->Arg(4096)->Arg(16 << 20);

// Extracting every file of the large cabinet with our reader.
static void BM_ExtractCabinet(benchmark::State& state) {
    const std::string cab = bigCabinet();
    const std::string out = workspace().path("ours");
    cCabFile reader;
    reader.CabName(cab);
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(out);
        state.ResumeTiming();
        if (!reader.Extract("", out)) state.SkipWithError("extraction failed");
    }
    state.counters["cabinet_MB"] = static_cast<double>(fs::file_size(cab)) / 1e6;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fs::file_size(cab)));
    fs::remove_all(out);
}
BENCHMARK(BM_ExtractCabinet)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// The same cabinet with cabextract, for comparison.
static void BM_ExtractCabinetWithCabextract(benchmark::State& state) {
    const std::string cab = bigCabinet();
    const std::string out = workspace().path("cabextract");
    const std::string cmd = "cabextract -q -d '" + out + "' '" + cab + "'";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(out);
        state.ResumeTiming();
        if (std::system(cmd.c_str()) != 0) state.SkipWithError("cabextract failed");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(fs::file_size(cab)));
    fs::remove_all(out);
}
BENCHMARK(BM_ExtractCabinetWithCabextract)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

namespace {
std::string thousandKeyIni() {
    static const std::string path = [] {
        std::string text = "[TARVO]\nName=Noorvale\n[FILES]\n";
        for (int i = 0; i < 1000; ++i)
            text += "F" + std::to_string(i) + "=file" + std::to_string(i) + ".dat,2004-01-02 10:00:00,x,sub\\,CAB1," +
                    std::to_string(100000 + i) + "\n";
        text += "[CABFILES]\nCAB1=nv1.cab,DEADBEEF\n";
        const std::string p = workspace().path("big.ini");
        writeFile(p, text);
        return p;
    }();
    return path;
}
}  // namespace

// Enumerating the 1000 keys of a section.
static void BM_IniEnumerate1000Keys(benchmark::State& state) {
    cIniFile ini;
    ini.Init(thousandKeyIni());
    std::vector<std::string> keys;
    for (auto _ : state) benchmark::DoNotOptimize(ini.EnumerateAllKeys("FILES", keys));
    if (keys.size() != 1000) state.SkipWithError("wrong key count");
}
BENCHMARK(BM_IniEnumerate1000Keys)->Unit(benchmark::kMicrosecond);

// What the update run does with [FILES]: enumerate, then read every value (the file is parsed
// once; later calls use that parse).
static void BM_IniEnumerateAndRead1000Values(benchmark::State& state) {
    cIniFile ini;
    ini.Init(thousandKeyIni());
    std::vector<std::string> keys;
    for (auto _ : state) {
        ini.EnumerateAllKeys("FILES", keys);
        for (const auto& k : keys) benchmark::DoNotOptimize(ini.GetStringValue("FILES", k));
    }
}
BENCHMARK(BM_IniEnumerateAndRead1000Values)->Unit(benchmark::kMillisecond);

// The same on a 12.6 MB update information file (1000 keys among padding lines), as a fresh
// reader meets it: one parse, then 1001 lookups.
static void BM_IniFirstReadOf12MBWith1000Keys(benchmark::State& state) {
    static const std::string path = [] {
        std::ifstream in(thousandKeyIni(), std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string pad = "; " + std::string(125, '-') + "\n";
        while (text.size() < 12600000) text += pad;
        const std::string p = workspace().path("big12.ini");
        writeFile(p, text);
        return p;
    }();
    std::vector<std::string> keys;
    for (auto _ : state) {
        cIniFile ini;
        ini.Init(path);
        ini.EnumerateAllKeys("FILES", keys);
        for (const auto& k : keys) benchmark::DoNotOptimize(ini.GetStringValue("FILES", k));
    }
    if (keys.size() != 1000) state.SkipWithError("wrong key count");
}
BENCHMARK(BM_IniFirstReadOf12MBWith1000Keys)->Unit(benchmark::kMillisecond);
