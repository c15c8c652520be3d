#pragma once
// Type 3: a eutectic system whose components dissolve a little of each other in the solid, so
// that α and β solid solutions stand beside the eutectic line D–E. Four alloys cool one after the
// other: near A to homogeneous α, between D and C to α crystals in eutectic with β segregating
// from them, at C to eutectic at once, near B to homogeneous β, from which α segregates below the
// solvus.

#include "phase/AlloyRuns.h"

#include <array>

namespace UnitZutyp3 {

enum RunIndex { L1, L2, L3, L4 };

struct Variables : AlloyRuns::Place {
    std::array<AlloyRuns::Alloy, 4> Runs{{
        {.LegierungX = 48, .TempY = 19, .BildX = 22, .BildY = 417},
        {.LegierungX = 204, .TempY = 19, .BildX = 170, .BildY = 417},
        {.LegierungX = 296, .TempY = 19, .BildX = 280, .BildY = 417},
        {.LegierungX = 444, .TempY = 19, .BildX = 385, .BildY = 417},
    }};
};
extern Variables Unit;

// The phase boundaries, rows for columns of the diagram.
extern const PhaseDiagram::Quad LeftLiquidus;  // A* to C
extern const PhaseDiagram::Quad AlphaSolidus;  // A* to D
extern const PhaseDiagram::Quad AlphaSolvus;   // below D
extern const PhaseDiagram::Quad RightLiquidus; // C to B*
extern const PhaseDiagram::Quad BetaSolidus;   // E to B*
extern const PhaseDiagram::Quad BetaSolvus;    // below E

// The tie lines of the runs: L1 and L2 from the α solidus to the liquidus, L4 from the liquidus
// to the β solidus, and below the eutectic line the rows between the two solvus lines that L2,
// L3 and L4 share.
extern const AlloyRuns::Rows L1Rows;
extern const AlloyRuns::Rows L2Rows;
extern const AlloyRuns::Rows L4Rows;
extern const AlloyRuns::Rows SolvusRows;

extern const std::array<AlloyRuns::Script, 4> Scripts;

// What the probe reads on the diagram: its curves, fields and structures.
const DiagramProbe::Map& ProbeMap();

} // namespace UnitZutyp3

class TFormZuTyp3 : public TAlloyRunsForm {
public:
    TFormZuTyp3();
    const DiagramProbe::Map& ProbeMap() const override { return UnitZutyp3::ProbeMap(); }

    TTimer* TimerL1;
    TTimer* TimerL2;
    TTimer* TimerL3;
    TTimer* TimerL4;
    TImageList* ImageListL1;
    TImageList* ImageListL2;
    TImageList* ImageListL3;
    TImageList* ImageListL4;
    TMenuItem* StartL1;
    TMenuItem* StartL2;
    TMenuItem* StartL3;
    TMenuItem* StartL4;

    void PaintBoxHauptPaint();
    void StartL1Click();
    void StartL2Click();
    void StartL3Click();
    void StartL4Click();
    void TimerL1Timer();
    void TimerL2Timer();
    void TimerL3Timer();
    void TimerL4Timer();
};

extern TFormZuTyp3* FormZuTyp3;
