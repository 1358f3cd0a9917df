// The cost of the player's commands on a device that plays into nothing (SDL's dummy driver).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "MciPlayer.h"

namespace {

// A short clip made with sox in the temporary folder.
std::string clip() {
    static const std::string file = [] {
        const std::string path = (std::filesystem::temp_directory_path() / "noorvale-bench-tone.wav").string();
        const std::string command = "sox -D -n -r 22050 -c 1 -b 16 '" + path + "' synth 0.5 sine 440";
        if (std::system(command.c_str()) != 0) std::abort();
        return path;
    }();
    return file;
}

void BM_StatusMode(benchmark::State& state) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    nv::mciSendString("Open " + clip() + " ALIAS wav7 TYPE Waveaudio wait");
    for (auto _ : state) benchmark::DoNotOptimize(nv::mciSendString("Status wav7 mode"));
    nv::mciSendString("Close wav7");
}
BENCHMARK(BM_StatusMode);

// The first Open opens the sound device and the last Close releases it: this is the whole cycle.
void BM_OpenClose(benchmark::State& state) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string open = "Open " + clip() + " ALIAS wav7 TYPE Waveaudio wait";
    for (auto _ : state) {
        nv::mciSendString(open);
        nv::mciSendString("Close wav7");
    }
}
BENCHMARK(BM_OpenClose)->Unit(benchmark::kMillisecond);

// Open and Close while another device keeps the sound device open.
void BM_OpenCloseDeviceOpen(benchmark::State& state) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    nv::mciSendString("Open " + clip() + " ALIAS keep TYPE Waveaudio wait");
    const std::string open = "Open " + clip() + " ALIAS wav7 TYPE Waveaudio wait";
    for (auto _ : state) {
        nv::mciSendString(open);
        nv::mciSendString("Close wav7");
    }
    nv::mciSendString("Close keep");
}
BENCHMARK(BM_OpenCloseDeviceOpen)->Unit(benchmark::kMicrosecond);

}  // namespace
