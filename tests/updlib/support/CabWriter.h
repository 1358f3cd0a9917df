// A minimal cabinet writer for tests that need cabinets gcab will not make: names that are
// absolute, carry a drive letter or climb out with "..". One folder, stored without
// compression, data blocks of at most 32 KiB, checksums 0 (meaning none).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace nv::test {

struct CabEntry {
    std::string name;  // as stored, "\" between folders
    std::string data;
};

inline std::string makeStoredCabinet(const std::vector<CabEntry>& entries) {
    auto u16 = [](std::string& s, uint32_t v) {
        s.push_back(static_cast<char>(v & 0xFF));
        s.push_back(static_cast<char>((v >> 8) & 0xFF));
    };
    auto u32 = [&](std::string& s, uint32_t v) {
        u16(s, v & 0xFFFF);
        u16(s, v >> 16);
    };
    std::string payload;
    for (const auto& e : entries) payload += e.data;
    constexpr size_t kBlock = 32768;
    const size_t blocks = (payload.size() + kBlock - 1) / kBlock;

    std::string files;
    uint32_t offset = 0;
    for (const auto& e : entries) {
        u32(files, static_cast<uint32_t>(e.data.size()));
        u32(files, offset);
        u16(files, 0);                                  // folder 0
        u16(files, ((2020 - 1980) << 9) | (5 << 5) | 17);  // 17 May 2020
        u16(files, (12 << 11) | (34 << 5) | (56 / 2));  // 12:34:56
        u16(files, 0x20);                               // archive
        files += e.name;
        files.push_back('\0');
        offset += static_cast<uint32_t>(e.data.size());
    }
    constexpr uint32_t kHeader = 36, kFolder = 8;
    const uint32_t dataStart = kHeader + kFolder + static_cast<uint32_t>(files.size());
    std::string data;
    for (size_t b = 0; b < blocks; ++b) {
        const std::string chunk = payload.substr(b * kBlock, kBlock);
        u32(data, 0);
        u16(data, static_cast<uint32_t>(chunk.size()));
        u16(data, static_cast<uint32_t>(chunk.size()));
        data += chunk;
    }
    std::string cab = "MSCF";
    u32(cab, 0);
    u32(cab, dataStart + static_cast<uint32_t>(data.size()));
    u32(cab, 0);
    u32(cab, kHeader + kFolder);  // first CFFILE
    u32(cab, 0);
    cab.push_back(3);  // version 1.3
    cab.push_back(1);
    u16(cab, 1);  // folders
    u16(cab, static_cast<uint32_t>(entries.size()));
    u16(cab, 0);  // flags
    u16(cab, 0);  // set id
    u16(cab, 0);  // cabinet index
    u32(cab, dataStart);
    u16(cab, static_cast<uint32_t>(blocks));
    u16(cab, 0);  // no compression
    return cab + files + data;
}

}  // namespace nv::test
