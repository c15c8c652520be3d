#pragma once
// A PNG writer for the desktop icons: 8-bit RGBA, deflate in stored blocks. Icons are a few
// kilobytes at most, so compression is not worth a library.

#include <cstdint>
#include <vector>

#include "platform/Types.h"

namespace Generator {

// The PNG file of pixels given as 0xAARRGGBB (TPixels' layout with its alpha byte used).
std::vector<std::uint8_t> EncodePng(const TPixels& pixels);

} // namespace Generator
