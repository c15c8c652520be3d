#pragma once
// Type 4: a peritectic system. Melt and the α crystals formed first react at the peritectic line
// to β, which grows round the α. Three alloys cool one after the other: one ends as α and β, one
// turns wholly to β and then precipitates α, one ends as homogeneous β. An inset shows the α → β
// conversion as a picture sequence of its own.

#include "phase/AlloyRuns.h"

#include <array>

namespace UnitZutyp4 {

enum RunIndex { L1, L2, L3 };

struct Variables : AlloyRuns::Place {
    std::array<AlloyRuns::Alloy, 3> Runs{{
        {.LegierungX = 204, .TempY = 20, .BildX = 20, .BildY = 417},
        {.LegierungX = 296, .TempY = 20, .BildX = 180, .BildY = 417},
        {.LegierungX = 342, .TempY = 20, .BildX = 340, .BildY = 417},
    }};
    // The inset's next frame.
    int BildNrAinB = 0;
};
extern Variables Unit;

// The phase boundaries, rows for columns of the diagram.
extern const PhaseDiagram::Quad LiquidusAP; // A* to the peritectic point P
extern const PhaseDiagram::Quad AlphaSolidus;
extern const PhaseDiagram::Quad AlphaSolvus;
extern const PhaseDiagram::Quad LiquidusPB; // P to B*
extern const PhaseDiagram::Quad BetaSolidus;
extern const PhaseDiagram::Quad BetaSolvus;

// The tie lines: above the peritectic line from the α solidus to the liquidus, shared by the
// three runs; below it between the two solvus lines, shared by L1 and L2; and L3's rows from the
// β solidus to the liquidus P–B*.
extern const AlloyRuns::Rows UpperRows;
extern const AlloyRuns::Rows LowerRows;
extern const AlloyRuns::Rows L3Rows;

extern const std::array<AlloyRuns::Script, 3> Scripts;

// What the probe reads on the diagram: its curves, fields and structures.
const DiagramProbe::Map& ProbeMap();

} // namespace UnitZutyp4

class TFormZuTyp4 : public TAlloyRunsForm {
public:
    TFormZuTyp4();
    const DiagramProbe::Map& ProbeMap() const override { return UnitZutyp4::ProbeMap(); }

    TTimer* TimerL1;
    TTimer* TimerL2;
    TTimer* TimerL3;
    TTimer* TimerAinB;
    TImageList* ImageListL1;
    TImageList* ImageListL2;
    TImageList* ImageListL3;
    TImageList* ImageListAinB;
    TMenuItem* StartL1;
    TMenuItem* StartL2;
    TMenuItem* StartL3;
    TMenuItem* AinB;

    void PaintBoxHauptPaint();
    void StartL1Click();
    void StartL2Click();
    void StartL3Click();
    void AinBClick();
    void TimerL1Timer();
    void TimerL2Timer();
    void TimerL3Timer();
    void TimerAinBTimer();

protected:
    void Reset() override;
};

extern TFormZuTyp4* FormZuTyp4;
