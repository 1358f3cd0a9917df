// Writes the settings store for the test that kills a writer in the middle of its writes.
// registry_writer FILE fill: fills FILE (every value, then "Round" 0) and ends.
// registry_writer FILE: writes round after round: "Round", then V0, T0, V1, T1 ... each write on
// its own. The test ends it through the store's hook NOORVALE_TEST_STORE_STOP_AFTER; a writer
// that the hook never stops ends by itself after 10 rounds, with 3.
#include <string>

#include "KillTestValues.h"
#include "RegistryStore.h"
#include "modRegistry.h"

using namespace nv;

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) return 2;
    RegistryStore::instance().setFile(argv[1]);
    auto writeRound = [](int32_t round) {
        for (int i = 0; i < test::kKillValues; ++i) {
            WriteRegLong(HKEY_CURRENT_USER, test::kKillKey, "V" + std::to_string(i), round);
            WriteRegString(HKEY_CURRENT_USER, test::kKillKey, "T" + std::to_string(i), test::killText(round, i));
        }
    };
    if (argc == 3) {
        if (std::string(argv[2]) != "fill") return 2;
        writeRound(0);
        WriteRegLong(HKEY_CURRENT_USER, test::kKillKey, "Round", 0);
        return 0;
    }
    int32_t round = ReadRegValue(HKEY_CURRENT_USER, test::kKillKey, "Round", -1).toLong();
    for (int n = 0; n < 10; ++n) {
        ++round;
        WriteRegLong(HKEY_CURRENT_USER, test::kKillKey, "Round", round);
        writeRound(round);
    }
    return 3;
}
