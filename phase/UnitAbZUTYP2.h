#pragma once
// Thermal analysis of two components completely soluble in each other as a melt and insoluble
// in each other as solids: the alloys show a kink and the eutectic arrest, the eutectic alloy
// only the arrest, and the diagram has two liquidus branches over the eutectic line.

#include "phase/ThermalAnalysis.h"

namespace UnitAbZUTYP2 {

// Where the pieces of the six curves start (A and B three pieces, L1, L2 and L4 four, the
// eutectic L3 three), then the fills: left and right liquidus branch, the eutectic line, the
// melt left and right, the solid.
inline constexpr std::array<float, 27> KurvenStart{9,   20,  50,  70,  90,  146, 150, 130, 160,
                                                   200, 210, 190, 235, 270, 250, 280, 325, 335,
                                                   310, 332, 360, 350, 530, 350, 350, 530, 350};
inline constexpr std::array<int, 6> ProjektionStart{20, 92, 160, 145, 280, 333};

struct Variables {
    double FaktorX = 0;
    double FaktorY = 0;
    std::array<float, 27> KurvenTab = KurvenStart;
    std::array<int, 6> ProjektionX = ProjektionStart;
};
extern Variables Unit;
extern const ThermalAnalysis::Data Data;

// The two liquidus branches, as rows for positions p of the fills (the surface's x is p + 100).
long double LeftBranch(int p);
long double RightBranch(int p);

} // namespace UnitAbZUTYP2

class TFormAbZuTyp2 : public TThermalAnalysisForm {
public:
    TFormAbZuTyp2();
};

extern TFormAbZuTyp2* FormAbZuTyp2;
