#pragma once
// The desktop icon, painted at each size the desktop looks for.

#include <filesystem>
#include <string>

#include "assets/Assets.h"

namespace Generator {

using Assets::IconSizes;

// The asset name of the icon of one size as the program embeds it: icon_16, icon_22, ...
inline std::string IconAssetName(int size) {
    return "icon_" + std::to_string(size);
}

// The icon as a scalable picture (SVG) of the same design.
std::string IconSvg();

// The file of one size, DIR/<size>x<size>/apps/NAME.png.
std::filesystem::path IconFile(const std::filesystem::path& dir, const std::string& name, int size);

// Writes DIR/<size>x<size>/apps/NAME.png for every size and DIR/scalable/apps/NAME.svg (the
// hicolor theme's layout).
bool WriteIcons(const std::filesystem::path& dir, const std::string& name);

} // namespace Generator
