#include "assets/Assets.h"

#include <cstddef>

#include "assets/StripCodec.h"

// The symbols come from the assembler file the asset generator writes: wb_asset_NAME holds the
// bytes of the asset NAME and wb_asset_NAME_size their count.
#define WB_EMBEDDED(name)                                                                          \
    extern "C" const std::uint8_t wb_asset_##name[];                                               \
    extern "C" const std::uint64_t wb_asset_##name##_size;                                         \
    static std::span<const std::uint8_t> Embedded_##name() {                                       \
        return {wb_asset_##name, static_cast<std::size_t>(wb_asset_##name##_size)};                \
    }

WB_EMBEDDED(cover)
WB_EMBEDDED(menu_background)
WB_EMBEDDED(cooling_micrograph)
WB_EMBEDDED(c45_normalised)
WB_EMBEDDED(c45_hardened)
WB_EMBEDDED(c45_quenched_tempered)
WB_EMBEDDED(ztu_martensite)
WB_EMBEDDED(ztu_normalised)
WB_EMBEDDED(series_fe)
WB_EMBEDDED(series_c01)
WB_EMBEDDED(series_c02)
WB_EMBEDDED(series_c03)
WB_EMBEDDED(series_c04)
WB_EMBEDDED(series_c05)
WB_EMBEDDED(series_c06)
WB_EMBEDDED(series_c07)
WB_EMBEDDED(series_c08)
WB_EMBEDDED(strips)
WB_EMBEDDED(font_sans_regular)
WB_EMBEDDED(font_sans_bold)
WB_EMBEDDED(font_serif_regular)
WB_EMBEDDED(font_serif_bold)

#undef WB_EMBEDDED

namespace Assets {

std::span<const std::uint8_t> CoverPicture() {
    return Embedded_cover();
}
std::span<const std::uint8_t> MenuBackground() {
    return Embedded_menu_background();
}
std::span<const std::uint8_t> CoolingMicrograph() {
    return Embedded_cooling_micrograph();
}
std::span<const std::uint8_t> C45Normalised() {
    return Embedded_c45_normalised();
}
std::span<const std::uint8_t> C45Hardened() {
    return Embedded_c45_hardened();
}
std::span<const std::uint8_t> C45QuenchedAndTempered() {
    return Embedded_c45_quenched_tempered();
}
std::span<const std::uint8_t> MartensiteMicrograph() {
    return Embedded_ztu_martensite();
}
std::span<const std::uint8_t> NormalisedMicrograph() {
    return Embedded_ztu_normalised();
}

std::span<const std::uint8_t> SeriesMicrograph(int tenthsPercentCarbon) {
    using Accessor = std::span<const std::uint8_t> (*)();
    static constexpr Accessor Series[SeriesMicrographs] = {
        Embedded_series_fe,  Embedded_series_c01, Embedded_series_c02,
        Embedded_series_c03, Embedded_series_c04, Embedded_series_c05,
        Embedded_series_c06, Embedded_series_c07, Embedded_series_c08,
    };
    if (tenthsPercentCarbon < 0 || tenthsPercentCarbon >= SeriesMicrographs)
        return {};
    return Series[tenthsPercentCarbon]();
}

std::vector<TPixels> Strip(std::string_view name) {
    return StripCodec::Decode(StripCodec::Find(Embedded_strips(), name));
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
