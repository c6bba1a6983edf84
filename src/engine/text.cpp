#include "engine/text.h"

#include <array>
#include <cstdint>

namespace pennant {
namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five undefined bytes.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t byteToCodePoint(unsigned char b) {
    if (b < 0x80 || b >= 0xA0) return b;
    char32_t cp = kHigh[b - 0x80];
    return cp ? cp : b;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Decodes one character at `i`; returns its length, 0 when invalid.
std::size_t decode(std::string_view s, std::size_t i, char32_t& cp) {
    auto b = static_cast<unsigned char>(s[i]);
    std::size_t len;
    char32_t min;
    if (b < 0x80) {
        cp = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        len = 2, cp = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        len = 3, cp = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        len = 4, cp = b & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size()) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

// Byte offset of character `pos` (from 1), or s.size() past the end.
// Invalid sequences count one byte per character.
std::size_t offsetOf(std::string_view s, std::size_t pos) {
    std::size_t i = 0;
    for (std::size_t n = 1; n < pos && i < s.size(); ++n) {
        char32_t cp;
        std::size_t len = decode(s, i, cp);
        i += len ? len : 1;
    }
    return i;
}

}  // namespace

std::string_view trimBlanks(std::string_view s) {
    std::size_t first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool isValidUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        char32_t cp;
        std::size_t len = decode(s, i, cp);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

std::string midChars(std::string_view utf8, std::size_t from, std::size_t to) {
    if (to < from) return {};
    std::size_t a = offsetOf(utf8, from);
    std::size_t b = offsetOf(utf8, to + 1);
    return std::string(utf8.substr(a, b - a));
}

std::string charAt(std::string_view utf8, std::size_t pos) { return midChars(utf8, pos, pos); }

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) appendUtf8(out, byteToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::string> utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp;
        std::size_t len = decode(utf8, i, cp);
        if (len == 0) return std::nullopt;
        i += len;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out.push_back(static_cast<char>(cp));
            continue;
        }
        int byte = -1;
        for (int k = 0; k < 32; ++k)
            if (byteToCodePoint(static_cast<unsigned char>(0x80 + k)) == cp) byte = 0x80 + k;
        if (byte < 0) return std::nullopt;
        out.push_back(static_cast<char>(byte));
    }
    return out;
}

}  // namespace pennant
