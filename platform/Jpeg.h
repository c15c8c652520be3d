#pragma once
// JPEG decoding and encoding through libjpeg. The program decodes its embedded pictures with it at
// run time; the asset generator encodes them at build time, so both sides use one codec setup.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/Types.h"

// Decodes a baseline or progressive JPEG to opaque RGB pixels (0xFFRRGGBB); a greyscale JPEG
// becomes grey RGB. Damaged data of any kind (not a JPEG, a broken header, truncated or corrupt
// entropy data, dimensions beyond what the program could ever hold) gives an empty picture
// (Width 0). Nothing is written to stderr and the process is never ended.
TPixels DecodeJpeg(std::span<const std::uint8_t> data);

// Encodes a picture with the given quality (1..100). Colour pictures keep full chroma resolution,
// since the program's pictures have sharp coloured edges that 2x2 chroma subsampling would fringe.
// With greyscale set, only the luminance is stored. Gives an empty vector for an empty picture.
// The output depends only on the arguments, so the build is reproducible.
std::vector<std::uint8_t> EncodeJpeg(const TPixels& pixels, int quality, bool greyscale = false);
