// The CRC-32 with which the update utility authenticates cabinets and files. With its
// default parameters it is the standard reflected CRC-32 (ISO-HDLC, zlib, ZIP).
//
// Errors: a failure in construction or in Value raises 0x80042B5D "CCrc32 component failure",
// source AppName() + ".CCrc32"; Init and AddString never raise.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "VbError.h"

namespace nv {

inline constexpr int32_t kErrCrc32Failure = kObjectError + 0x2B5D;

class cCrc32 {
public:
    cCrc32();

    // Builds the table from the reflected polynomial `Seed` and sets the register.
    void Init(uint32_t Seed = 0xEDB88320u, uint32_t Precondition = 0xFFFFFFFFu) noexcept;
    // Feeds the text into the register, one byte per character.
    void AddString(std::string_view StringValue) noexcept;
    void AddBytes(const void* data, size_t size) noexcept;
    // The checksum (complement of the register) as a signed 32-bit decimal text ("-873187034").
    // Does not change the register.
    std::string Value() const;
    // The same checksum as a number.
    uint32_t Checksum() const noexcept { return ~register_; }

private:
    // table_[0] is the classic byte-at-a-time table; the other seven let AddString take eight bytes a step
    // (the same register as one byte at a time, only faster).
    std::array<std::array<uint32_t, 256>, 8> table_{};
    uint32_t register_ = 0;
};

}  // namespace nv
