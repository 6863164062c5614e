// Code-page tables and conversions; the Windows-1252 side is built once through iconv.
#include "text/cp850.h"

#include <array>
#include <cstdint>
#include <iconv.h>

namespace vak1 {
namespace {

// Unicode code points of code page 850's upper half (0x80..0xFF).
constexpr std::array<char32_t, 128> kCp850Upper = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557,
    0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB,
    0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9,
    0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; a broken sequence yields U+FFFD and one byte.
char32_t NextUtf8(std::string_view text, std::size_t& i) {
    auto b = static_cast<unsigned char>(text[i++]);
    if (b < 0x80) return b;
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (extra < 0 || i + extra > text.size()) return 0xFFFD;
    char32_t cp = b & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (c & 0x3F);
        ++i;
    }
    return cp;
}

char ByteFromCodePoint(char32_t cp, const std::array<char32_t, 128>& upper) {
    if (cp < 0x80) return static_cast<char>(cp);
    for (std::size_t k = 0; k < upper.size(); ++k)
        if (upper[k] == cp) return static_cast<char>(0x80 + k);
    return '?';
}

// Code points of Windows-1252's upper half, read from iconv once. Bytes iconv cannot map
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their C1 code point, as Windows does.
std::array<char32_t, 128> BuildWin1252Upper() {
    std::array<char32_t, 128> table{};
    iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1252");
    for (std::size_t k = 0; k < table.size(); ++k) {
        table[k] = static_cast<char32_t>(0x80 + k);
        if (cd == reinterpret_cast<iconv_t>(-1)) continue;
        char in = static_cast<char>(0x80 + k);
        std::uint32_t cp = 0;
        char* inp = &in;
        std::size_t inleft = 1, outleft = 4;
        char* outp = reinterpret_cast<char*>(&cp);
        if (iconv(cd, &inp, &inleft, &outp, &outleft) != static_cast<std::size_t>(-1) &&
            outleft == 0)
            table[k] = static_cast<char32_t>(cp);
    }
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    return table;
}

const std::array<char32_t, 128>& Win1252Upper() {
    static const std::array<char32_t, 128> table = BuildWin1252Upper();
    return table;
}

// Windows' OEM-to-ANSI conversion maps characters missing from 1252 to a look-alike.
char BestFit1252(char32_t cp) {
    switch (cp) {
    case 0x2502:
    case 0x2524:
    case 0x2563:
    case 0x2551:
    case 0x251C:
    case 0x2560:
        return '|';
    case 0x2500:
    case 0x2550:
    case 0x2017:
        return '-';
    case 0x2557:
    case 0x255D:
    case 0x2510:
    case 0x2514:
    case 0x2534:
    case 0x252C:
    case 0x253C:
    case 0x255A:
    case 0x2554:
    case 0x2569:
    case 0x2566:
    case 0x256C:
    case 0x2518:
    case 0x250C:
        return '+';
    case 0x0131:
        return 'i';
    default:
        return '?';
    }
}

std::string Map(std::string_view text, const std::array<char32_t, 128>& from,
                const std::array<char32_t, 128>& to, bool bestFit) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
            continue;
        }
        char32_t cp = from[b - 0x80];
        char mapped = ByteFromCodePoint(cp, to);
        if (mapped == '?' && bestFit) mapped = BestFit1252(cp);
        out += mapped;
    }
    return out;
}

} // namespace

std::string cp850(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        out += ByteFromCodePoint(NextUtf8(utf8, i), kCp850Upper);
    return out;
}

std::string Cp850ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b < 0x80 ? char32_t{b} : kCp850Upper[b - 0x80]);
    }
    return out;
}

std::string Win1252ToUtf8(std::string_view text) {
    const auto& upper = Win1252Upper();
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b < 0x80 ? char32_t{b} : upper[b - 0x80]);
    }
    return out;
}

std::string Utf8ToWin1252(std::string_view utf8) {
    const auto& upper = Win1252Upper();
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        out += ByteFromCodePoint(NextUtf8(utf8, i), upper);
    return out;
}

std::string PlainAscii(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        switch (static_cast<unsigned char>(c)) {
        case 0x81:
            out += "ue";
            break;
        case 0x82:
            out += "e";
            break;
        case 0x84:
            out += "ae";
            break;
        case 0x8E:
            out += "Ae";
            break;
        case 0x94:
            out += "oe";
            break;
        case 0x99:
            out += "Oe";
            break;
        case 0x9A:
            out += "Ue";
            break;
        case 0xA0:
            out += "a";
            break;
        case 0xA3:
            out += "u";
            break;
        case 0xA4:
            out += "n";
            break;
        case 0xC4:
            out += "-";
            break;
        case 0xCD:
            out += "-";
            break;
        case 0xE1:
            out += "ss";
            break;
        case 0xE6:
            out += "u";
            break;
        case 0xF1:
            out += "+/-";
            break;
        case 0xF8:
            out += "deg";
            break;
        case 0xFD:
            out += "2";
            break;
        default:
            out += c;
        }
    }
    return out;
}

namespace {

// The fixed table used after PlainAscii: code page 850 byte -> Windows-1252 byte or text.
std::string FixedTable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (static_cast<unsigned char>(c)) {
        case 0x7C:
            out += '\xE3';
            break;
        case 0x86:
            out += '\xE5';
            break;
        case 0x8F:
            out += '\xC5';
            break;
        case 0xA1:
            out += '\xED';
            break;
        case 0xA2:
            out += '\xF3';
            break;
        case 0xFC:
            out += '\xB3';
            break;
        case 0x81:
            out += '\xFC';
            break;
        case 0x82:
            out += '\xE9';
            break;
        case 0x84:
            out += '\xE4';
            break;
        case 0x8E:
            out += '\xC4';
            break;
        case 0x94:
            out += '\xF6';
            break;
        case 0x99:
            out += '\xD6';
            break;
        case 0x9A:
            out += '\xDC';
            break;
        case 0xA0:
            out += '\xE1';
            break;
        case 0xA3:
            out += '\xFA';
            break;
        case 0xA4:
            out += '\xF1';
            break;
        case 0xC4:
        case 0xCD:
            out += '-';
            break;
        case 0xE1:
            out += '\xDF';
            break;
        case 0xE6:
            out += '\xB5';
            break;
        case 0xF1:
            out += '\xB1';
            break;
        case 0xF8:
            out += '\xB0';
            break;
        case 0xFD:
            out += '\xB2';
            break;
        case 0xB3:
        case 0xB4:
        case 0xB5:
        case 0xB6:
        case 0xB9:
        case 0xBA:
        case 0xC3:
        case 0xC5:
        case 0xC6:
        case 0xC7:
        case 0xCC:
        case 0xD1:
        case 0xD7:
            out += '|';
            break;
        case 0xB8:
        case 0xBB:
        case 0xBC:
        case 0xBE:
        case 0xBF:
        case 0xC0:
        case 0xC8:
        case 0xC9:
        case 0xCE:
        case 0xD3:
        case 0xD6:
        case 0xD9:
        case 0xDA:
            out += '+';
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::string OemToAnsiText(std::string_view text, bool plainCharacters) {
    if (text.size() >= kMaxConvertedText) return {};
    if (plainCharacters) return FixedTable(PlainAscii(text));
    return Map(text, kCp850Upper, Win1252Upper(), true);
}

std::string AnsiToOemText(std::string_view text) {
    if (text.size() >= kMaxConvertedText) return {};
    return Map(text, Win1252Upper(), kCp850Upper, false);
}

std::string UpperAscii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string OemToDesktopText(std::string_view text, bool plainCharacters) {
    return Win1252ToUtf8(OemToAnsiText(text, plainCharacters));
}

std::string ToDisplay(std::string_view text, bool plainCharacters) {
    return OemToDesktopText(text, plainCharacters);
}

std::string FromDisplay(std::string_view utf8) {
    return AnsiToOemText(Utf8ToWin1252(utf8));
}

} // namespace vak1
