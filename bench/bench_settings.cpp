// The settings store: a read from a store of 200 values (the file read once, then only checked
// for a change on disk), a write (the whole file written to a temporary file, flushed to the
// disk and renamed over the store), and a save of the ten location values in one batch.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "RegistryStore.h"
#include "modNoorvale.h"
#include "modRegistry.h"

using namespace nv;

namespace {

// A store of 200 values in 20 keys, in a folder of its own for the life of the object.
class BenchStore {
public:
    BenchStore() {
        std::string pattern = (std::filesystem::temp_directory_path() / "noorvale-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) std::abort();
        dir_ = pattern;
        RegistryStore::instance().setFile(dir_ + "/registry.reg");
        RegTree tree;
        for (int k = 0; k < 20; ++k) {
            const std::string path = "HKEY_CURRENT_USER\\" + key(k);
            RegKey& entry = tree.keys[path];
            entry.path = path;
            for (int v = 0; v < 10; ++v) {
                const std::string name = "Value" + std::to_string(v);
                entry.values.emplace_back(name, v % 2 ? RegData::dword(static_cast<uint32_t>(v * k))
                                                      : RegData{REG_SZ, "text of " + name + " in key " + std::to_string(k)});
            }
        }
        const std::string text = regText(tree);
        FILE* f = std::fopen((dir_ + "/registry.reg").c_str(), "w");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
    }
    ~BenchStore() {
        RegistryStore::instance().setFile("");
        std::filesystem::remove_all(dir_);
    }
    static std::string key(int k) { return std::string(kNoorvaleKey) + "\\Bench\\Key" + std::to_string(k); }

private:
    std::string dir_;
};

void BM_ReadRegValue(benchmark::State& state) {
    BenchStore store;
    const std::string key = BenchStore::key(13);
    for (auto _ : state) benchmark::DoNotOptimize(ReadRegValue(HKEY_CURRENT_USER, key, "Value7", 0).toLong());
}
BENCHMARK(BM_ReadRegValue);

void BM_WriteRegLong(benchmark::State& state) {
    BenchStore store;
    const std::string key = BenchStore::key(5);
    int32_t n = 0;
    for (auto _ : state) benchmark::DoNotOptimize(WriteRegLong(HKEY_CURRENT_USER, key, "Value3", ++n));
}
BENCHMARK(BM_WriteRegLong)->Unit(benchmark::kMicrosecond);

// The Customize dialog's OK for a new place: all ten location values, written in one batch.
void BM_SaveLocation(benchmark::State& state) {
    BenchStore store;
    clsPrayTime& pt = PrayTime();
    int16_t n = 0;
    for (auto _ : state) {
        ++n;
        pt.LocationName("Place " + std::to_string(n));
        TZMode = n % 2;
        pt.GMTOffset(static_cast<int16_t>(n % 12));
        pt.LatMinute(static_cast<int16_t>(n % 60));
        pt.LatDegree(static_cast<int16_t>(n % 80));
        pt.LatSouthOfEq(n % 2);
        pt.LonMinute(static_cast<int16_t>(n % 59));
        pt.LonDegree(static_cast<int16_t>(n % 170));
        pt.LonWestOfGW(n % 3);
        pt.Altitude(n);
        SaveLocation();
    }
}
BENCHMARK(BM_SaveLocation)->Unit(benchmark::kMicrosecond);

// The first read after another process changed the file: the whole store is read again.
void BM_ReadAfterAChangeOnDisk(benchmark::State& state) {
    BenchStore store;
    const std::string file = RegistryStore::instance().file();
    for (auto _ : state) {
        RegistryStore::instance().setFile(file);  // forgets what it read, as a change on disk does
        benchmark::DoNotOptimize(ReadRegValue(HKEY_CURRENT_USER, BenchStore::key(13), "Value7", 0).toLong());
    }
}
BENCHMARK(BM_ReadAfterAChangeOnDisk)->Unit(benchmark::kMicrosecond);

}  // namespace
