#include "assets/Assets.h"

#include <cstddef>
#include <iterator>

#include "assets/StripCodec.h"

// The symbols come from the assembler file the asset generator writes: wb_asset_NAME holds the
// bytes of the asset NAME and wb_asset_NAME_size their count.
#define WB_EMBEDDED(name)                                                                          \
    extern "C" const std::uint8_t wb_asset_##name[];                                               \
    extern "C" const std::uint64_t wb_asset_##name##_size;                                         \
    static std::span<const std::uint8_t> Embedded_##name() {                                       \
        return {wb_asset_##name, static_cast<std::size_t>(wb_asset_##name##_size)};                \
    }

// Pictures and the strip archive: as painted, and at twice the size.
#define WB_EMBEDDED_TWICE(name) WB_EMBEDDED(name) WB_EMBEDDED(name##_2x)

WB_EMBEDDED_TWICE(cover)
WB_EMBEDDED_TWICE(menu_background)
WB_EMBEDDED_TWICE(cooling_micrograph)
WB_EMBEDDED_TWICE(c45_normalised)
WB_EMBEDDED_TWICE(c45_hardened)
WB_EMBEDDED_TWICE(c45_quenched_tempered)
WB_EMBEDDED_TWICE(ztu_martensite)
WB_EMBEDDED_TWICE(ztu_normalised)
WB_EMBEDDED_TWICE(series_fe)
WB_EMBEDDED_TWICE(series_c01)
WB_EMBEDDED_TWICE(series_c02)
WB_EMBEDDED_TWICE(series_c03)
WB_EMBEDDED_TWICE(series_c04)
WB_EMBEDDED_TWICE(series_c05)
WB_EMBEDDED_TWICE(series_c06)
WB_EMBEDDED_TWICE(series_c07)
WB_EMBEDDED_TWICE(series_c08)
WB_EMBEDDED_TWICE(strips)
WB_EMBEDDED(font_sans_regular)
WB_EMBEDDED(font_sans_bold)
WB_EMBEDDED(font_serif_regular)
WB_EMBEDDED(font_serif_bold)
WB_EMBEDDED(icon_16)
WB_EMBEDDED(icon_22)
WB_EMBEDDED(icon_24)
WB_EMBEDDED(icon_32)
WB_EMBEDDED(icon_48)
WB_EMBEDDED(icon_64)
WB_EMBEDDED(icon_128)
WB_EMBEDDED(icon_256)

#undef WB_EMBEDDED_TWICE
#undef WB_EMBEDDED

namespace {

using TAccessor = std::span<const std::uint8_t> (*)();

// The generator stores every picture and strip archive at scale 1 under its name and at scale 2
// under its name with "_2x".
std::span<const std::uint8_t> AtScale(int scale, TAccessor own, TAccessor twice) {
    switch (scale) {
    case 1:
        return own();
    case 2:
        return twice();
    default:
        return {};
    }
}

} // namespace

// The accessor Scaled_NAME(scale) of an asset stored at both scales.
#define WB_SCALED(name)                                                                            \
    static std::span<const std::uint8_t> Scaled_##name(int scale) {                                \
        return AtScale(scale, Embedded_##name, Embedded_##name##_2x);                              \
    }

WB_SCALED(cover)
WB_SCALED(menu_background)
WB_SCALED(cooling_micrograph)
WB_SCALED(c45_normalised)
WB_SCALED(c45_hardened)
WB_SCALED(c45_quenched_tempered)
WB_SCALED(ztu_martensite)
WB_SCALED(ztu_normalised)
WB_SCALED(series_fe)
WB_SCALED(series_c01)
WB_SCALED(series_c02)
WB_SCALED(series_c03)
WB_SCALED(series_c04)
WB_SCALED(series_c05)
WB_SCALED(series_c06)
WB_SCALED(series_c07)
WB_SCALED(series_c08)
WB_SCALED(strips)

#undef WB_SCALED

namespace Assets {

std::span<const std::uint8_t> CoverPicture(int scale) {
    return Scaled_cover(scale);
}
std::span<const std::uint8_t> MenuBackground(int scale) {
    return Scaled_menu_background(scale);
}
std::span<const std::uint8_t> CoolingMicrograph(int scale) {
    return Scaled_cooling_micrograph(scale);
}
std::span<const std::uint8_t> C45Normalised(int scale) {
    return Scaled_c45_normalised(scale);
}
std::span<const std::uint8_t> C45Hardened(int scale) {
    return Scaled_c45_hardened(scale);
}
std::span<const std::uint8_t> C45QuenchedAndTempered(int scale) {
    return Scaled_c45_quenched_tempered(scale);
}
std::span<const std::uint8_t> MartensiteMicrograph(int scale) {
    return Scaled_ztu_martensite(scale);
}
std::span<const std::uint8_t> NormalisedMicrograph(int scale) {
    return Scaled_ztu_normalised(scale);
}

std::span<const std::uint8_t> SeriesMicrograph(int tenthsPercentCarbon, int scale) {
    using Accessor = std::span<const std::uint8_t> (*)(int);
    static constexpr Accessor Series[SeriesMicrographs] = {
        Scaled_series_fe,  Scaled_series_c01, Scaled_series_c02,
        Scaled_series_c03, Scaled_series_c04, Scaled_series_c05,
        Scaled_series_c06, Scaled_series_c07, Scaled_series_c08,
    };
    if (tenthsPercentCarbon < 0 || tenthsPercentCarbon >= SeriesMicrographs)
        return {};
    return Series[tenthsPercentCarbon](scale);
}

std::vector<TPixels> Strip(std::string_view name, int scale) {
    const std::span<const std::uint8_t> archive = Scaled_strips(scale);
    if (archive.empty()) {
        return {};
    }
    return StripCodec::Decode(StripCodec::Find(archive, name));
}

std::span<const std::uint8_t> Icon(int size) {
    using Accessor = std::span<const std::uint8_t> (*)();
    static constexpr Accessor Icons[] = {Embedded_icon_16,  Embedded_icon_22, Embedded_icon_24,
                                         Embedded_icon_32,  Embedded_icon_48, Embedded_icon_64,
                                         Embedded_icon_128, Embedded_icon_256};
    static_assert(std::size(Icons) == std::size(IconSizes));
    for (std::size_t i = 0; i < std::size(IconSizes); ++i)
        if (IconSizes[i] == size)
            return Icons[i]();
    return {};
}

std::span<const std::uint8_t> FontSansRegular() {
    return Embedded_font_sans_regular();
}
std::span<const std::uint8_t> FontSansBold() {
    return Embedded_font_sans_bold();
}
std::span<const std::uint8_t> FontSerifRegular() {
    return Embedded_font_serif_regular();
}
std::span<const std::uint8_t> FontSerifBold() {
    return Embedded_font_serif_bold();
}

} // namespace Assets
