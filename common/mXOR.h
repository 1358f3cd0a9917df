// The string scrambler shared by Noorvale, Tarvo and Quenlo: each character's code
// is XORed with one fixed 8-bit key, so scrambling twice gives the text back and the scrambled
// form of a concatenation is the concatenation of the scrambled forms.
//
// Texts are UTF-8. The key is below 0x20, so only the low five bits of a character's code change:
// a character keeps its UTF-8 length (the result has as many bytes and as many characters as the
// argument), valid UTF-8 stays valid UTF-8, and printable ASCII stays printable ASCII apart from
// the one character that maps to DEL. Bytes that are not part of a valid UTF-8 character are left
// as they are. Never fails: an empty argument gives an empty text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace nv {

// The one key of the three programs. Changing it breaks every scrambled text already stored.
inline constexpr uint8_t kScrambleKey = 0x1F;

std::string Scramble(std::string_view value);
// A number is first converted to text as the platform's text conversion does ("-12", "3").
std::string Scramble(int64_t value);

}  // namespace nv
