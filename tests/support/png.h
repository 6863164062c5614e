// PNG files of an RGB raster for golden pictures: 8-bit RGB, no interlace, filter 0 on write;
// the reader takes what the writer writes (one IDAT stream, filter 0 rows).
#pragma once
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include <zlib.h>

namespace vak1::test {

struct RgbImage {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb; // row by row, 3 bytes a pixel
};

namespace png_detail {

inline void Put32(std::string& s, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        s += static_cast<char>((v >> shift) & 0xFF);
}

inline uint32_t Get32(const std::string& s, std::size_t at) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = v << 8 | static_cast<uint8_t>(s[at + i]);
    return v;
}

inline void Chunk(std::string& out, const char* type, const std::string& data) {
    Put32(out, static_cast<uint32_t>(data.size()));
    const std::string body = type + data;
    out += body;
    Put32(out, static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(body.data()),
                                           static_cast<uInt>(body.size()))));
}

} // namespace png_detail

inline bool WritePng(const std::string& path, const RgbImage& img) {
    using namespace png_detail;
    std::string raw;
    for (int y = 0; y < img.height; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char*>(img.rgb.data()) + std::size_t(y) * img.width * 3,
                   std::size_t(img.width) * 3);
    }
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  9) != Z_OK)
        return false;
    packed.resize(size);
    std::string out = "\x89PNG\r\n\x1a\n";
    std::string header;
    Put32(header, static_cast<uint32_t>(img.width));
    Put32(header, static_cast<uint32_t>(img.height));
    header += std::string("\x08\x02\x00\x00\x00", 5);
    Chunk(out, "IHDR", header);
    Chunk(out, "IDAT", packed);
    Chunk(out, "IEND", "");
    std::ofstream f(path, std::ios::binary);
    f << out;
    return static_cast<bool>(f);
}

inline bool ReadPng(const std::string& path, RgbImage& img) {
    using namespace png_detail;
    std::ifstream f(path, std::ios::binary);
    const std::string s((std::istreambuf_iterator<char>(f)), {});
    if (s.size() < 8 || s.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return false;
    std::string packed;
    for (std::size_t at = 8; at + 8 <= s.size();) {
        const uint32_t len = Get32(s, at);
        const std::string type = s.substr(at + 4, 4);
        if (at + 12 + len > s.size()) return false;
        if (type == "IHDR") {
            img.width = static_cast<int>(Get32(s, at + 8));
            img.height = static_cast<int>(Get32(s, at + 12));
        } else if (type == "IDAT") {
            packed += s.substr(at + 8, len);
        }
        at += 12 + len;
    }
    std::string raw(std::size_t(img.width * 3 + 1) * img.height, '\0');
    uLongf size = static_cast<uLongf>(raw.size());
    if (uncompress(reinterpret_cast<Bytef*>(raw.data()), &size,
                   reinterpret_cast<const Bytef*>(packed.data()),
                   static_cast<uLong>(packed.size())) != Z_OK ||
        size != raw.size())
        return false;
    img.rgb.clear();
    for (int y = 0; y < img.height; ++y) {
        const std::size_t row = std::size_t(y) * (img.width * 3 + 1);
        if (raw[row] != 0) return false;
        img.rgb.insert(img.rgb.end(), raw.begin() + long(row) + 1,
                       raw.begin() + long(row) + 1 + img.width * 3);
    }
    return true;
}

} // namespace vak1::test
