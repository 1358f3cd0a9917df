// The values the kill test's writer writes round after round, and what the test checks them by.
#pragma once

#include <string>

#include "modRegistry.h"

namespace nv::test {

inline const std::string kKillKey = std::string(kNoorvaleKey) + "\\KillTest";
inline constexpr int kKillValues = 40;

// The text of value i in a round: long enough that a write takes a while.
inline std::string killText(int round, int i) {
    std::string s = "round " + std::to_string(round) + " value " + std::to_string(i) + " ";
    while (s.size() < 160) s += static_cast<char>('a' + (round + i + static_cast<int>(s.size())) % 26);
    return s;
}

}  // namespace nv::test
