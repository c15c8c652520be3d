#include "platform/ScaleFit.h"

#include <cmath>

namespace {
constexpr double ScaleStep = 1.0 / 64;
// A scale given as a decimal (1.04) divides a screen's size into a whole number only up to the
// rounding of the division.
constexpr double Rounding = 1e-9;

bool FitsAt(double scale, int deviceWidth, int deviceHeight, const LayoutFits& fits) {
    // A logical pixel only partly on the screen does not count as on it.
    return fits(static_cast<int>(std::floor(deviceWidth / scale + Rounding)),
                static_cast<int>(std::floor(deviceHeight / scale + Rounding)));
}
} // namespace

double FittingScale(double desktopScale, int deviceWidth, int deviceHeight,
                    const LayoutFits& fits) {
    if (!(desktopScale > 1) || FitsAt(desktopScale, deviceWidth, deviceHeight, fits))
        return desktopScale > 1 ? desktopScale : 1.0;
    for (double steps = std::ceil(desktopScale / ScaleStep) - 1; steps * ScaleStep > 1; --steps) {
        const double scale = steps * ScaleStep;
        if (FitsAt(scale, deviceWidth, deviceHeight, fits))
            return scale;
    }
    return 1.0;
}
