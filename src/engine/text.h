// Text helpers shared by every module: trimming, characters of UTF-8 text,
// and the one-byte-per-character Windows-1252 form of logs and slips.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pennant {

// Drops blanks (spaces) at both ends, as the log and slip readers do.
std::string_view trimBlanks(std::string_view s);

bool isValidUtf8(std::string_view s);

// Characters `from` (counted from 1) to `to` of UTF-8 text, taking what is
// there when the span runs past the end.
std::string midChars(std::string_view utf8, std::size_t from, std::size_t to);
// The character at position `pos` (from 1), empty when there is none.
std::string charAt(std::string_view utf8, std::size_t pos);

// Windows-1252 bytes to UTF-8. Bytes the code page leaves undefined map to
// the C1 control of the same value, so every byte has a character.
std::string cp1252ToUtf8(std::string_view bytes);
// UTF-8 to Windows-1252 bytes; nullopt when a character has no byte there
// or the text is not valid UTF-8.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);
// Whether every character of the text has a Windows-1252 byte.
inline bool fitsCp1252(std::string_view utf8) { return utf8ToCp1252(utf8).has_value(); }

}  // namespace pennant
