#include "assets/StripCodec.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>
#include <optional>
#include <set>

namespace StripCodec {
namespace {

constexpr std::array<std::uint8_t, 4> StripTag{'W', 'B', 'S', '1'};
constexpr std::array<std::uint8_t, 4> ArchiveTag{'W', 'B', 'S', 'A'};
constexpr std::uint32_t Opaque = 0xFF000000u;
constexpr std::uint32_t RgbMask = 0x00FFFFFFu;
// A LEB128 number of up to 32 bits takes at most five bytes of seven bits each.
constexpr int MaxLengthBytes = 5;
constexpr int LengthBitsPerByte = 7;
constexpr std::uint8_t MoreBytesFlag = 0x80;
constexpr std::uint8_t LengthByteMask = 0x7F;
constexpr std::size_t MaxNameLength = 255;

class TWriter {
public:
    void Bytes(std::span<const std::uint8_t> b) { out_.insert(out_.end(), b.begin(), b.end()); }
    void U8(std::uint8_t v) { out_.push_back(v); }
    void U16(std::uint16_t v) {
        U8(static_cast<std::uint8_t>(v));
        U8(static_cast<std::uint8_t>(v >> 8));
    }
    void U32(std::uint32_t v) {
        U16(static_cast<std::uint16_t>(v));
        U16(static_cast<std::uint16_t>(v >> 16));
    }
    void Length(std::uint32_t v) {
        while (v > LengthByteMask) {
            U8(static_cast<std::uint8_t>((v & LengthByteMask) | MoreBytesFlag));
            v >>= LengthBitsPerByte;
        }
        U8(static_cast<std::uint8_t>(v));
    }
    // Overwrites a u32 written earlier (archive offsets are known only after the directory).
    void PatchU32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            out_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
        }
    }
    std::size_t Size() const { return out_.size(); }
    std::vector<std::uint8_t> Take() { return std::move(out_); }

private:
    std::vector<std::uint8_t> out_;
};

// Every read checks what is left first; after a failed read the reader stays failed.
class TReader {
public:
    explicit TReader(std::span<const std::uint8_t> data) : data_(data) {}
    bool Ok() const { return ok_; }
    bool AtEnd() const { return at_ == data_.size(); }
    std::size_t Left() const { return data_.size() - at_; }

    std::span<const std::uint8_t> Bytes(std::size_t n) {
        if (!ok_ || n > Left()) {
            ok_ = false;
            return {};
        }
        const auto b = data_.subspan(at_, n);
        at_ += n;
        return b;
    }
    std::uint8_t U8() {
        const auto b = Bytes(1);
        return b.empty() ? 0 : b[0];
    }
    std::uint16_t U16() {
        const auto b = Bytes(2);
        return b.empty() ? 0 : static_cast<std::uint16_t>(b[0] | b[1] << 8);
    }
    std::uint32_t U32() {
        const std::uint32_t low = U16();
        const std::uint32_t high = U16();
        return low | high << 16;
    }
    std::uint32_t Length() {
        std::uint32_t v = 0;
        for (int i = 0; i < MaxLengthBytes; ++i) {
            const std::uint8_t b = U8();
            const std::uint64_t part = static_cast<std::uint64_t>(b & LengthByteMask)
                                       << (LengthBitsPerByte * i);
            if (!ok_ || part > UINT32_MAX) {
                ok_ = false;
                return 0;
            }
            v |= static_cast<std::uint32_t>(part);
            if ((b & MoreBytesFlag) == 0) {
                return v;
            }
        }
        ok_ = false; // a sixth byte would be needed
        return 0;
    }
    bool Tag(const std::array<std::uint8_t, 4>& tag) {
        const auto b = Bytes(tag.size());
        return ok_ && std::equal(b.begin(), b.end(), tag.begin());
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

bool SizeFits(int width, int height, std::size_t frames) {
    return width > 0 && height > 0 && width <= MaxSide && height <= MaxSide && frames > 0 &&
           static_cast<std::uint64_t>(width) * height * frames <= MaxPixels;
}

// Length of the run of pixels equal to the one at `at`, and of the run equal to the previous
// frame from `at` on.
std::size_t ColourRun(const std::vector<std::uint32_t>& pixels, std::size_t at) {
    std::size_t end = at + 1;
    while (end < pixels.size() && pixels[end] == pixels[at]) {
        ++end;
    }
    return end - at;
}

std::size_t CopyRun(const std::vector<std::uint32_t>& pixels,
                    const std::vector<std::uint32_t>& previous, std::size_t at) {
    std::size_t end = at;
    while (end < pixels.size() && pixels[end] == previous[end]) {
        ++end;
    }
    return end - at;
}

} // namespace

std::vector<std::uint8_t> Encode(const TFrames& frames) {
    if (frames.empty() || !SizeFits(frames[0].Width, frames[0].Height, frames.size())) {
        return {};
    }
    const int width = frames[0].Width;
    const int height = frames[0].Height;
    const std::size_t count = static_cast<std::size_t>(width) * height;

    // The palette in order of first appearance, so that the bytes depend only on the frames.
    std::map<std::uint32_t, std::uint8_t> codeOf;
    std::vector<std::uint32_t> palette;
    for (const TPixels& f : frames) {
        if (f.Width != width || f.Height != height || f.Data.size() != count) {
            return {};
        }
        for (const std::uint32_t p : f.Data) {
            if ((p & ~RgbMask) != Opaque) {
                return {};
            }
            if (!codeOf.contains(p)) {
                if (palette.size() == MaxPaletteSize) {
                    return {};
                }
                codeOf.emplace(p, static_cast<std::uint8_t>(palette.size()));
                palette.push_back(p);
            }
        }
    }

    TWriter w;
    w.Bytes(StripTag);
    w.U16(static_cast<std::uint16_t>(width));
    w.U16(static_cast<std::uint16_t>(height));
    w.U16(static_cast<std::uint16_t>(frames.size()));
    w.U8(static_cast<std::uint8_t>(palette.size()));
    for (const std::uint32_t p : palette) {
        w.U8(static_cast<std::uint8_t>(p >> 16));
        w.U8(static_cast<std::uint8_t>(p >> 8));
        w.U8(static_cast<std::uint8_t>(p));
    }
    for (std::size_t f = 0; f < frames.size(); ++f) {
        const std::vector<std::uint32_t>& pixels = frames[f].Data;
        for (std::size_t at = 0; at < count;) {
            // Greedy: whichever run reaches further. A copy wins a tie, since it tends to go on
            // across the colour edges that would end a colour run.
            const std::size_t colour = ColourRun(pixels, at);
            const std::size_t copy = f == 0 ? 0 : CopyRun(pixels, frames[f - 1].Data, at);
            const bool copying = copy >= colour;
            const std::size_t length = copying ? copy : colour;
            w.U8(copying ? CopyCode : codeOf.at(pixels[at]));
            w.Length(static_cast<std::uint32_t>(length));
            at += length;
        }
    }
    return w.Take();
}

TFrames Decode(std::span<const std::uint8_t> data) {
    TReader r(data);
    if (!r.Tag(StripTag)) {
        return {};
    }
    const int width = r.U16();
    const int height = r.U16();
    const std::size_t frameCount = r.U16();
    const int paletteSize = r.U8();
    if (!r.Ok() || !SizeFits(width, height, frameCount) || paletteSize == 0 ||
        paletteSize > MaxPaletteSize) {
        return {};
    }
    std::array<std::uint32_t, MaxPaletteSize> palette{};
    for (int i = 0; i < paletteSize; ++i) {
        const std::uint32_t red = r.U8();
        const std::uint32_t green = r.U8();
        const std::uint32_t blue = r.U8();
        palette[i] = Opaque | red << 16 | green << 8 | blue;
    }
    // Every frame takes at least two bytes (one run); checked before anything is allocated.
    if (!r.Ok() || r.Left() < 2 * frameCount) {
        return {};
    }

    const std::size_t count = static_cast<std::size_t>(width) * height;
    TFrames frames;
    frames.reserve(frameCount);
    for (std::size_t f = 0; f < frameCount; ++f) {
        TPixels frame(width, height);
        std::uint32_t* const out = frame.Data.data();
        for (std::size_t at = 0; at < count;) {
            const std::uint8_t code = r.U8();
            const std::size_t length = r.Length();
            if (!r.Ok() || length == 0 || length > count - at) {
                return {};
            }
            if (code == CopyCode) {
                if (f == 0) {
                    return {};
                }
                std::memcpy(out + at, frames.back().Data.data() + at, length * sizeof(*out));
            } else if (code < paletteSize) {
                std::fill_n(out + at, length, palette[code]);
            } else {
                return {};
            }
            at += length;
        }
        frames.push_back(std::move(frame));
    }
    if (!r.AtEnd()) {
        return {};
    }
    return frames;
}

std::vector<std::uint8_t> Pack(const std::vector<TEntry>& entries) {
    std::set<std::string_view> names;
    for (const TEntry& e : entries) {
        if (e.Name.empty() || e.Name.size() > MaxNameLength || !names.insert(e.Name).second) {
            return {};
        }
    }
    TWriter w;
    w.Bytes(ArchiveTag);
    w.U32(static_cast<std::uint32_t>(entries.size()));
    std::vector<std::size_t> offsetAt;
    for (const TEntry& e : entries) {
        w.U8(static_cast<std::uint8_t>(e.Name.size()));
        w.Bytes({reinterpret_cast<const std::uint8_t*>(e.Name.data()), e.Name.size()});
        offsetAt.push_back(w.Size());
        w.U32(0);
        w.U32(static_cast<std::uint32_t>(e.Data.size()));
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        w.PatchU32(offsetAt[i], static_cast<std::uint32_t>(w.Size()));
        w.Bytes(entries[i].Data);
    }
    return w.Take();
}

std::span<const std::uint8_t> Find(std::span<const std::uint8_t> archive, std::string_view name) {
    TReader r(archive);
    if (name.empty() || !r.Tag(ArchiveTag)) {
        return {};
    }
    const std::uint32_t count = r.U32();
    for (std::uint32_t i = 0; i < count && r.Ok(); ++i) {
        const auto stored = r.Bytes(r.U8());
        const std::uint64_t offset = r.U32();
        const std::uint64_t size = r.U32();
        if (!r.Ok()) {
            return {};
        }
        if (std::string_view(reinterpret_cast<const char*>(stored.data()), stored.size()) == name) {
            if (offset + size > archive.size()) {
                return {};
            }
            return archive.subspan(offset, size);
        }
    }
    return {};
}

} // namespace StripCodec
