#pragma once
// The desktop icon, painted at each size the desktop looks for.

#include <filesystem>
#include <string>

namespace Generator {

inline constexpr int IconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Writes DIR/<size>x<size>/apps/NAME.png for every size (the hicolor theme's layout).
bool WriteIcons(const std::filesystem::path& dir, const std::string& name);

} // namespace Generator
