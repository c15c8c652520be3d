#include "assets/generator/Png.h"

#include <array>
#include <string_view>

namespace Generator {
namespace {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    }
    return ~crc;
}

std::uint32_t Adler32(const std::vector<std::uint8_t>& data) {
    constexpr std::uint32_t Modulus = 65521;
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : data) {
        a = (a + byte) % Modulus;
        b = (b + a) % Modulus;
    }
    return (b << 16) | a;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(v >> shift));
    }
}

void PutChunk(std::vector<std::uint8_t>& out, std::string_view type,
              const std::vector<std::uint8_t>& body) {
    PutBigEndian(out, static_cast<std::uint32_t>(body.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

// Each row: filter type 0 (none), then R, G, B, A.
std::vector<std::uint8_t> RawRows(const TPixels& pixels) {
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(pixels.Height) * (1 + 4 * pixels.Width));
    for (int y = 0; y < pixels.Height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < pixels.Width; ++x) {
            const std::uint32_t p = pixels.at(x, y);
            for (int shift : {16, 8, 0, 24}) {
                raw.push_back(static_cast<std::uint8_t>(p >> shift));
            }
        }
    }
    return raw;
}

// A zlib stream of stored (uncompressed) deflate blocks of at most 65535 bytes each.
std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& raw) {
    constexpr std::size_t MaxBlock = 65535;
    std::vector<std::uint8_t> z = {0x78, 0x01};
    std::size_t pos = 0;
    do {
        const std::size_t n = std::min(MaxBlock, raw.size() - pos);
        const bool last = pos + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<std::uint8_t>(n));
        z.push_back(static_cast<std::uint8_t>(n >> 8));
        z.push_back(static_cast<std::uint8_t>(~n));
        z.push_back(static_cast<std::uint8_t>(~n >> 8));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(pos),
                 raw.begin() + static_cast<std::ptrdiff_t>(pos + n));
        pos += n;
    } while (pos < raw.size());
    PutBigEndian(z, Adler32(raw));
    return z;
}

} // namespace

std::vector<std::uint8_t> EncodePng(const TPixels& pixels) {
    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(pixels.Width));
    PutBigEndian(header, static_cast<std::uint32_t>(pixels.Height));
    constexpr std::uint8_t BitDepth = 8, ColourTypeRgba = 6;
    header.insert(header.end(), {BitDepth, ColourTypeRgba, 0, 0, 0});
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", StoredZlib(RawRows(pixels)));
    PutChunk(out, "IEND", {});
    return out;
}

} // namespace Generator
