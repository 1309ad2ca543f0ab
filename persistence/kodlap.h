#pragma once
// Conversion between the program's UTF-8 text and Windows-1250, the single-byte
// code page of the program's text files (language, settings, species and
// ecosystem files).
//
// Both directions always succeed:
// - UTF-8 -> 1250: a character the code page lacks becomes one "?"; so does each
//   byte of malformed UTF-8 (a stray continuation byte, a cut-off or overlong
//   sequence, an encoded surrogate).
// - 1250 -> UTF-8: every byte maps; the five bytes the code page leaves
//   undefined (0x81, 0x83, 0x88, 0x90, 0x98) become U+FFFD, the replacement
//   character, so they stay visible instead of silently turning into text.
//
// Pure ASCII passes through without conversion. The converters are cached per
// thread, so converting a file line by line stays cheap.

#include <string>
#include <string_view>

namespace zelvaris {

// UTF-8 -> Windows-1250.
std::string KodlapraAlakit(std::string_view utf8);

// Windows-1250 -> UTF-8.
std::string KodlaprolAlakit(std::string_view kodlap);

}  // namespace zelvaris
