#pragma once
// Windows-1251 at the file boundary: the data files are read in it and the reports written in it;
// inside the program all text is UTF-8.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrin {

std::string DecodeCp1251(std::string_view bytes);

// The Windows-1251 byte of a code point, or nothing when the code page cannot hold it.
std::optional<uint8_t> Cp1251Byte(char32_t codePoint);

// UTF-8 to Windows-1251; nothing when a character cannot be held (or the UTF-8 is broken).
std::optional<std::string> EncodeCp1251(std::string_view utf8);

// UTF-8 RTF text to Windows-1251: a character the code page cannot hold becomes \uN? .
std::string EncodeRtfCp1251(std::string_view utf8);

// Takes one code point off the front of `text` at `pos`; broken UTF-8 gives U+FFFD for a byte.
char32_t NextCodePoint(std::string_view text, size_t& pos);
void AppendUtf8(std::string& out, char32_t codePoint);

// Lower case of ASCII and Cyrillic letters; every other character stays as it is.
std::string LowerText(std::string_view utf8);
bool IsCyrillicLetter(char32_t codePoint);

}  // namespace veltrin
