// Writes the settings store in an endless loop, for the test that kills it at random moments.
// registry_writer FILE: fills FILE the first time (every value, then "Round" 0), prints "ready",
// then writes round after round: "Round", then V0, T0, V1, T1 ... each write on its own.
#include <cstdio>

#include "KillTestValues.h"
#include "RegistryStore.h"
#include "modRegistry.h"

using namespace nv;

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    RegistryStore::instance().setFile(argv[1]);
    auto writeRound = [](int32_t round) {
        for (int i = 0; i < test::kKillValues; ++i) {
            WriteRegLong(HKEY_CURRENT_USER, test::kKillKey, "V" + std::to_string(i), round);
            WriteRegString(HKEY_CURRENT_USER, test::kKillKey, "T" + std::to_string(i), test::killText(round, i));
        }
    };
    int32_t round = ReadRegValue(HKEY_CURRENT_USER, test::kKillKey, "Round", -1).toLong();
    if (round < 0) {
        round = 0;
        writeRound(round);
        WriteRegLong(HKEY_CURRENT_USER, test::kKillKey, "Round", round);
    }
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;) {
        ++round;
        WriteRegLong(HKEY_CURRENT_USER, test::kKillKey, "Round", round);
        writeRound(round);
    }
}
