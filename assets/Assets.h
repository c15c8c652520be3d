#pragma once
// The pictures, frame strips and fonts embedded in the program at build time. Each picture and
// font accessor returns the stored bytes of one asset; they live for the whole run and never
// change. Frame strips come decoded.
//
// Every picture and frame strip is stored at two scales. At scale 1 it has the size given below.
// At scale 2 it is the same picture painted at twice its width and height, from the same seeds
// on a finer pixel grid (not an enlargement): for screens that draw at a higher resolution. Any
// other scale gives nothing: an empty span, no frames.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/Types.h"

namespace Assets {

// JPEG, 1078 x 768, colour: diagonal blue, yellow and red bands behind the cover's animation.
std::span<const std::uint8_t> CoverPicture(int scale = 1);
// JPEG, 1078 x 768, colour: a blue and yellow starburst with red core lines behind the main menu.
std::span<const std::uint8_t> MenuBackground(int scale = 1);
// JPEG, 317 x 209, colour: a micrograph of a hypoeutectoid steel, light ferrite grains beside dark
// lamellar pearlite colonies.
std::span<const std::uint8_t> CoolingMicrograph(int scale = 1);
// JPEGs, 800 x 600, colour: light micrographs of the steel C 45, normalised (light ferrite grains
// between dark-brown lamellar pearlite), hardened (fine martensite needles in light brown) and
// quenched and tempered (fine mottled tempered martensite, light with dark speckles).
std::span<const std::uint8_t> C45Normalised(int scale = 1);
std::span<const std::uint8_t> C45Hardened(int scale = 1);
std::span<const std::uint8_t> C45QuenchedAndTempered(int scale = 1);

// The microstructure series, grey-scale JPEGs 400 pixels wide and 276 to 289 high: for 0 pure
// ferrite at a high magnification (white polygonal grains, thin dark boundaries); for 1 to 8 a
// steel with that many tenths of a per cent carbon, ferrite and pearlite, the pearlite's share
// following the lever rule up to the fully pearlitic eutectoid steel. Empty for any other number.
inline constexpr int SeriesMicrographs = 9;
std::span<const std::uint8_t> SeriesMicrograph(int tenthsPercentCarbon, int scale = 1);
// JPEG, 160 x 120, colour: martensite, fine dark needles in three directions per former
// austenite grain on a light ground.
std::span<const std::uint8_t> MartensiteMicrograph(int scale = 1);
// JPEG, 160 x 120, colour: a normalised steel with 0.45 % carbon, light ferrite grains beside dark
// lamellar pearlite colonies.
std::span<const std::uint8_t> NormalisedMicrograph(int scale = 1);

// The frames of a frame strip, decoded; empty for an unknown name. Names are "<Screen>.<Strip>",
// the screen's form name without "Form" and the strip's name without "ImageList", for example
// "ZuTyp1.MkBildung" for ImageListMkBildung on FormZuTyp1. Every screen owns its strips, so two
// screens' strips of the same name are different strips. At scale 2 the same number of frames,
// each twice as wide and high, in the same exact colours: a strip whose frames hold only a few
// colour codes holds no others at scale 2 either.
std::vector<TPixels> Strip(std::string_view name, int scale = 1);

// The program's icon, PNG with alpha, square, at each of these edge lengths; empty for another.
inline constexpr int IconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
std::span<const std::uint8_t> Icon(int size);

// TrueType files, embedded as they are, at no scale.
std::span<const std::uint8_t> FontSansRegular();
std::span<const std::uint8_t> FontSansBold();
std::span<const std::uint8_t> FontSerifRegular();
std::span<const std::uint8_t> FontSerifBold();

} // namespace Assets
