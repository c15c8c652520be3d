#pragma once
// What the probe reads on the complete iron–carbon diagram: the lines and characteristic points
// of the metastable and the stable system from the diagram's geometry, the phase fields between
// them and, in the metastable system, the structures the diagram's labels name. Positions are
// carbon content and temperature on the diagram's scales.

#include "phase/DiagramProbe.h"

namespace IronCarbonProbe {

// Both maps in design units; the factors give their size in pixels.
DiagramProbe::Map Metastable(long double faktorX, long double faktorY);
DiagramProbe::Map Stable(long double faktorX, long double faktorY);

// The diagram's position of a point: "0,60 Gew.-% C, 750 °C".
std::string Position(DiagramProbe::Point design);

} // namespace IronCarbonProbe
