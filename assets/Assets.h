#pragma once
// The pictures and fonts embedded in the program at build time. Each accessor returns the stored
// bytes of one asset; they live for the whole run and never change.

#include <cstdint>
#include <span>

namespace Assets {

// JPEG, 1078 x 768, colour: diagonal blue, yellow and red bands behind the cover's animation.
std::span<const std::uint8_t> CoverPicture();
// JPEG, 1078 x 768, colour: a blue and yellow starburst with red core lines behind the main menu.
std::span<const std::uint8_t> MenuBackground();

// TrueType files, embedded as they are.
std::span<const std::uint8_t> FontSansRegular();
std::span<const std::uint8_t> FontSansBold();
std::span<const std::uint8_t> FontSerifRegular();
std::span<const std::uint8_t> FontSerifBold();

} // namespace Assets
