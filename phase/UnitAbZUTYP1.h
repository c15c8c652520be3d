#pragma once
// Thermal analysis of two components completely soluble in each other, liquid and solid: the
// arrests of A and B and the kinks of the four alloys give the liquidus and the solidus of a
// lens-shaped diagram with the fields melt, melt + solid solution and solid solution.

#include "phase/ThermalAnalysis.h"

namespace UnitAbZUTYP1 {

// Where the pieces of the six curves start (three each: A, L1 … L4, B), then the fills: liquidus
// and solidus of the red band, one spare place, the melt and the solid field.
inline constexpr std::array<float, 23> KurvenStart{11,  20,  50,  71,  85,  125, 131, 150,
                                                   190, 191, 220, 260, 251, 290, 330, 311,
                                                   360, 390, 450, 450, 450, 450, 450};
inline constexpr std::array<int, 10> ProjektionStart{20,  85,  125, 150, 190,
                                                     220, 260, 290, 330, 360};

struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
    std::array<float, 23> KurvenTab = KurvenStart;
    std::array<int, 10> ProjektionX = ProjektionStart;
};
extern Variables Unit;
extern const ThermalAnalysis::Data Data;

// The liquidus and the solidus of the diagram, rows for columns of the surface.
long double Liquidus(int x);
long double Solidus(int x);

} // namespace UnitAbZUTYP1

class TFormAbZuTyp1 : public TThermalAnalysisForm {
public:
    TFormAbZuTyp1();
};

extern TFormAbZuTyp1* FormAbZuTyp1;
