#pragma once
// The scale the program's windows are shown at: the desktop's own, unless its windows would then
// reach beyond the screen, in which case the largest smaller one at which they fit (never below 1).

#include <functional>

// Whether the windows laid out for a screen of this many logical pixels lie wholly on it.
using LayoutFits = std::function<bool(int logicalWidth, int logicalHeight)>;

// The scales tried are the desktop's and then the multiples of 1/64 below it: binary fractions keep
// logical and device coordinates in an exact ratio, and the steps are finer than a pixel row of a
// window at every scale up to 3.
double FittingScale(double desktopScale, int deviceWidth, int deviceHeight, const LayoutFits& fits);
