// Cabinets made at test time with gcab, from files written into a folder.
#pragma once

#include <cstdlib>
#include <string>
#include <vector>

namespace nv::test {

inline std::string shellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        if (c == '\'') q += "'\\''";
        else q.push_back(c);
    }
    return q + "'";
}

// Runs `gcab -c [-z] cab names...` inside `folder`, so the names are stored as given (with "\").
inline bool makeCabinet(const std::string& folder, const std::string& cab, const std::vector<std::string>& names,
                        bool compress) {
    std::string cmd = "cd " + shellQuote(folder) + " && gcab -c " + (compress ? "-z " : "") + shellQuote(cab);
    for (const auto& n : names) {
        cmd += ' ';
        cmd += shellQuote(n);
    }
    cmd += " >/dev/null 2>&1";
    return std::system(cmd.c_str()) == 0;
}

}  // namespace nv::test
