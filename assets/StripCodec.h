#pragma once
// The lossless storage of frame strips. The asset generator encodes every strip at build time and
// packs them into one archive; the program finds a strip in the embedded archive by name and
// decodes it. Both sides share this file, so the format has one definition.
//
// A strip's colours are exact codes that screens and tests compare against, and its frames are
// drawings with large flat areas in a few colours, each frame mostly the one before with a little
// more grown. So a frame is stored as runs in raster order over the whole frame, each run either
// one colour from the strip's palette or a stretch copied from the previous frame.
//
// Strip (all numbers little-endian):
//   "WBS1", u16 width, u16 height, u16 frame count,
//   u8 palette size n (1..MaxPaletteSize), n x (R, G, B),
//   then per frame runs until it is covered: u8 code, LEB128 length (at least 1).
//   Code < n: a run of palette colour `code`. Code CopyCode: copy the pixels at the same
//   positions of the previous frame (not allowed in frame 0).
//   The data ends exactly after the last run of the last frame.
//
// Archive:
//   "WBSA", u32 entry count, then per entry: u8 name length, the name, u32 offset and u32 size of
//   the entry's strip, the offset counted from the start of the archive.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace StripCodec {

using TFrames = std::vector<TPixels>;

inline constexpr int MaxPaletteSize = 255;
inline constexpr std::uint8_t CopyCode = 0xFF;
// A strip is rejected beyond these, so that a damaged header cannot ask for a huge allocation.
// They are far above what any screen shows (the largest strip has under half a million pixels).
inline constexpr int MaxSide = 1024;
inline constexpr std::uint64_t MaxPixels = std::uint64_t{1} << 22;

// Encodes equal-sized opaque frames with at most MaxPaletteSize distinct colours. Gives an empty
// vector if there is no frame, a frame is empty, too large or of another size than the first, a
// pixel is not opaque, or there are too many colours. The output depends only on the frames.
std::vector<std::uint8_t> Encode(const TFrames& frames);

// Decodes a strip to opaque frames (0xFFRRGGBB). Anything damaged (a wrong tag, a size of 0 or
// beyond the limits, a palette code out of range, a copy in frame 0, a run longer than what is
// left of its frame, a cut-off or over-long length, missing or trailing bytes) gives no frames.
// Never reads outside `data`.
TFrames Decode(std::span<const std::uint8_t> data);

struct TEntry {
    std::string Name; // 1..255 bytes
    std::vector<std::uint8_t> Data;
};

// Packs the strips into one archive; empty if a name is empty, too long or used twice.
std::vector<std::uint8_t> Pack(const std::vector<TEntry>& entries);

// The stored bytes of the strip `name`; empty if the archive holds no such strip or is damaged
// (an entry reaching beyond the archive counts as damage, not as a match).
std::span<const std::uint8_t> Find(std::span<const std::uint8_t> archive, std::string_view name);

} // namespace StripCodec
